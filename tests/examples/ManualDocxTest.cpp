// The manual's document as the document engine reads it: the topics the
// compiler will find, the formatting the pages will show, and the text the
// commands will search, for small manuals and for the manual itself.
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "ManualCommands.h"
#include "ManualDocx.h"
#include "engine/EngineFixture.h"
#include "engine/Inspect.h"
#include "platform/CodePages.h"
#include "services/LorivexUtils.h"

namespace lorivex::test {
namespace {

using namespace lorivex::manual;

struct ParagraphView {
    long Level;
    std::string Style, Text;
    bool operator==(const ParagraphView&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ParagraphView& p)
{
    return out << p.Level << " " << p.Style << " \"" << p.Text << "\"";
}

class ManualDocxTest : public EngineTest {
protected:
    word::DocumentPtr Write(Manual& manual)
    {
        AssignPlaceholders(manual);
        std::string path = Folder / "manual.docx";
        WriteDocx(manual, path);
        return App->Documents()->Open(platform::Utf8ToUtf16(path));
    }

    word::DocumentPtr Write(const std::string& text)
    {
        manual_ = Manual();
        ParseSource(manual_, "m.txt", text);
        CheckManual(manual_);
        return Write(manual_);
    }

    // Outline level, style name and text of every paragraph, from the
    // engine's own report.
    static std::vector<ParagraphView> Paragraphs(const word::DocumentPtr& document)
    {
        std::ostringstream json;
        engine::InspectDocument(document, json);
        std::vector<ParagraphView> views;
        std::regex line(R"re(\{"index": \d+, "outlineLevel": (\d+), "style": "([^"]*)", "text": "(.*)\\r"\})re");
        std::istringstream in(json.str());
        for (std::string text; std::getline(in, text);) {
            std::smatch match;
            if (std::regex_search(text, match, line))
                views.push_back({std::stol(match[1]), match[2], match[3]});
        }
        return views;
    }

    std::string Page(const word::DocumentPtr& document)
    {
        std::string path = Folder / "page.html";
        document->SaveAs(platform::Utf8ToUtf16(path), word::wdFormatFilteredHTML, false);
        std::ifstream in(path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    Manual manual_;
};

TEST_F(ManualDocxTest, HeadingsListsAndCodeBecomeTheParagraphsTheCompilerReads)
{
    auto document = Write("# One\nText\nruns on.\n## Two\n- a\n- b\n### Three\n1. c\n#### Four\n```\nint x;\n\n```\n");
    std::vector<ParagraphView> expected = {
        {1, "Heading 1", "One"},   {10, "Normal", "Text runs on."}, {2, "Heading 2", "Two"},
        {10, "List Bullet", "a"},  {10, "List Bullet", "b"},        {3, "Heading 3", "Three"},
        {10, "List Number", "c"},  {4, "Heading 4", "Four"},        {10, "Code", "int x;"},
        {10, "Code", ""},
    };
    EXPECT_EQ(Paragraphs(document), expected);
}

TEST_F(ManualDocxTest, FormattingAndListLabelsReachTheSavedPage)
{
    // The bullet is written in the page's code page.
    ScopedEnv codePage("LORIVEX_ANSI_CODEPAGE", "1252");
    auto document = Write("# T\nA **bold** and *slanted* word in `code`.\n\n1. a\n2. b\n\nbreak\n\n1. c\n\n- dot\n"
                          "```\nshown   as typed\n```\n");
    std::string page = Page(document);
    EXPECT_NE(page.find("<b>bold</b>"), std::string::npos);
    EXPECT_NE(page.find("<i>slanted</i>"), std::string::npos);
    EXPECT_NE(page.find("Courier New'\">code</span>"), std::string::npos) << page;
    EXPECT_NE(page.find("2.&nbsp; b"), std::string::npos);
    // A list after other text starts again from 1.
    EXPECT_NE(page.find("1.&nbsp; c"), std::string::npos);
    EXPECT_NE(page.find("\x95&nbsp; dot"), std::string::npos);
    EXPECT_NE(page.find("class=\"Code\""), std::string::npos);
    EXPECT_NE(page.find("p.Code"), std::string::npos);
    EXPECT_NE(page.find("Courier New"), std::string::npos);
}

TEST_F(ManualDocxTest, PropertiesAndPlaceholdersAreInTheDocument)
{
    auto document = Write("{property: lxSeeAlsoTitle = \"Related: \"}\n{property: lxDateFormat = yyyy}\n"
                          "# T\nCompiled {variable: lxCompileTime}.\n");
    EXPECT_EQ(GetDocProperty(document, "lxSeeAlsoTitle"), "Related: ");
    EXPECT_EQ(GetDocProperty(document, "lxDateFormat"), "yyyy");
    EXPECT_EQ(Paragraphs(document)[1].Text, "Compiled LXVAR001.");
}

TEST_F(ManualDocxTest, TheManualItselfConvertsAndItsCommandsFindTheirTexts)
{
    Manual manual = ReadManual(LORIVEX_MANUAL_SOURCE);
    auto document = Write(manual);
    auto commands = PlanCommands(manual, "Lorivex2008.docx", "manual.css");

    EXPECT_GE(manual.Topics.size(), 30u);
    EXPECT_LE(manual.Topics.size(), 60u);
    size_t headings = 0;
    for (const auto& paragraph : Paragraphs(document)) {
        EXPECT_TRUE(paragraph.Level == 10 || paragraph.Level <= 4) << paragraph;
        headings += paragraph.Level <= 4;
    }
    EXPECT_EQ(headings, manual.Topics.size());

    // The checks ran on the text the converter laid out; the commands will
    // search the text the engine reads. They must be the same.
    auto content = document->Content();
    EXPECT_EQ(platform::Utf16ToUtf8(content->Text()), DocumentText(manual));

    std::set<std::string> kinds;
    for (const auto& command : commands)
        kinds.insert(command[0]);
    EXPECT_EQ(kinds, (std::set<std::string>{"keyword", "popup", "variable", "related", "stylesheet"}));
}

} // namespace
} // namespace lorivex::test
