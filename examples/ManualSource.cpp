#include "ManualSource.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace lorivex::manual {

namespace {

std::string Trim(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string Lower(std::string text)
{
    for (auto& c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c + 32);
    return text;
}

bool Escapable(char c)
{
    return c == '\\' || c == '*' || c == '`' || c == '{' || c == '}' || c == '|';
}

// Directives that describe a topic or the whole document and so stand on a
// line of their own; the others stand where their text goes.
bool IsBlockDirective(const std::string& name)
{
    return name == "index" || name == "related" || name == "stylesheet" || name == "property";
}

bool IsInlineDirective(const std::string& name)
{
    return name == "popup" || name == "variable";
}

std::vector<std::string> SplitList(const std::string& text)
{
    std::vector<std::string> parts;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ';'))
        parts.push_back(Trim(part));
    return parts;
}

// A tab in code would reach the page as a single blank; the columns the
// author lined up survive as spaces.
std::string ExpandTabs(const std::string& line)
{
    std::string out;
    for (char c : line) {
        if (c == '\t')
            out.append(4 - out.size() % 4, ' ');
        else
            out += c;
    }
    return out;
}

// Text joined from several source lines, each character remembering its
// line, so that a message about inline markup names the right line.
struct Joined {
    std::string Text;
    std::vector<int> Lines;

    void Add(const std::string& piece, int line)
    {
        if (!Text.empty()) {
            Text += ' ';
            Lines.push_back(line);
        }
        Text += piece;
        Lines.insert(Lines.end(), piece.size(), line);
    }
    int LineAt(size_t i) const { return Lines.empty() ? 0 : Lines[std::min(i, Lines.size() - 1)]; }
};

class Parser {
public:
    Parser(Manual& manual, std::string fileName) : manual_(manual), file_(std::move(fileName)) {}

    void Run(const std::string& text)
    {
        std::vector<std::string> lines;
        std::stringstream in(text);
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
        }
        for (size_t i = 0; i < lines.size(); ++i)
            Line(lines[i], int(i) + 1);
        if (inCode_)
            throw ManualError(codeStart_, "the code block that starts here is not closed by a ``` line");
        Flush();
    }

private:
    Manual& manual_;
    std::string file_;
    bool inCode_ = false;
    Location codeStart_;
    std::vector<std::string> codeLines_;
    Joined paragraph_;
    Location paragraphStart_;
    BlockKind itemKind_ = BlockKind::Paragraph; // Paragraph: no list item open

    Location At(int line) const { return {file_, line}; }

    void Line(const std::string& line, int number)
    {
        if (inCode_) {
            if (Trim(line) == "```") {
                Block block;
                block.Kind = BlockKind::Code;
                block.CodeLines = codeLines_;
                block.Where = codeStart_;
                Add(block);
                codeLines_.clear();
                inCode_ = false;
            } else {
                codeLines_.push_back(ExpandTabs(line));
            }
            return;
        }
        const std::string trimmed = Trim(line);
        if (trimmed.empty()) {
            Flush();
            return;
        }
        if (line.rfind("```", 0) == 0) {
            Flush();
            inCode_ = true;
            codeStart_ = At(number);
            return;
        }
        if (line[0] == '#') {
            Flush();
            Heading(line, number);
            return;
        }
        if (trimmed.front() == '{' && trimmed.back() == '}') {
            std::string name = DirectiveName(trimmed);
            if (IsBlockDirective(name)) {
                Flush();
                BlockDirective(name, DirectiveValue(trimmed), number);
                return;
            }
        }
        if (auto [kind, rest] = ListMarker(line); kind != BlockKind::Paragraph) {
            Flush();
            itemKind_ = kind;
            paragraphStart_ = At(number);
            paragraph_.Add(Trim(rest), number);
            return;
        }
        // More of the paragraph or of the list item that is open.
        if (paragraph_.Text.empty())
            paragraphStart_ = At(number);
        paragraph_.Add(trimmed, number);
    }

    static std::string DirectiveName(const std::string& directive)
    {
        size_t colon = directive.find(':');
        return colon == std::string::npos ? std::string() : Trim(directive.substr(1, colon - 1));
    }

    // What stands between the colon and the closing brace.
    static std::string DirectiveValue(const std::string& directive)
    {
        size_t colon = directive.find(':');
        return directive.substr(colon + 1, directive.size() - colon - 2);
    }

    static std::pair<BlockKind, std::string> ListMarker(const std::string& line)
    {
        if (line.rfind("- ", 0) == 0)
            return {BlockKind::Bullet, line.substr(2)};
        size_t digits = 0;
        while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9')
            ++digits;
        if (digits > 0 && line.compare(digits, 2, ". ") == 0)
            return {BlockKind::Numbered, line.substr(digits + 2)};
        return {BlockKind::Paragraph, {}};
    }

    void Heading(const std::string& line, int number)
    {
        size_t level = line.find_first_not_of('#');
        if (level == std::string::npos || line[level] != ' ')
            throw ManualError(At(number), "a heading is one to four '#', a blank and the title");
        if (level > 4)
            throw ManualError(At(number), "headings go four levels deep at most (####); this one has " +
                                              std::to_string(level));
        std::string title = Trim(line.substr(level));
        if (title.empty())
            throw ManualError(At(number), "the heading has no title");
        // A backslash would split the title into two levels of the
        // contents; a field in a heading keeps the heading from being removed.
        for (char c : {'\\', '{', '}'})
            if (title.find(c) != std::string::npos)
                throw ManualError(At(number), std::string("a heading cannot hold '") + c + "': \"" + title + "\"");
        int previous = manual_.Topics.empty() ? 0 : manual_.Blocks[manual_.Topics.back().HeadingBlock].Level;
        if (int(level) > previous + 1)
            throw ManualError(At(number), "a level-" + std::to_string(level) + " heading cannot follow " +
                                              (previous == 0 ? std::string("the start of the manual")
                                                             : "a level-" + std::to_string(previous) + " heading") +
                                              "; the contents would skip a level");
        Block block;
        block.Kind = BlockKind::Heading;
        block.Level = int(level);
        block.Title = title;
        block.Where = At(number);
        Topic topic;
        topic.HeadingBlock = manual_.Blocks.size();
        topic.Path = title;
        if (level > 1) {
            // The parent is the nearest earlier heading one level up.
            for (auto it = manual_.Topics.rbegin(); it != manual_.Topics.rend(); ++it)
                if (manual_.Blocks[it->HeadingBlock].Level == int(level) - 1) {
                    topic.Path = it->Path + "\\" + title;
                    break;
                }
        }
        Add(block);
        manual_.Topics.push_back(topic);
    }

    Topic& CurrentTopic(const std::string& directive, int number)
    {
        if (manual_.Topics.empty())
            throw ManualError(At(number), "{" + directive + ": ...} belongs to a topic; put it after a heading");
        return manual_.Topics.back();
    }

    void BlockDirective(const std::string& name, const std::string& value, int number)
    {
        const std::string text = Trim(value);
        if (text.find_first_of("{}") != std::string::npos)
            throw ManualError(At(number), "one directive to a line: {" + name + ":" + value + "}");
        if (name == "index") {
            Topic& topic = CurrentTopic(name, number);
            for (const auto& entry : SplitList(text)) {
                if (entry.empty())
                    throw ManualError(At(number), "an empty index entry");
                for (const auto& known : topic.IndexEntries)
                    if (Lower(known.Text) == Lower(entry))
                        throw ManualError(At(number), "the index entry \"" + entry + "\" is listed twice");
                topic.IndexEntries.push_back({entry, At(number)});
            }
        } else if (name == "related") {
            Topic& topic = CurrentTopic(name, number);
            if (!topic.Related.empty())
                throw ManualError(At(number), "the topic already has its related topics (" +
                                                  topic.RelatedWhere.Text() + "); list them all in one {related: ...}");
            for (const auto& path : SplitList(text)) {
                if (path.empty())
                    throw ManualError(At(number), "an empty topic path in {related: ...}");
                topic.Related.push_back({path, At(number)});
            }
            topic.RelatedWhere = At(number);
        } else if (name == "stylesheet") {
            if (manual_.StyleSheet)
                throw ManualError(At(number), "the stylesheet is already given at " + manual_.StyleSheet->Where.Text());
            if (text.empty())
                throw ManualError(At(number), "{stylesheet: ...} needs a file name");
            manual_.StyleSheet = Entry{text, At(number)};
        } else {
            size_t equals = text.find('=');
            std::string property = Trim(text.substr(0, equals));
            if (equals == std::string::npos || property.empty() || property.find(' ') != std::string::npos)
                throw ManualError(At(number), "write a property as {property: Name = Value}");
            if (Lower(property) == "lxcustomstylesheet")
                throw ManualError(At(number), "the stylesheet is linked with {stylesheet: file.css}, which runs "
                                              "Lorivex's own command; do not set lxCustomStyleSheet by hand");
            for (const auto& known : manual_.Properties)
                if (Lower(known.Name) == Lower(property))
                    throw ManualError(At(number), "the property " + property + " is already set at " +
                                                      known.Where.Text());
            // Double quotes keep blanks at either end: the related topics
            // heading wants one after its colon.
            std::string propertyValue = Trim(text.substr(equals + 1));
            if (propertyValue.size() >= 2 && propertyValue.front() == '"' && propertyValue.back() == '"')
                propertyValue = propertyValue.substr(1, propertyValue.size() - 2);
            manual_.Properties.push_back({property, propertyValue, At(number)});
        }
    }

    void Add(const Block& block)
    {
        Block added = block;
        if (added.Kind == BlockKind::Bullet || added.Kind == BlockKind::Numbered) {
            // Items of one kind in a row are one list, blank lines between
            // them or not; numbering starts again with the next list.
            bool continues = !manual_.Blocks.empty() && manual_.Blocks.back().Kind == added.Kind;
            int last = 0; // lists are numbered in order, over all the files
            for (auto it = manual_.Blocks.rbegin(); it != manual_.Blocks.rend() && !last; ++it)
                last = it->ListNumber;
            added.ListNumber = continues ? last : last + 1;
        }
        manual_.Blocks.push_back(added);
    }

    void Flush()
    {
        if (paragraph_.Text.empty()) {
            itemKind_ = BlockKind::Paragraph;
            return;
        }
        if (manual_.Topics.empty())
            throw ManualError(paragraphStart_, "text before the first heading would make a page that the contents "
                                               "do not show; start the manual with a # heading");
        Block block;
        block.Kind = itemKind_;
        block.Where = paragraphStart_;
        block.Spans = Inline(paragraph_);
        Add(block);
        paragraph_ = Joined();
        itemKind_ = BlockKind::Paragraph;
    }

    std::vector<Span> Inline(const Joined& joined)
    {
        const std::string& text = joined.Text;
        std::vector<Span> spans;
        bool bold = false, italic = false;
        int boldLine = 0, italicLine = 0;
        std::string current;
        int currentLine = joined.LineAt(0);
        auto flush = [&](size_t i) {
            if (!current.empty()) {
                Span span;
                span.Text = current;
                span.Bold = bold;
                span.Italic = italic;
                span.Where = At(currentLine);
                spans.push_back(span);
            }
            current.clear();
            currentLine = joined.LineAt(i);
        };
        for (size_t i = 0; i < text.size();) {
            const char c = text[i];
            if (c == '\\' && i + 1 < text.size() && Escapable(text[i + 1])) {
                current += text[i + 1];
                i += 2;
            } else if (c == '`') {
                size_t close = text.find('`', i + 1);
                if (close == std::string::npos)
                    throw ManualError(At(joined.LineAt(i)), "a ` starts code that no ` ends");
                flush(i);
                Span span;
                span.Text = text.substr(i + 1, close - i - 1);
                span.Code = true;
                span.Bold = bold;
                span.Italic = italic;
                span.Where = At(joined.LineAt(i));
                if (!span.Text.empty())
                    spans.push_back(span);
                i = close + 1;
                currentLine = joined.LineAt(i);
            } else if (c == '*') {
                flush(i);
                if (i + 1 < text.size() && text[i + 1] == '*') {
                    bold = !bold;
                    boldLine = joined.LineAt(i);
                    i += 2;
                } else {
                    italic = !italic;
                    italicLine = joined.LineAt(i);
                    i += 1;
                }
            } else if (c == '{') {
                size_t close = i + 1;
                while (close < text.size() && text[close] != '}')
                    close += text[close] == '\\' && close + 1 < text.size() ? 2 : 1;
                if (close >= text.size())
                    throw ManualError(At(joined.LineAt(i)), "a { starts a directive that no } ends; write \\{ for "
                                                            "the character");
                flush(i);
                spans.push_back(Directive(text.substr(i, close - i + 1), bold, italic, At(joined.LineAt(i))));
                i = close + 1;
                currentLine = joined.LineAt(i);
            } else if (c == '}') {
                throw ManualError(At(joined.LineAt(i)), "a } that no { opened; write \\} for the character");
            } else {
                current += c;
                ++i;
            }
        }
        flush(text.size());
        if (bold)
            throw ManualError(At(boldLine), "** starts bold text that no ** ends");
        if (italic)
            throw ManualError(At(italicLine), "* starts italic text that no * ends; write \\* for the character");
        return spans;
    }

    // The text between the braces with its escapes resolved, cut at the
    // bars that were not escaped.
    static std::vector<std::string> Unescaped(const std::string& text)
    {
        std::vector<std::string> parts(1);
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\\' && i + 1 < text.size() && Escapable(text[i + 1]))
                parts.back() += text[++i];
            else if (text[i] == '|')
                parts.emplace_back();
            else
                parts.back() += text[i];
        }
        return parts;
    }

    Span Directive(const std::string& directive, bool bold, bool italic, const Location& where)
    {
        std::string name = DirectiveName(directive);
        if (IsBlockDirective(name))
            throw ManualError(where, "{" + name + ": ...} stands on a line of its own");
        if (!IsInlineDirective(name))
            throw ManualError(where, "unknown directive \"" + directive +
                                         "\"; known: index, related, popup, variable, stylesheet, property "
                                         "(write \\{ for the character)");
        auto parts = Unescaped(DirectiveValue(directive));
        Span span;
        span.Bold = bold;
        span.Italic = italic;
        span.Where = where;
        if (name == "popup") {
            if (parts.size() != 2 || Trim(parts[0]).empty() || Trim(parts[1]).empty())
                throw ManualError(where, "write a popup as {popup: link text | popup text} (\\| for a bar)");
            span.Kind = SpanKind::Popup;
            span.Text = Trim(parts[0]);
            span.PopupText = Trim(parts[1]);
        } else {
            const auto& names = VariableNames();
            std::string variable = parts.size() == 1 ? Trim(parts[0]) : std::string();
            if (std::find(names.begin(), names.end(), variable) == names.end())
                throw ManualError(where, "unknown topic variable \"" + variable +
                                             "\"; known: lxTopicTitle, lxCompiledFile, lxCompileTime, "
                                             "lxSeeAlsoLinks, lxSeeAlsoPopup");
            span.Kind = SpanKind::Variable;
            span.Variable = variable;
        }
        return span;
    }
};

} // namespace

const std::vector<std::string>& VariableNames()
{
    static const std::vector<std::string> names = {"lxTopicTitle", "lxCompiledFile", "lxCompileTime",
                                                   "lxSeeAlsoLinks", "lxSeeAlsoPopup"};
    return names;
}

void ParseSource(Manual& manual, const std::string& fileName, const std::string& text)
{
    Parser(manual, fileName).Run(text);
}

void CheckManual(const Manual& manual)
{
    if (manual.Topics.empty())
        throw ManualError("the manual has no heading, so no topic");
    std::map<std::string, const Topic*> byPath;
    for (const auto& topic : manual.Topics) {
        auto [it, added] = byPath.emplace(Lower(topic.Path), &topic);
        if (!added)
            throw ManualError(manual.Blocks[topic.HeadingBlock].Where,
                              "the topic \"" + topic.Path + "\" has the same path as the one at " +
                                  manual.Blocks[it->second->HeadingBlock].Where.Text() +
                                  "; related topics and the contents could not tell them apart");
    }
    for (size_t t = 0; t < manual.Topics.size(); ++t) {
        const Topic& topic = manual.Topics[t];
        for (size_t r = 0; r < topic.Related.size(); ++r) {
            const Entry& related = topic.Related[r];
            auto found = byPath.find(Lower(related.Text));
            if (found == byPath.end())
                throw ManualError(related.Where, "no topic has the path \"" + related.Text +
                                                     "\" (titles from the top level down, joined by \\)");
            if (found->second->Path != related.Text)
                throw ManualError(related.Where, "write the path as the headings spell it: \"" +
                                                     found->second->Path + "\"");
            if (found->second == &topic)
                throw ManualError(related.Where, "a topic cannot be related to itself");
            for (size_t earlier = 0; earlier < r; ++earlier)
                if (topic.Related[earlier].Text == related.Text)
                    throw ManualError(related.Where, "\"" + related.Text + "\" is listed twice");
        }
        // The related topics show only where a variable says; a variable
        // without them would leave an empty line or a link to nothing.
        size_t end = t + 1 < manual.Topics.size() ? manual.Topics[t + 1].HeadingBlock : manual.Blocks.size();
        const Span* seeAlso = nullptr;
        for (size_t b = topic.HeadingBlock + 1; b < end; ++b)
            for (const auto& span : manual.Blocks[b].Spans)
                if (span.Kind == SpanKind::Variable && span.Variable.rfind("lxSeeAlso", 0) == 0)
                    seeAlso = &span;
        if (!topic.Related.empty() && !seeAlso)
            throw ManualError(topic.RelatedWhere, "the topic lists related topics but has no "
                                                  "{variable: lxSeeAlsoLinks} or {variable: lxSeeAlsoPopup} "
                                                  "to show them");
        if (topic.Related.empty() && seeAlso)
            throw ManualError(seeAlso->Where, "{variable: " + seeAlso->Variable +
                                                  "} in a topic without {related: ...} would show nothing");
    }
}

Manual ReadManual(const std::string& folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
            files.push_back(entry.path());
    if (error)
        throw ManualError("cannot read the folder " + folder + ": " + error.message());
    if (files.empty())
        throw ManualError("the folder " + folder + " holds no .txt file of the manual");
    std::sort(files.begin(), files.end());
    Manual manual;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        if (!in)
            throw ManualError("cannot read " + file.string());
        ParseSource(manual, file.filename().string(), text.str());
    }
    CheckManual(manual);
    return manual;
}

} // namespace lorivex::manual
