#include "highlight/SqlHighlighter.h"

#include "highlight/KeywordSet.h"

namespace lorivex {

namespace {

using chars::IsDigit;
using chars::IsIdentChar;
using chars::IsIdentStart;

constexpr std::u16string_view SqlKeywords[] = {
    u"absolute", u"action", u"add", u"after", u"all", u"alter", u"and", u"any", u"as", u"asc",
    u"authorization", u"auto_increment", u"autoincrement", u"avg", u"backup", u"before", u"begin",
    u"between", u"bigint", u"binary", u"bit", u"blob", u"both", u"break", u"browse", u"bulk", u"by",
    u"cascade", u"case", u"cast", u"char", u"character", u"check", u"checkpoint", u"close",
    u"clustered", u"coalesce", u"collate", u"column", u"commit", u"compute", u"constraint",
    u"contains", u"containstable", u"continue", u"convert", u"count", u"create", u"cross",
    u"current", u"current_date", u"current_time", u"current_timestamp", u"current_user", u"cursor",
    u"database", u"date", u"datetime", u"datetime2", u"dbcc", u"deallocate", u"dec", u"decimal",
    u"declare", u"default", u"delete", u"deny", u"desc", u"disk", u"distinct", u"distributed",
    u"double", u"drop", u"dump", u"else", u"elsif", u"end", u"errlvl", u"escape", u"except",
    u"exec", u"execute", u"exists", u"exit", u"external", u"fetch", u"file", u"fillfactor",
    u"float", u"for", u"foreign", u"freetext", u"from", u"full", u"function", u"getdate", u"go",
    u"goto", u"grant", u"group", u"having", u"holdlock", u"identity", u"identity_insert",
    u"identitycol", u"if", u"ifnull", u"in", u"index", u"inner", u"insert", u"int", u"integer",
    u"intersect", u"into", u"is", u"isnull", u"join", u"key", u"kill", u"language", u"left", u"len",
    u"length", u"like", u"limit", u"lineno", u"load", u"long", u"loop", u"lower", u"match", u"max",
    u"merge", u"min", u"money", u"national", u"nchar", u"nocheck", u"nonclustered", u"not", u"now",
    u"ntext", u"null", u"nullif", u"numeric", u"nvarchar", u"of", u"off", u"offset", u"offsets",
    u"on", u"open", u"opendatasource", u"openquery", u"openrowset", u"openxml", u"option", u"or",
    u"order", u"outer", u"output", u"over", u"partition", u"percent", u"pivot", u"plan",
    u"precision", u"primary", u"print", u"proc", u"procedure", u"public", u"raiserror", u"read",
    u"readtext", u"real", u"reconfigure", u"references", u"replace", u"replication", u"restore",
    u"restrict", u"return", u"returning", u"returns", u"revert", u"revoke", u"right", u"rollback",
    u"round", u"row", u"rowcount", u"rowguidcol", u"rows", u"rule", u"save", u"savepoint",
    u"schema", u"select", u"semantickeyphrasetable", u"session_user", u"set", u"setuser",
    u"shutdown", u"smallint", u"some", u"statistics", u"substring", u"sum", u"system_user",
    u"table", u"tablesample", u"text", u"textsize", u"then", u"time", u"timestamp", u"tinyint",
    u"to", u"top", u"tran", u"transaction", u"trigger", u"trim", u"truncate", u"try_convert",
    u"tsequal", u"union", u"unique", u"unpivot", u"update", u"updatetext", u"upper", u"use",
    u"user", u"values", u"varbinary", u"varchar", u"varying", u"view", u"waitfor", u"when",
    u"where", u"while", u"with", u"within", u"writetext", u"xml",
};
static_assert(IsKeywordTable(SqlKeywords, true));
constexpr TKeywordSet SqlKeywordSet(SqlKeywords, true);

enum Mode : std::uint16_t { Normal = 0, BlockComment, String };

class Line {
public:
    Line(TLineScanner& s, TScanState& state) : s_(s), state_(state) {}

    void Run()
    {
        while (!s_.AtEnd()) {
            if (state_.Mode == BlockComment)
                CommentUntilClose(s_.Pos());
            else if (state_.Mode == String)
                StringBody();
            else
                Token();
        }
    }

private:
    void CommentUntilClose(std::size_t from)
    {
        std::size_t close = s_.Find(u"*/", from);
        state_.Mode = close < s_.End() ? Normal : BlockComment;
        s_.EmitTo(TTokenKind::Comment, close < s_.End() ? close + 2 : s_.End());
    }

    void StringBody()
    {
        std::size_t i = s_.Pos();
        while (i < s_.End()) {
            if (s_.At(i) == u'\'' && s_.At(i + 1) == u'\'') {
                i += 2;
            } else if (s_.At(i) == u'\'') {
                s_.EmitTo(TTokenKind::String, i + 1);
                state_.Mode = Normal;
                return;
            } else {
                ++i;
            }
        }
        s_.EmitRest(TTokenKind::String);
        state_.Mode = String;
    }

    // "name", [name], `name`: names that may hold blanks or be keywords.
    void QuotedName(char16_t close)
    {
        std::size_t end = s_.Find(std::u16string_view(&close, 1), s_.Pos() + 1);
        s_.EmitTo(TTokenKind::Identifier, end + 1);
    }

    void Token()
    {
        const char16_t c = s_.Peek();
        if (s_.EmitSpace())
            return;
        if (s_.LookingAt(u"--")) {
            s_.EmitRest(TTokenKind::Comment);
        } else if (s_.LookingAt(u"/*")) {
            CommentUntilClose(s_.Pos() + 2);
        } else if (c == u'\'') {
            s_.Emit(TTokenKind::String, 1);
            StringBody();
        } else if (c == u'"' || c == u'`') {
            QuotedName(c);
        } else if (c == u'[') {
            QuotedName(u']');
        } else if (c == u'@' && (IsIdentStart(s_.Peek(1)) || s_.Peek(1) == u'@')) {
            s_.EmitTo(TTokenKind::Variable, s_.IdentifierEnd(s_.SkipWhile(s_.Pos(), [](char16_t ch) { return ch == u'@'; })));
        } else if (c == u':' && IsIdentStart(s_.Peek(1)) && (s_.Pos() == 0 || s_.At(s_.Pos() - 1) != u':')) {
            s_.EmitTo(TTokenKind::Variable, s_.IdentifierEnd(s_.Pos() + 1));
        } else if (c == u'$' && IsDigit(s_.Peek(1))) {
            s_.EmitTo(TTokenKind::Variable, s_.SkipWhile(s_.Pos() + 1, IsDigit));
        } else if (IsDigit(c) || (c == u'.' && IsDigit(s_.Peek(1)))) {
            Number();
        } else if (IsIdentStart(c)) {
            Word();
        } else {
            s_.Emit(TTokenKind::Operator, 1);
        }
    }

    void Number()
    {
        std::size_t end;
        if (s_.Peek() == u'0' && (s_.Peek(1) == u'x' || s_.Peek(1) == u'X')) {
            end = s_.SkipWhile(s_.Pos() + 2, chars::IsHexDigit);
        } else {
            end = s_.SkipWhile(s_.Pos(), [](char16_t ch) { return IsDigit(ch) || ch == u'.'; });
            if ((s_.At(end) == u'e' || s_.At(end) == u'E') &&
                (IsDigit(s_.At(end + 1)) || ((s_.At(end + 1) == u'-' || s_.At(end + 1) == u'+') && IsDigit(s_.At(end + 2)))))
                end = s_.SkipWhile(end + 2, IsDigit);
        }
        s_.EmitTo(TTokenKind::Number, end);
    }

    void Word()
    {
        std::size_t end = s_.SkipWhile(s_.Pos(), [](char16_t ch) { return IsIdentChar(ch) || ch == u'$' || ch == u'#'; });
        // N'...', X'...', E'...': a prefixed string literal.
        if (end == s_.Pos() + 1 && s_.At(end) == u'\'') {
            const char16_t prefix = chars::ToLower(s_.Peek());
            if (prefix == u'n' || prefix == u'x' || prefix == u'e' || prefix == u'b') {
                s_.Emit(TTokenKind::String, 2);
                StringBody();
                return;
            }
        }
        s_.EmitTo(SqlKeywordSet.Contains(s_.Slice(s_.Pos(), end)) ? TTokenKind::Keyword : TTokenKind::Identifier, end);
    }

    TLineScanner& s_;
    TScanState& state_;
};

} // namespace

TSqlHighlighter::TSqlHighlighter()
    : THighlighter("SQL", "sql", {".sql", ".ddl"},
                   {TTokenKind::Identifier, TTokenKind::Keyword, TTokenKind::Comment, TTokenKind::String,
                    TTokenKind::Number, TTokenKind::Operator, TTokenKind::Variable})
{
}

void TSqlHighlighter::Scan(TLineScanner& scanner, TLineState& state) const
{
    Line(scanner, state.Code).Run();
}

} // namespace lorivex
