// The whole compile run, as a user runs it: lorivex compile on a document,
// chmcmd making the .chm, and the .chm read back.
#include <gtest/gtest.h>

#include <regex>

#include "e2e/EndToEnd.h"
#include "engine/DocxBuilder.h"
#include "platform/FileSystem.h"
#include "platform/Versions.h"

namespace lorivex::test {
namespace {

std::string SampleDocument()
{
    return platform::JoinPath(platform::ExtractFilePath(platform::ProgramPath()), platform::JoinPath("examples", "Sample.docx"));
}

int Count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

class CompileSample : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        scratch_ = new TempFolder;
        temp_ = new TempFolder;
        run_ = new ProgramRun(RunLorivex({"compile", SampleDocument(), "-o", platform::JoinPath(*scratch_ / "out", "Sample.chm"), "--no-open",
                                          "--overwrite", "--toc", "--index", "--search", "--no-headers"},
                                         temp_->Path()));
        files_ = new std::map<std::string, std::string>(UnpackChm(platform::JoinPath(*scratch_ / "out", "Sample.chm"), *scratch_));
    }
    static void TearDownTestSuite()
    {
        delete files_;
        delete run_;
        delete temp_;
        delete scratch_;
    }

    const std::string& File(const std::string& name) { return (*files_)[name]; }
    // The page of the topic with this title in the contents.
    const std::string& Page(const std::string& title)
    {
        const std::string& toc = File("/TableOfContents.hhc");
        auto names = SitemapValues(toc, "Name");
        auto locals = SitemapValues(toc, "Local");
        for (size_t i = 0; i < names.size(); ++i)
            if (names[i] == title)
                return File("/" + locals.at(i));
        static const std::string none;
        ADD_FAILURE() << "no topic " << title;
        return none;
    }
    std::string FileOf(const std::string& title)
    {
        const std::string& toc = File("/TableOfContents.hhc");
        auto names = SitemapValues(toc, "Name");
        auto locals = SitemapValues(toc, "Local");
        for (size_t i = 0; i < names.size(); ++i)
            if (names[i] == title)
                return locals.at(i);
        return "";
    }

    static TempFolder* scratch_;
    static TempFolder* temp_;
    static ProgramRun* run_;
    static std::map<std::string, std::string>* files_;
};

TempFolder* CompileSample::scratch_;
TempFolder* CompileSample::temp_;
ProgramRun* CompileSample::run_;
std::map<std::string, std::string>* CompileSample::files_;

TEST_F(CompileSample, TheRunSucceedsShowsItsProgressAndCleansUp)
{
    EXPECT_EQ(run_->exitCode, 0) << run_->output;
    EXPECT_NE(run_->output.find("Starting compiler..."), std::string::npos) << run_->output;
    EXPECT_NE(run_->output.find("Compiled "), std::string::npos);
    EXPECT_TRUE(platform::ListDirectory(temp_->Path()).empty()) << "the work folder was left behind";
}

TEST_F(CompileSample, OnePagePerTopicAndTheContentsTree)
{
    int pages = 0;
    for (const auto& [name, bytes] : *files_)
        pages += name.size() == 38 && name.substr(33) == ".html";
    EXPECT_EQ(pages, 7);
    const std::string& toc = File("/TableOfContents.hhc");
    EXPECT_EQ(SitemapValues(toc, "Name"),
              (std::vector<std::string>{"Welcome", "Getting Started", "Installation", "First Steps", "Reference",
                                        "Topic Variables", "What's new &amp; changed"}));
    // Nesting: two sub-lists, each after its parent.
    EXPECT_EQ(Count(toc, "<UL>"), 3);
    std::regex nested("value=\"Getting Started\">\\r\\n<param name=\"Local\" value=\"[0-9A-F]{32}\\.html\">\\r\\n"
                      "</OBJECT>\\r\\n<UL>\\r\\n<LI>");
    EXPECT_TRUE(std::regex_search(toc, nested)) << toc;
}

TEST_F(CompileSample, TheKeywordIndexListsEveryEntrySorted)
{
    const std::string& index = File("/index.hhk");
    auto names = SitemapValues(index, "Name");
    ASSERT_EQ(names.size(), 14u) << index;
    std::vector<std::string> keywords;
    for (size_t i = 0; i < names.size(); i += 2)
        keywords.push_back(names[i]);
    EXPECT_EQ(keywords, (std::vector<std::string>{"Code", "Getting started", "Installation", "Picture",
                                                  "Setup:Requirements", "Welcome", "What's new"}))
        << index;
}

TEST_F(CompileSample, LinksLeadToTheRightPages)
{
    EXPECT_NE(Page("Installation").find("href=\"" + FileOf("Reference")), std::string::npos)
        << "the cross-reference";
    EXPECT_NE(Page("First Steps").find("href=\"" + FileOf("Welcome")), std::string::npos) << "the link to _top";
    EXPECT_NE(Page("Welcome").find("https://www.lorivex.com/"), std::string::npos);
}

// Links to Word's top of the document and to bookmarks that went with a
// removed heading lead to the page itself: the compiler misses no anchor.
TEST_F(CompileSample, TheCompilerReportsNoError)
{
    EXPECT_EQ(run_->output.find("Error:"), std::string::npos) << run_->output;
    EXPECT_EQ(Page("Installation").find("#_Ref"), std::string::npos) << "the bookmark went with its heading";
}

TEST_F(CompileSample, RelatedTopicsAsALineOfLinksAndAsAMenu)
{
    const std::string& welcome = Page("Welcome");
    EXPECT_NE(welcome.find("Related: "), std::string::npos);
    for (const char* title : {"Installation", "Reference"})
        EXPECT_NE(welcome.find("href=\"" + FileOf(title) + "\""), std::string::npos) << title;
    const std::string& steps = Page("First Steps");
    EXPECT_NE(steps.find("JavaScript:seealsohhctrl.Click()"), std::string::npos);
    EXPECT_NE(steps.find("<PARAM name=\"Item1\" value=\"Installation;" + FileOf("Installation") + ";\">"),
              std::string::npos)
        << steps;
}

TEST_F(CompileSample, VariablesHeadersFootersAndTheStylesheet)
{
    const std::string& variables = Page("Topic Variables");
    EXPECT_NE(variables.find("This topic: Topic Variables"), std::string::npos);
    EXPECT_NE(variables.find("Sample.chm"), std::string::npos);
    EXPECT_TRUE(std::regex_search(variables, std::regex("at 20[0-9]{2}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}")));
    EXPECT_NE(File("/help.css").find("font-family"), std::string::npos);
    for (const char* title : {"Welcome", "Installation", "What's new &amp; changed"}) {
        const std::string& page = Page(title);
        EXPECT_NE(page.find("Lorivex Sample Help"), std::string::npos) << title;
        EXPECT_NE(page.find("Compiled "), std::string::npos) << title;
        EXPECT_NE(page.find("href=\"help.css\""), std::string::npos) << title;
    }
    EXPECT_NE(Page("Installation").find("| Installation"), std::string::npos) << "each page shows its own title";
}

TEST(CompileDocuments, WithoutHeadingsTheContentsCannotBeBuilt)
{
    TempFolder scratch, temp;
    DocxBuilder().Body("<w:p><w:r><w:t>Only text.</w:t></w:r></w:p>").Write(scratch / "Plain.docx");
    auto refused = RunLorivex({"compile", scratch / "Plain.docx", "--toc", "--no-open"}, temp.Path());
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_NE(refused.output.find("Document has no headers, cannot include table of contents."), std::string::npos)
        << refused.output;
    EXPECT_NE(refused.output.find("Compilation aborted."), std::string::npos);
    EXPECT_FALSE(platform::FileExists(scratch / "Plain.chm"));

    auto single = RunLorivex({"compile", scratch / "Plain.docx", "--no-toc", "--no-open"}, temp.Path());
    EXPECT_EQ(single.exitCode, 0) << single.output;
    EXPECT_TRUE(platform::FileExists(scratch / "Plain.chm"));
    EXPECT_TRUE(platform::ListDirectory(temp.Path()).empty());
}

TEST(CompileDocuments, AnExistingOutputWithoutOverwriteIsRefused)
{
    TempFolder scratch, temp;
    DocxBuilder().Body("<w:p><w:pPr><w:pStyle w:val=\"Heading1\"/></w:pPr><w:r><w:t>Only</w:t></w:r></w:p>")
        .Write(scratch / "One.docx");
    WriteTextFile(scratch / "One.chm", "old");
    auto refused = RunLorivex({"compile", scratch / "One.docx", "--no-overwrite", "--no-open"}, temp.Path());
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_NE(refused.output.find("Check the \"Overwrite existing file\" if you wish to overwrite the existing file."),
              std::string::npos)
        << refused.output;
    EXPECT_EQ(platform::ReadFileBytes(scratch / "One.chm"), "old");

    auto missing = RunLorivex({"compile", scratch / "One.docx", "--overwrite", "--compiler", "/nowhere/chmcmd"}, temp.Path());
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_NE(missing.output.find("It appears as the HTML Help file compiler does not exist."), std::string::npos);
}

} // namespace
} // namespace lorivex::test
