// What a compiled help file shows of documents no test of ours shaped:
// titles and keywords as a reader sees them, every page, and a compiler that
// fails reported as a failure.
#include <gtest/gtest.h>

#include <regex>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "e2e/EndToEnd.h"
#include "engine/DocxBuilder.h"
#include "engine/WordXml.h"
#include "platform/CodePages.h"
#include "platform/FileSystem.h"
#include "platform/Versions.h"

namespace lorivex::test {
namespace {

using namespace xml;

int Pages(const std::map<std::string, std::string>& files)
{
    int pages = 0;
    for (const auto& [name, bytes] : files)
        pages += name.size() == 38 && name.substr(33) == ".html";
    return pages;
}

size_t Occurrences(const std::string& text, const std::string& what)
{
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

class CompileFidelity : public testing::Test {
protected:
    std::string Write(const std::string& name, const DocxBuilder& builder)
    {
        builder.Write(Scratch / name);
        return Scratch / name;
    }
    ProgramRun Compile(const std::string& document, const std::string& output, std::vector<std::string> options = {})
    {
        std::vector<std::string> args = {"compile", document, "-o", output, "--no-open", "--overwrite"};
        args.insert(args.end(), options.begin(), options.end());
        return RunLorivex(args, Temp.Path());
    }
    // A help compiler of our own making: leaves the given bytes as the
    // compiled file (none when empty) and ends with the given status. A
    // shell script on POSIX, a batch file run by CMD on Windows.
    std::string FakeCompiler(const std::string& name, const std::string& leaves, int status)
    {
#ifdef _WIN32
        std::string path = Scratch / (name + ".cmd");
        WriteTextFile(path, "@echo off\r\n\"" + TestHelpCompiler() + "\" --leave \"" + leaves + "\" %1\r\n"
                            + "echo An unhandled exception occurred\r\nexit /b " + std::to_string(status) + "\r\n");
#else
        std::string path = Scratch / (name + ".sh");
        WriteTextFile(path, "#!/bin/sh\nout=$(sed -n 's/^Compiled file=//p' \"$1\" | tr -d '\\r')\n"
                            + (leaves.empty() ? std::string(": > \"$out\"\n")
                                              : "printf '%s' '" + leaves + "' > \"$out\"\n")
                            + "echo 'An unhandled exception occurred'\nexit " + std::to_string(status) + "\n");
        chmod(path.c_str(), 0755);
#endif
        return path;
    }
    TempFolder Scratch, Temp;
    // Settings of its own: the compilers these runs are given must not
    // become the next test's stored choice.
    ScopedSettings settings_;
};

TEST_F(CompileFidelity, AHundredTopicsGiveAHundredPages)
{
    std::string body;
    for (int i = 1; i <= 100; ++i)
        body += Heading(i % 10 == 1 ? 1 : 2, xml::Run("Topic " + std::to_string(i))) + Para(xml::Run("Text of topic "
                                                                                          + std::to_string(i)));
    auto run = Compile(Write("Hundred.docx", DocxBuilder().Body(body)), Scratch / "Hundred.chm");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    auto files = UnpackChm(Scratch / "Hundred.chm", Scratch);
    EXPECT_EQ(Pages(files), 100);
    EXPECT_EQ(SitemapValues(files["/TableOfContents.hhc"], "Name").size(), 100u);
}

// Titles and keywords are what a reader sees: field results, no codes, no
// hidden text; and a keyword with double quotes reads back whole.
TEST_F(CompileFidelity, TitlesAndKeywordsAsAReaderSeesThem)
{
    std::string hiddenEntry = "<w:vanish/>";
    auto builder = DocxBuilder()
                       .CustomProperty("lxTopicTitle", "Topic Title")
                       .Body(Heading(1, xml::Run("Compiling") + Field(" XE \"compiling\" ", "", "", hiddenEntry))
                             + Para(xml::Run("How to compile.") + Field(" XE \"Quote \"this\"\" ", "", "", hiddenEntry))
                             + Heading(1, xml::Run("About ") + Field(" DOCPROPERTY \"lxTopicTitle\" ", "Topic Title"))
                             + Para(xml::Run("Variables.")));
    auto run = Compile(Write("Fields.docx", builder), Scratch / "Fields.chm");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    auto files = UnpackChm(Scratch / "Fields.chm", Scratch);
    const std::string& toc = files["/TableOfContents.hhc"];
    EXPECT_EQ(SitemapValues(toc, "Name"), (std::vector<std::string>{"Compiling", "About Topic Title"})) << toc;
    const std::string& index = files["/index.hhk"];
    EXPECT_EQ(index.find('\x13'), std::string::npos) << index;
    auto names = SitemapValues(index, "Name");
    ASSERT_EQ(names.size(), 4u) << index;
    EXPECT_EQ(names[0], "compiling");
    EXPECT_EQ(names[1], "Compiling");
    EXPECT_EQ(names[2], "Quote &quot;this&quot;");
    // The heading holds a field, so it stays in its page.
    EXPECT_NE(run.output.find("Warning: Header contains fields and cannot be removed. (Compiling)"), std::string::npos)
        << run.output;
}

TEST_F(CompileFidelity, KeywordsInTheOrderOfTheUsersLanguage)
{
#ifdef _WIN32
    // The language and code page are the user's settings: English sorts
    // these keywords as German does.
    if (platform::AnsiCodePage() != 1252)
        GTEST_SKIP() << "the keywords are written in code page 1252";
#else
    ScopedEnv german("LC_ALL", "de_DE.UTF-8");
    ScopedEnv codePage("LORIVEX_ANSI_CODEPAGE", "1252");
#endif
    auto builder = DocxBuilder().Body(Heading(1, xml::Run("Fruit"))
                                      + Para(Field(" XE \"Zebra\" ", "") + Field(" XE \"\xC3\x84pfel\" ", "")
                                             + Field(" XE \"apple\" ", "")));
    auto run = Compile(Write("Fruit.docx", builder), Scratch / "Fruit.chm");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    auto names = SitemapValues(UnpackChm(Scratch / "Fruit.chm", Scratch)["/index.hhk"], "Name");
    ASSERT_EQ(names.size(), 6u);
    EXPECT_EQ((std::vector<std::string>{names[0], names[2], names[4]}),
              (std::vector<std::string>{"\xC4pfel", "apple", "Zebra"}));
}

// With the headings kept, the links of the sample keep their bookmarks, and
// each names an anchor of its target page.
TEST_F(CompileFidelity, EveryLinkedAnchorExistsInItsPage)
{
    std::string sample =
        platform::JoinPath(platform::ExtractFilePath(platform::ProgramPath()), platform::JoinPath("examples", "Sample.docx"));
    auto run = Compile(sample, Scratch / "Sample.chm", {"--headers"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output.find("Error:"), std::string::npos) << run.output;
    auto files = UnpackChm(Scratch / "Sample.chm", Scratch);
    const std::regex link("href=\"([^\"#:]*)#([^\"]+)\"");
    int fragments = 0;
    for (const auto& [name, bytes] : files) {
        if (name.size() != 38 || name.substr(33) != ".html")
            continue;
        for (std::sregex_iterator it(bytes.begin(), bytes.end(), link), end; it != end; ++it, ++fragments) {
            // Appended, not concatenated: GCC 12 warns falsely (-Wrestrict).
            std::string target(1, '/');
            target += (*it)[1].str();
            const std::string& page = files[(*it)[1].str().empty() ? name : target];
            std::string anchor = (*it)[2];
            EXPECT_TRUE(page.find("name=\"" + anchor + "\"") != std::string::npos
                        || page.find("id=\"" + anchor + "\"") != std::string::npos)
                << name << " links to " << (*it)[0];
        }
    }
    EXPECT_GT(fragments, 0) << "the sample's cross-reference keeps its bookmark";
}

TEST_F(CompileFidelity, AMissingStylesheetIsLeftOutWithOneWarning)
{
    auto builder = DocxBuilder()
                       .CustomProperty("lxCustomStyleSheet", "C:\\Help\\Styles\\help.css")
                       .Body(Heading(1, xml::Run("Styled")) + Para(xml::Run("text")));
    auto run = Compile(Write("Styled.docx", builder), Scratch / "Styled.chm");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(Occurrences(run.output, "C:\\Help\\Styles\\help.css"), 1u) << run.output;
    EXPECT_NE(run.output.find("Warning: The stylesheet"), std::string::npos) << run.output;
    EXPECT_EQ(Pages(UnpackChm(Scratch / "Styled.chm", Scratch)), 1);
}

TEST_F(CompileFidelity, AFailingCompilerIsAFailureAndLeavesNoHelpFile)
{
    std::string document = Write("Failing.docx", DocxBuilder().Body(Heading(1, xml::Run("One")) + Para(xml::Run("x"))));
    struct Case {
        const char* name;
        std::string leaves;
        int status;
    };
    for (const Case& c : {Case{"crashes", "", 217}, Case{"empty", "", 0}, Case{"garbage", "ITSF...", 3}}) {
        std::string output = Scratch / (std::string(c.name) + ".chm");
        auto run = Compile(document, output, {"--compiler", FakeCompiler(c.name, c.leaves, c.status)});
        EXPECT_NE(run.exitCode, 0) << c.name << "\n" << run.output;
        EXPECT_EQ(run.output.find("Compiled "), std::string::npos) << c.name << "\n" << run.output;
        EXPECT_NE(run.output.find("Error: The help compiler"), std::string::npos) << c.name << "\n" << run.output;
        EXPECT_FALSE(platform::FileExists(output)) << c.name;
    }
}

} // namespace
} // namespace lorivex::test
