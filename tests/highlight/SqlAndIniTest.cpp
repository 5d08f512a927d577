// SQL scripts and INI files.
#include "highlight/HighlightSupport.h"
#include "highlight/IniHighlighter.h"
#include "highlight/SqlHighlighter.h"

namespace lorivex::test {
namespace {

TEST(SqlHighlighter, CommentsQuotingAndVariables)
{
    TSqlHighlighter sql;
    auto lines = ScanLines(sql, {"SELECT [Order Id], \"name\", N'it''s' -- pick", "from t where x = @id /* multi",
                                 "line */ and y = 'two", "lines' and z >= 1.5e3;"});
    EXPECT_EQ(lines[0], (Pieces{{K::Keyword, "SELECT"}, {K::Identifier, "[Order Id]"}, {K::Operator, ","},
                                {K::Identifier, "\"name\""}, {K::Operator, ","}, {K::String, "N'it''s'"},
                                {K::Comment, "-- pick"}}));
    EXPECT_EQ(lines[1], (Pieces{{K::Keyword, "from"}, {K::Identifier, "t"}, {K::Keyword, "where"},
                                {K::Identifier, "x"}, {K::Operator, "="}, {K::Variable, "@id"},
                                {K::Comment, "/* multi"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::Comment, "line */"}, {K::Keyword, "and"}, {K::Identifier, "y"},
                                {K::Operator, "="}, {K::String, "'two"}}));
    EXPECT_EQ(lines[3], (Pieces{{K::String, "lines'"}, {K::Keyword, "and"}, {K::Identifier, "z"},
                                {K::Operator, ">="}, {K::Number, "1.5e3"}, {K::Operator, ";"}}));
}

TEST(IniHighlighter, SectionsKeysValuesAndComments)
{
    TIniHighlighter ini;
    auto lines = ScanLines(ini, {"[Options] ; main", "Compiled File = Help.chm", "# note", "  ; indented note",
                                 "flag", "Title=A = B"});
    EXPECT_EQ(lines[0], (Pieces{{K::Section, "[Options]"}, {K::Comment, "; main"}}));
    EXPECT_EQ(lines[1], (Pieces{{K::Key, "Compiled File"}, {K::Operator, "="}, {K::Value, "Help.chm"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::Comment, "# note"}}));
    EXPECT_EQ(lines[3], (Pieces{{K::Comment, "; indented note"}}));
    EXPECT_EQ(lines[4], (Pieces{{K::Text, "flag"}}));
    EXPECT_EQ(lines[5], (Pieces{{K::Key, "Title"}, {K::Operator, "="}, {K::Value, "A = B"}}));
}

} // namespace
} // namespace lorivex::test
