// Compile runs of small documents, each for one rule of the run.
#include <gtest/gtest.h>

#include <filesystem>
#include <future>

#include "e2e/EndToEnd.h"
#include "engine/DocxBuilder.h"
#include "engine/WordXml.h"
#include "platform/FileSystem.h"

namespace lorivex::test {
namespace {

using namespace xml;

std::string Pages(const std::map<std::string, std::string>& files, const std::string& needle)
{
    std::string found;
    for (const auto& [name, bytes] : files)
        if (name.size() == 38 && name.substr(33) == ".html" && bytes.find(needle) != std::string::npos)
            found += name;
    return found;
}

class CompileRuns : public testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& body)
    {
        DocxBuilder().Body(body).Write(Scratch / name);
        return Scratch / name;
    }
    ProgramRun Compile(const std::string& document, std::vector<std::string> options)
    {
        std::vector<std::string> args = {"compile", document, "--no-open", "--overwrite"};
        args.insert(args.end(), options.begin(), options.end());
        return RunLorivex(args, Temp.Path());
    }
    TempFolder Scratch, Temp;
};

TEST_F(CompileRuns, HeadersKeptOrRemovedAndAFieldInAHeadingWarns)
{
    std::string document = Write("Headed.docx", Heading(1, xml::Run("Alpha")) + Para(xml::Run("alpha text")) +
                                                    Heading(1, xml::Run("Beta ") + Field(" PAGE ", "1")) +
                                                    Para(xml::Run("beta text")));
    auto kept = Compile(document, {"--headers", "-o", Scratch / "kept.chm"});
    ASSERT_EQ(kept.exitCode, 0) << kept.output;
    auto files = UnpackChm(Scratch / "kept.chm", Scratch);
    EXPECT_FALSE(Pages(files, ">Alpha<").empty());
    EXPECT_FALSE(Pages(files, ">Beta ").empty());

    TempFolder other;
    auto removed = Compile(document, {"--no-headers", "-o", other / "removed.chm"});
    ASSERT_EQ(removed.exitCode, 0) << removed.output;
    // The title is the heading's text as a reader sees it: the field's result.
    EXPECT_NE(removed.output.find("Warning: Header contains fields and cannot be removed. (Beta 1)"),
              std::string::npos)
        << removed.output;
    auto stripped = UnpackChm(other / "removed.chm", other);
    EXPECT_TRUE(Pages(stripped, ">Alpha<").empty()) << "the heading goes";
    EXPECT_FALSE(Pages(stripped, "alpha text").empty());
    EXPECT_FALSE(Pages(stripped, ">Beta ").empty()) << "a heading with a field stays";
}

TEST_F(CompileRuns, TheProjectNamesTheLanguageOfTheDocument)
{
    const std::string german = "<w:lang w:val=\"de-DE\"/>";
    DocxBuilder()
        .Part("word/styles.xml",
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:styles " + DocxBuilder::WordNamespaces() +
                  "><w:docDefaults><w:rPrDefault><w:rPr>" + german +
                  "</w:rPr></w:rPrDefault></w:docDefaults><w:style w:type=\"paragraph\" w:styleId=\"Heading1\">"
                  "<w:name w:val=\"heading 1\"/><w:pPr><w:outlineLvl w:val=\"0\"/></w:pPr></w:style></w:styles>")
        .Body(Heading(1, xml::Run("Eins")) + Para(xml::Run("Text")))
        .Write(Scratch / "German.docx");
    auto run = Compile(Scratch / "German.docx", {"-o", Scratch / "German.chm"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    auto files = UnpackChm(Scratch / "German.chm", Scratch);
    EXPECT_FALSE(Pages(files, "lang=\"DE-DE\"").empty());
#ifdef _WIN32
    // No compiler turns the project into system data here: the project
    // itself must name the language.
    EXPECT_NE(files["/HtmlHelpProject.hhp"].find("\r\nLanguage=0x407 German (Germany)\r\n"), std::string::npos)
        << files["/HtmlHelpProject.hhp"];
#else
    // The project's language (0x407) travels in the compiled file's system
    // data as a little-endian locale id.
    EXPECT_NE(files["/#SYSTEM"].find(std::string("\x07\x04\x00\x00", 4)), std::string::npos);
#endif
}

TEST_F(CompileRuns, StoredSettingsServeTheNextRun)
{
    std::string document = Write("Stored.docx", Heading(1, xml::Run("One")) + Para(xml::Run("x")));
    auto first = Compile(document, {"-o", platform::JoinPath(Scratch / "elsewhere", "Stored.chm"), "--no-index"});
    ASSERT_EQ(first.exitCode, 0) << first.output;
    platform::DeleteFile(platform::JoinPath(Scratch / "elsewhere", "Stored.chm"));
    auto second = Compile(document, {});
    ASSERT_EQ(second.exitCode, 0) << second.output;
    EXPECT_TRUE(platform::FileExists(platform::JoinPath(Scratch / "elsewhere", "Stored.chm")));
    EXPECT_FALSE(platform::FileExists(Scratch / "Stored.chm"));
}

TEST_F(CompileRuns, TwoRunsAtOnceEachInAFolderOfItsOwn)
{
    std::string a = Write("A.docx", Heading(1, xml::Run("Apples")) + Para(xml::Run("apple body")));
    std::string b = Write("B.docx", Heading(1, xml::Run("Pears")) + Para(xml::Run("pear body")));
    auto runA = std::async(std::launch::async, [&] { return Compile(a, {"-o", Scratch / "A.chm"}); });
    auto runB = std::async(std::launch::async, [&] { return Compile(b, {"-o", Scratch / "B.chm"}); });
    EXPECT_EQ(runA.get().exitCode, 0);
    EXPECT_EQ(runB.get().exitCode, 0);
    TempFolder unpackA, unpackB;
    auto filesA = UnpackChm(Scratch / "A.chm", unpackA);
    auto filesB = UnpackChm(Scratch / "B.chm", unpackB);
    EXPECT_FALSE(Pages(filesA, "apple body").empty());
    EXPECT_TRUE(Pages(filesA, "pear body").empty());
    EXPECT_FALSE(Pages(filesB, "pear body").empty());
    EXPECT_TRUE(Pages(filesB, "apple body").empty());
    EXPECT_TRUE(platform::ListDirectory(Temp.Path()).empty());
}

TEST_F(CompileRuns, TheWorkFilesAreKeptWhereAskedAndTheWorkFolderStillGoes)
{
    std::string document = Write("Kept.docx", Heading(1, xml::Run("Kept")) + Para(xml::Run("kept body")) +
                                                  Heading(2, xml::Run("Inner")) + Para(xml::Run("inner body")));
    const std::string kept = platform::JoinPath(Scratch / "kept", "work");
    auto run = Compile(document, {"-o", Scratch / "Kept.chm", "--keep-work-folder", kept});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(platform::ListDirectory(Temp.Path()).empty()) << "the work folder goes with the run";
    // The kept files are those the compiler was given.
    auto compiled = UnpackChm(Scratch / "Kept.chm", Scratch);
    const std::string toc = platform::ReadFileBytes(platform::JoinPath(kept, "TableOfContents.hhc"));
    EXPECT_EQ(toc, compiled["/TableOfContents.hhc"]);
    auto locals = SitemapValues(toc, "Local");
    ASSERT_EQ(locals.size(), 2u);
    for (const auto& page : locals)
        EXPECT_EQ(platform::ReadFileBytes(platform::JoinPath(kept, page)), compiled["/" + page]) << page;
    for (const char* name : {"HtmlHelpProject.hhp", "index.hhk"})
        EXPECT_TRUE(platform::FileExists(platform::JoinPath(kept, name))) << name;

    // A folder that holds files already is refused before anything is compiled.
    auto again = Compile(document, {"-o", Scratch / "Again.chm", "--keep-work-folder", kept});
    EXPECT_EQ(again.exitCode, 2);
    EXPECT_NE(again.output.find("the folder for the work files is not empty"), std::string::npos) << again.output;
    EXPECT_FALSE(platform::FileExists(Scratch / "Again.chm"));
}

TEST_F(CompileRuns, ATemporaryFolderWithShellCharactersIsQuotedSafely)
{
    TempFolder odd;
#ifdef _WIN32
    // What CMD gives a meaning to outside quotes (a name cannot hold one,
    // nor "|", "<" or ">").
    std::string temp = odd / "it's a & (touch pwned) ^ ;,= folder";
#else
    std::string temp = odd / "it's a \"$(touch pwned)\" `x` folder";
#endif
    ASSERT_TRUE(platform::ForceDirectories(temp));
    std::string document = Write("Odd.docx", Heading(1, xml::Run("Odd")) + Para(xml::Run("x")));
    auto run = RunLorivex({"compile", document, "--no-open", "--overwrite", "-o", Scratch / "Odd.chm"}, temp);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(platform::FileExists(Scratch / "Odd.chm"));
    EXPECT_FALSE(platform::FileExists("pwned"));
    EXPECT_FALSE(platform::FileExists(odd / "pwned"));
}

TEST_F(CompileRuns, AReadOnlyOutputStopsTheRunBeforeAnyPage)
{
    std::string document = Write("Locked.docx", Heading(1, xml::Run("One")) + Para(xml::Run("x")));
    std::string locked = Scratch / "locked";
    ASSERT_TRUE(platform::ForceDirectories(locked));
    const std::string output = platform::JoinPath(locked, "Locked.chm");
    WriteTextFile(output, "old");
#ifdef _WIN32
    // Windows keeps a read-only file, whatever its folder allows.
    ASSERT_TRUE(platform::SetReadOnly(output));
    auto run = Compile(document, {"-o", output});
    platform::ClearReadOnly(output);
#else
    // As a user whom the folder's permissions stop (nobody, when the tests
    // run as root): what it may write is opened to everybody.
    namespace fs = std::filesystem;
    for (const std::string& open : {Scratch.Path(), Temp.Path()})
        fs::permissions(open, fs::perms::all);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    TempFolder settings;
    fs::permissions(settings.Path(), fs::perms::all);
    ScopedEnv config("XDG_CONFIG_HOME", settings.Path().c_str());
    auto run = RunLorivex({"compile", document, "--no-open", "--overwrite", "-o", output}, Temp.Path(),
                          UnprivilegedPrefix());
    fs::permissions(locked, fs::perms::owner_all);
#endif
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.output.find("Could not remove existing file. Make sure the file is not write protected."),
              std::string::npos)
        << run.output;
}

} // namespace
} // namespace lorivex::test
