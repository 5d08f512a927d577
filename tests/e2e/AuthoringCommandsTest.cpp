// The authoring commands as an author runs them: lorivex keyword, related,
// popup, variable, stylesheet and paste-code on a document a word processor
// wrote, the saved document read back, then compiled with chmcmd and the
// help file read back; and what each command does with input it cannot use.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <thread>

#include "Patterns.h"
#include "e2e/EndToEnd.h"
#include "engine/DocxBuilder.h"
#include "engine/Engine.h"
#include "engine/WordXml.h"
#include "platform/CodePages.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/Versions.h"
#include "services/LorivexUtils.h"
#include "services/word/Word.h"
#include "services/word/WordText.h"

namespace lorivex::test {
namespace {

using ::testing::HasSubstr;
using namespace xml;

const char* const CppSource = "// Adds two numbers.\n"
                              "int add(int a, int b)\n"
                              "{\n"
                              "    return a + b;\n"
                              "}\n";

// The author's manual: three top-level topics, one with a subtopic, and
// markers where the commands put their work.
void WriteManual(const std::string& path)
{
    DocxBuilder()
        .CustomProperty("lxDateFormat", "'Built' yyyy")
        .Body(Heading(1, Run("Welcome")) + Para(Run("Welcome to the product. Read the Details first.")) +
              Para(Run("This is TITLE1.")) + Para(Run("LINKS")) + Para(Run("MENU")) +
              Heading(1, Run("Installation")) + Para(Run("Install it with the setup program. See FILE.")) +
              Heading(2, Run("Requirements")) + Para(Run("Requirements of TITLE2 as of TIME.")) +
              Para(Run("CODE")) + Heading(1, Run("Reference")) + Para(Run("All the commands.")))
        .Write(path);
}

std::string Narrow(const std::u16string& text)
{
    return platform::Utf16ToAnsi(text);
}

class AuthoringCommands : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        scratch_ = new TempFolder;
        temp_ = new TempFolder;
        runs_ = new std::vector<std::pair<std::string, ProgramRun>>;
        const std::string doc = Doc();
        WriteManual(doc);
        WriteTextFile(*scratch_ / "help.css", "body { font-family: Verdana; color: #202020; }\n");
        WriteTextFile(*scratch_ / "add.cpp", CppSource);
        const std::vector<std::vector<std::string>> edits = {
            {"keyword", doc, "--at", "setup program"},
            {"related", doc, "--topic", "Welcome", "--select", "Installation\\Requirements", "--select", "Reference"},
            {"popup", doc, "--at", "Details", "--text", "It's in C:\\Temp"},
            {"popup", doc, "--link", "More", "--text", "First\\nSecond"},
            {"variable", doc, "--at", "TITLE1", "--name", "lxTopicTitle"},
            {"variable", doc, "--at", "TITLE2", "--name", "lxTopicTitle"},
            {"variable", doc, "--at", "FILE", "--name", "lxCompiledFile"},
            {"variable", doc, "--at", "TIME", "--name", "lxCompileTime"},
            {"variable", doc, "--at", "LINKS", "--name", "lxSeeAlsoLinks"},
            {"variable", doc, "--at", "MENU", "--name", "lxSeeAlsoPopup"},
            {"stylesheet", doc, *scratch_ / "help.css"},
            {"paste-code", doc, "--at", "CODE", *scratch_ / "add.cpp"},
        };
        for (const auto& args : edits)
            runs_->emplace_back(args[0] + " " + args[2] + " " + (args.size() > 3 ? args[3] : ""),
                                RunLorivex(args, temp_->Path()));
        // The saves replaced the document in place: nothing else is left
        // beside it.
        folder_ = new std::set<std::string>;
        for (const auto& entry : platform::ListDirectory(scratch_->Path()))
            folder_->insert(entry.Name);
        // Copied before compiling: what the author saved.
        std::filesystem::copy_file(doc, *scratch_ / "Saved.docx");
        compile_ = new ProgramRun(RunLorivex(
            {"compile", doc, "-o", *scratch_ / "out/Manual.chm", "--no-open", "--overwrite", "--toc", "--index"},
            temp_->Path()));
        files_ = new std::map<std::string, std::string>(UnpackChm(*scratch_ / "out/Manual.chm", *scratch_));
    }
    static void TearDownTestSuite()
    {
        delete files_;
        delete folder_;
        delete compile_;
        delete runs_;
        delete temp_;
        delete scratch_;
    }
    static std::string Doc() { return *scratch_ / "Manual.docx"; }

    // The saved document, opened with the document engine.
    word::DocumentPtr Saved()
    {
        app_ = engine::CreateApplication();
        return app_->Documents()->Open(word::ToWord(*scratch_ / "Saved.docx"));
    }

    const std::string& File(const std::string& name)
    {
        auto it = files_->find(name);
        if (it == files_->end()) {
            static const std::string none;
            ADD_FAILURE() << "no " << name << " in the help file";
            return none;
        }
        return it->second;
    }
    std::string FileOf(const std::string& title)
    {
        const std::string& toc = File("/TableOfContents.hhc");
        auto names = SitemapValues(toc, "Name");
        auto locals = SitemapValues(toc, "Local");
        for (size_t i = 0; i < names.size() && i < locals.size(); ++i)
            if (names[i] == title)
                return locals[i];
        ADD_FAILURE() << "no topic " << title;
        return "";
    }
    const std::string& Page(const std::string& title)
    {
        std::string name = FileOf(title);
        name.insert(name.begin(), '/');
        return File(name);
    }

    static TempFolder* scratch_;
    static TempFolder* temp_;
    static std::vector<std::pair<std::string, ProgramRun>>* runs_;
    static ProgramRun* compile_;
    static std::map<std::string, std::string>* files_;
    static std::set<std::string>* folder_;
    word::ApplicationPtr app_;
};

TempFolder* AuthoringCommands::scratch_;
TempFolder* AuthoringCommands::temp_;
std::vector<std::pair<std::string, ProgramRun>>* AuthoringCommands::runs_;
ProgramRun* AuthoringCommands::compile_;
std::map<std::string, std::string>* AuthoringCommands::files_;
std::set<std::string>* AuthoringCommands::folder_;

TEST_F(AuthoringCommands, EveryCommandSucceedsAndLeavesNoTemporaryFile)
{
    for (const auto& [what, run] : *runs_)
        EXPECT_EQ(run.exitCode, 0) << what << ": " << run.output;
    EXPECT_EQ(compile_->exitCode, 0) << compile_->output;
    EXPECT_TRUE(platform::ListDirectory(temp_->Path()).empty());
    EXPECT_EQ(*folder_, (std::set<std::string>{"Manual.docx", "help.css", "add.cpp"}));
}

TEST_F(AuthoringCommands, TheSavedDocumentHoldsWhatTheCommandsWrote)
{
    auto document = Saved();
    std::vector<std::string> codes;
    std::string seeAlso;
    for (long i = 1; i <= document->Fields()->Count(); ++i) {
        auto field = document->Fields()->Item(i);
        codes.push_back(Narrow(field->Code()->Text()));
        if (field->Type() == word::wdFieldAddin) {
            seeAlso = Narrow(field->Data());
            auto code = field->Code();
            EXPECT_EQ(document->Range(code->Start() - 1, code->End() + 1)->Font()->Hidden(), -1)
                << "the related topics' field is hidden";
        }
    }
    EXPECT_THAT(codes, ::testing::IsSupersetOf({" XE \"setup program\" ", " ADDIN lxSeeAlsoData ",
                                                " DOCPROPERTY lxTopicTitle ", " DOCPROPERTY lxCompiledFile ",
                                                " DOCPROPERTY lxCompileTime ", " DOCPROPERTY lxSeeAlsoLinks ",
                                                " DOCPROPERTY lxSeeAlsoPopup "}));
    EXPECT_EQ(seeAlso, "Installation\\Requirements\r\nReference\r\n");

    auto property = [&](const char* name) { return GetDocProperty(document, name); };
    EXPECT_EQ(property("lxCustomStyleSheet"), *scratch_ / "help.css");
    EXPECT_EQ(property("lxTopicTitle"), "Topic Title");
    EXPECT_EQ(property("lxCompiledFile"), "CompiledFile.chm");
    EXPECT_EQ(property("lxCompileTime"), "'Built' yyyy") << "the pattern itself until compiled";
    EXPECT_EQ(property("lxSeeAlsoLinks"), "Topic1, Topic2, Topic3");
    EXPECT_EQ(property("lxSeeAlsoPopup"), "See also");

    auto bookmarks = document->Bookmarks();
    bookmarks->SetShowHidden(true);
    ASSERT_TRUE(bookmarks->Exists(u"_lxPopupBookmark1"));
    EXPECT_EQ(Narrow(bookmarks->Item(u"_lxPopupBookmark1")->Range()->Text()), "Details");
    ASSERT_TRUE(bookmarks->Exists(u"_lxPopupBookmark2"));
    EXPECT_EQ(Narrow(bookmarks->Item(u"_lxPopupBookmark2")->Range()->Text()), "More");
    auto links = document->Content()->Hyperlinks();
    ASSERT_EQ(links->Count(), 2);
    for (long i = 1; i <= 2; ++i) {
        const std::string n = std::to_string(i);
        EXPECT_EQ(Narrow(links->Item(i)->Address()),
                  "JavaScript:help_popup_ctrl.TextPopup(lxPopupText" + n + ",lxPopupFont" + n + ",9,9,-1,-1)");
        EXPECT_EQ(Narrow(links->Item(i)->Target()), "_self");
    }

    // The popup's script went into the document with it.
    const std::string page = *scratch_ / "saved.htm";
    document->SaveAs(word::ToWord(page), word::wdFormatFilteredHTML, false);
    const std::string html = platform::ReadFileBytes(page);
    EXPECT_THAT(html, HasSubstr("    lxPopupText1='It\\'s in C:\\\\Temp';   </script></div>"));

    // The code replaced its marker.
    const std::string text = Narrow(document->Content()->Text());
    EXPECT_EQ(text.find("CODE"), std::string::npos);
    EXPECT_THAT(text, HasSubstr("int add(int a, int b)\r{\r    return a + b;\r}\r"));
}

TEST_F(AuthoringCommands, TheKeywordIsInTheIndex)
{
    const std::string& index = File("/index.hhk");
    auto names = SitemapValues(index, "Name");
    EXPECT_THAT(names, ::testing::Contains("setup program")) << index;
    auto locals = SitemapValues(index, "Local");
    EXPECT_THAT(locals, ::testing::Contains(FileOf("Installation")));
}

TEST_F(AuthoringCommands, RelatedTopicsBecomeWorkingLinksAndAMenu)
{
    const std::string& welcome = Page("Welcome");
    const std::string requirements = FileOf("Requirements"), reference = FileOf("Reference");
    EXPECT_THAT(welcome, ContainsPattern("See Also: <a href=\"" + requirements +
                                                  "\"[^>]*>Requirements</a>, <a href=\"" + reference +
                                                  "\"[^>]*>Reference</a>"));
    EXPECT_TRUE(files_->count("/" + requirements) && files_->count("/" + reference)) << "the links lead to pages";
    EXPECT_THAT(welcome, HasSubstr("JavaScript:seealsohhctrl.Click()"));
    EXPECT_THAT(welcome, HasSubstr("<PARAM name=\"Item1\" value=\"Requirements;" + requirements + ";\">"));
    EXPECT_THAT(welcome, HasSubstr("<PARAM name=\"Item2\" value=\"Reference;" + reference + ";\">"));
    EXPECT_THAT(welcome, ::testing::Not(HasSubstr("lxSeeAlsoData")));
    // Other topics have no related topics: the placeholders are gone.
    EXPECT_THAT(Page("Reference"), ::testing::Not(HasSubstr("See Also")));
}

TEST_F(AuthoringCommands, ThePopupScriptAndItsLinkAreInThePage)
{
    const std::string& welcome = Page("Welcome");
    EXPECT_THAT(welcome, HasSubstr("    lxPopupText1='It\\'s in C:\\\\Temp';   </script></div>"));
    EXPECT_THAT(welcome, HasSubstr("lxPopupFont1='Helvetica,10,,italic';"));
    EXPECT_THAT(welcome, ContainsPattern(
                             "</script></div>\\s*(<a name=\"_lxPopupBookmark1\"></a>)?<a href=\"JavaScript:help_popup_ctrl\\.TextPopup\\(lxPopupText1,"
                             "lxPopupFont1,9,9,-1,-1\\)\"[^>]*>Details</a>"));
}

// Without --at the new link text goes at the end of the document: into the
// last topic.
TEST_F(AuthoringCommands, ATypedLinkTextBecomesTheSecondPopup)
{
    const std::string& reference = Page("Reference");
    EXPECT_THAT(reference, HasSubstr("    lxPopupText2='First' + String.fromCharCode(13) + '' + "
                                     "String.fromCharCode(10) + 'Second';   </script></div>"));
    EXPECT_THAT(reference, HasSubstr("All the commands.<div style=\"display:none;"));
    EXPECT_THAT(reference, ContainsPattern(
                               "</script></div>\\s*(<a name=\"_lxPopupBookmark2\"></a>)?<a href=\"JavaScript:help_popup_ctrl\\.TextPopup\\("
                               "lxPopupText2,lxPopupFont2,9,9,-1,-1\\)\"[^>]*>More</a>"));
    EXPECT_THAT(Page("Welcome"), ::testing::Not(HasSubstr("lxPopupText2")));
}

TEST_F(AuthoringCommands, EachTopicShowsItsOwnVariableValues)
{
    EXPECT_THAT(Page("Welcome"), HasSubstr("This is Welcome."));
    const std::string& requirements = Page("Requirements");
    EXPECT_THAT(requirements, HasSubstr("Requirements of Requirements as of "));
    std::time_t now = std::time(nullptr);
    const int year = std::localtime(&now)->tm_year + 1900;
    EXPECT_THAT(requirements, ContainsPattern("as of Built (" + std::to_string(year) + "|" +
                                                       std::to_string(year - 1) + ")\\."));
    EXPECT_THAT(Page("Installation"), HasSubstr("See Manual.chm."));
    for (const char* sample : {"Topic Title", "CompiledFile.chm", "yyyy", "Topic1, Topic2"})
        for (const char* title : {"Welcome", "Installation", "Requirements", "Reference"})
            EXPECT_THAT(Page(title), ::testing::Not(HasSubstr(sample))) << title;
}

TEST_F(AuthoringCommands, EveryPageLinksTheStylesheetThatTheHelpFileCarries)
{
    EXPECT_EQ(File("/help.css"), "body { font-family: Verdana; color: #202020; }\n");
    for (const char* title : {"Welcome", "Installation", "Requirements", "Reference"}) {
        const std::string& page = Page(title);
        const size_t head = page.find("</head>");
        ASSERT_NE(head, std::string::npos) << title;
        EXPECT_THAT(page.substr(0, head), ContainsPattern("<link[^>]*href=\"help\\.css\""))
            << title;
    }
}

TEST_F(AuthoringCommands, ThePastedCodeIsInColour)
{
    const std::string& requirements = Page("Requirements");
    EXPECT_THAT(requirements, ContainsPattern("color:#?[0-9A-Fa-f]{6}[^>]*>(<[^>]*>)*int ?<"));
    EXPECT_THAT(requirements, ContainsPattern("color:#?[0-9A-Fa-f]{6}[^>]*>(<[^>]*>)*// Adds two numbers\\."));
    EXPECT_THAT(requirements, HasSubstr("Courier New"));
}

// The commands that take back what others did, and the selection at the end
// of the document when no --at is given.
TEST(AuthoringUndo, UnlinkingAndChoosingNothingLeaveNoTraceInThePages)
{
    TempFolder scratch, temp;
    const std::string doc = scratch / "Manual.docx";
    WriteManual(doc);
    WriteTextFile(scratch / "help.css", "p { margin: 0; }\n");
    const std::vector<std::vector<std::string>> edits = {
        {"stylesheet", doc, scratch / "help.css"},
        {"related", doc, "--topic", "Welcome", "--select", "Reference"},
        {"variable", doc, "--at", "LINKS", "--name", "lxSeeAlsoLinks"},
        {"stylesheet", doc, "--none"},
        {"related", doc, "--topic", "Welcome"},
        {"variable", doc, "--name", "lxTopicTitle"},
    };
    for (const auto& args : edits) {
        auto run = RunLorivex(args, temp.Path());
        ASSERT_EQ(run.exitCode, 0) << args[0] << ": " << run.output;
    }

    auto app = engine::CreateApplication();
    auto document = app->Documents()->Open(word::ToWord(doc));
    EXPECT_EQ(GetDocProperty(document, "lxCustomStyleSheet"), "");
    std::vector<std::string> data;
    for (long i = 1; i <= document->Fields()->Count(); ++i)
        if (document->Fields()->Item(i)->Type() == word::wdFieldAddin)
            data.push_back(Narrow(document->Fields()->Item(i)->Data()));
    EXPECT_EQ(data, std::vector<std::string>{""}) << "one field, emptied";
    const std::string text = Narrow(document->Content()->Text());
    EXPECT_TRUE(text.ends_with("All the commands.Topic Title\r")) << text;
    document->Close(false);

    auto compile = RunLorivex({"compile", doc, "-o", scratch / "out/Manual.chm", "--no-open", "--overwrite", "--toc"},
                              temp.Path());
    ASSERT_EQ(compile.exitCode, 0) << compile.output;
    auto files = UnpackChm(scratch / "out/Manual.chm", scratch);
    EXPECT_EQ(files.count("/help.css"), 0u);
    const std::string& toc = files["/TableOfContents.hhc"];
    auto names = SitemapValues(toc, "Name"), locals = SitemapValues(toc, "Local");
    ASSERT_EQ(names.size(), locals.size());
    ASSERT_EQ(names.size(), 4u) << toc;
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string& page = files["/" + locals[i]];
        EXPECT_THAT(page, ::testing::Not(HasSubstr("<link"))) << names[i];
        EXPECT_THAT(page, ::testing::Not(HasSubstr("See Also"))) << names[i];
        EXPECT_THAT(page, ::testing::Not(HasSubstr("Topic1"))) << names[i];
    }
    EXPECT_THAT(files["/" + locals[3]], HasSubstr("All the commands.Reference</p>"));
}

#ifndef _WIN32 // LibreOffice runs on the Linux side only
// A document another word processor wrote, with its own styles, settings
// and numbering of parts: LibreOffice turns a page of HTML into a .docx,
// every command works on it, and the help file shows what they did.
TEST(AuthoringOtherWriter, ADocumentLibreOfficeWroteTakesEveryCommand)
{
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        FAIL() << "soffice is missing: install the Debian package libreoffice-writer-nogui";
    TempFolder scratch, temp;
    WriteTextFile(scratch / "Manual.html",
                  "<html><body><h1>Welcome</h1><p>Welcome to the product. Read the Details first.</p>"
                  "<p>This is TITLE1.</p><p>LINKS</p><h1>Installation</h1><p>Install it with the setup program.</p>"
                  "<h2>Requirements</h2><p>Requirements of the product.</p><h1>Reference</h1>"
                  "<p>All the commands.</p></body></html>\n");
    const std::string convert = "cd '" + scratch.Path() + "' && soffice --headless -env:UserInstallation=file://" +
                                scratch.Path() + "/profile --convert-to 'docx:MS Word 2007 XML' --writer Manual.html"
                                " >soffice.log 2>&1";
    ASSERT_EQ(std::system(convert.c_str()), 0) << platform::ReadFileBytes(scratch / "soffice.log");
    const std::string doc = scratch / "Manual.docx";
    WriteTextFile(scratch / "help.css", "p { margin: 0; }\n");
    const std::vector<std::vector<std::string>> edits = {
        {"keyword", doc, "--at", "setup program"},
        {"popup", doc, "--at", "Details", "--text", "The details of it"},
        {"variable", doc, "--at", "TITLE1", "--name", "lxTopicTitle"},
        {"related", doc, "--topic", "Welcome", "--select", "Installation\\Requirements", "--select", "Reference"},
        {"variable", doc, "--at", "LINKS", "--name", "lxSeeAlsoLinks"},
        {"stylesheet", doc, scratch / "help.css"},
    };
    for (const auto& args : edits) {
        auto run = RunLorivex(args, temp.Path());
        ASSERT_EQ(run.exitCode, 0) << args[0] << ": " << run.output;
    }
    auto compile = RunLorivex({"compile", doc, "-o", scratch / "out/Manual.chm", "--no-open", "--overwrite"},
                              temp.Path());
    ASSERT_EQ(compile.exitCode, 0) << compile.output;
    auto files = UnpackChm(scratch / "out/Manual.chm", scratch);
    const std::string& toc = files["/TableOfContents.hhc"];
    auto names = SitemapValues(toc, "Name"), locals = SitemapValues(toc, "Local");
    ASSERT_EQ(names, (std::vector<std::string>{"Welcome", "Installation", "Requirements", "Reference"})) << toc;
    std::map<std::string, std::string> pages;
    for (size_t i = 0; i < names.size(); ++i)
        pages[names[i]] = files["/" + locals[i]];
    const std::string& welcome = pages["Welcome"];
    EXPECT_THAT(welcome, HasSubstr("This is Welcome."));
    EXPECT_THAT(welcome, HasSubstr("<a href=\"" + locals[2] + "\">Requirements</a>"));
    EXPECT_THAT(welcome, HasSubstr("<a href=\"" + locals[3] + "\">Reference</a>"));
    EXPECT_THAT(welcome, HasSubstr("TextPopup(lxPopupText1"));
    EXPECT_THAT(welcome, HasSubstr("The details of it"));
    for (const auto& [title, page] : pages)
        EXPECT_THAT(page, HasSubstr("help.css")) << title;
    EXPECT_THAT(SitemapValues(files["/index.hhk"], "Name"), ::testing::Contains("setup program"));
}
#endif

// ---------------------------------------------------------------- bad input

class AuthoringInput : public testing::Test {
protected:
    AuthoringInput() { WriteManual(Doc()); }
    std::string Doc() const { return scratch_ / "Manual.docx"; }
    std::string Bytes() const { return platform::ReadFileBytes(Doc()); }
    ProgramRun Run(const std::vector<std::string>& args) { return RunLorivex(args, temp_.Path()); }

    TempFolder scratch_, temp_;
};

TEST_F(AuthoringInput, AnUnknownTopicIsNamedAndNothingChanges)
{
    const std::string before = Bytes();
    auto topic = Run({"related", Doc(), "--topic", "Nowhere", "--select", "Reference"});
    EXPECT_NE(topic.exitCode, 0);
    EXPECT_THAT(topic.output, HasSubstr("There is no topic \"Nowhere\" in the document."));
    auto chosen = Run({"related", Doc(), "--topic", "Welcome", "--select", "Installation\\Nowhere"});
    EXPECT_NE(chosen.exitCode, 0);
    EXPECT_THAT(chosen.output, HasSubstr("There is no topic \"Installation\\Nowhere\" in the document."));
    auto itself = Run({"related", Doc(), "--topic", "Welcome", "--select", "Welcome"});
    EXPECT_NE(itself.exitCode, 0);
    EXPECT_THAT(itself.output, HasSubstr("is the one being edited"));
    EXPECT_EQ(Bytes(), before);
}

TEST_F(AuthoringInput, TextNotInTheDocumentIsNamedAndNothingChanges)
{
    WriteTextFile(scratch_ / "add.cpp", CppSource);
    const std::string before = Bytes();
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"keyword", Doc(), "--at", "no such words"},
          {"popup", Doc(), "--at", "no such words", "--text", "t"},
          {"variable", Doc(), "--at", "no such words", "--name", "lxTopicTitle"},
          {"paste-code", Doc(), "--at", "no such words", scratch_ / "add.cpp"}}) {
        auto run = Run(args);
        EXPECT_NE(run.exitCode, 0) << args[0];
        EXPECT_THAT(run.output, HasSubstr("the text \"no such words\" is not in")) << args[0];
    }
    EXPECT_EQ(Bytes(), before);
}

TEST_F(AuthoringInput, AMissingStylesheetIsNamedAndNothingChanges)
{
    const std::string before = Bytes();
    auto run = Run({"stylesheet", Doc(), scratch_ / "missing.css"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_THAT(run.output, HasSubstr("no such stylesheet: " + scratch_ / "missing.css"));
    EXPECT_EQ(Bytes(), before);
}

TEST_F(AuthoringInput, AFileThatIsNotADocumentIsNamedAndLeftAlone)
{
    const std::string fake = scratch_ / "Notes.docx";
    WriteTextFile(fake, "These are plain notes, not a package.\n");
    WriteTextFile(scratch_ / "add.cpp", CppSource);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"keyword", fake, "--at", "notes"},
          {"related", fake, "--topic", "Welcome"},
          {"popup", fake, "--at", "notes", "--text", "t"},
          {"variable", fake, "--name", "lxTopicTitle"},
          {"stylesheet", fake, "--none"},
          {"paste-code", fake, scratch_ / "add.cpp"}}) {
        auto run = Run(args);
        EXPECT_NE(run.exitCode, 0) << args[0];
        EXPECT_THAT(run.output, HasSubstr("Notes.docx")) << args[0] << ": " << run.output;
        EXPECT_EQ(platform::ReadFileBytes(fake), "These are plain notes, not a package.\n") << args[0];
    }
    auto missing = Run({"keyword", scratch_ / "Missing.docx", "--at", "x"});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_THAT(missing.output, HasSubstr("no such document: " + scratch_ / "Missing.docx"));
    EXPECT_FALSE(platform::FileExists(scratch_ / "Missing.docx"));
}

TEST_F(AuthoringInput, AReadOnlyDocumentIsRefusedByItsPermissions)
{
    WriteTextFile(scratch_ / "help.css", "p {}\n");
    ASSERT_TRUE(platform::SetReadOnly(Doc()));
    const std::string before = Bytes();
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"keyword", Doc(), "--at", "setup program"},
          {"related", Doc(), "--topic", "Welcome", "--select", "Reference"},
          {"popup", Doc(), "--at", "Details", "--text", "t"},
          {"variable", Doc(), "--name", "lxTopicTitle"},
          {"stylesheet", Doc(), scratch_ / "help.css"}}) {
        auto run = Run(args);
        EXPECT_NE(run.exitCode, 0) << args[0];
        EXPECT_THAT(run.output, HasSubstr(Doc() + " is read-only; nothing was changed")) << args[0];
    }
    EXPECT_EQ(Bytes(), before);
    platform::ClearReadOnly(Doc());
}

TEST_F(AuthoringInput, EachCommandExplainsItsOptions)
{
    const std::pair<std::string, std::vector<std::string>> commands[] = {
        {"keyword", {"--at"}},
        {"related", {"--topic", "--select"}},
        {"popup", {"--at", "--link", "--text"}},
        {"variable", {"--at", "--name", "lxTopicTitle", "lxCompiledFile", "lxCompileTime", "lxSeeAlsoLinks",
                      "lxSeeAlsoPopup"}},
        {"stylesheet", {"--none"}},
        {"paste-code", {"--at", "--language"}},
        {"about", {}},
        {"help", {}},
    };
    auto overview = Run({"--help"});
    for (const auto& [command, options] : commands) {
        EXPECT_THAT(overview.output, HasSubstr("  " + command + " ")) << command;
        auto help = Run({command, "--help"});
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_THAT(help.output, HasSubstr("Usage: lorivex " + command)) << command;
        for (const auto& option : options)
            EXPECT_THAT(help.output, HasSubstr(option)) << command;
    }
}

#ifndef _WIN32 // the POSIX opener is ours to watch; Windows goes by the association
// The help file is looked for in the installation folder that the add-in's
// registration names.
TEST_F(AuthoringInput, HelpOpensTheManualBuiltBesideTheProgram)
{
    const std::string manual =
        platform::JoinPath(platform::ExtractFilePath(platform::ProgramPath()), "Lorivex2008.chm");
    ASSERT_TRUE(platform::FileExists(manual)) << "the build makes the manual";
    ScopedSettings settings;
    const std::string opener = scratch_ / "opener.sh", opened = scratch_ / "opened.txt";
    WriteTextFile(opener, "#!/bin/sh\nprintf '%s' \"$1\" > \"" + opened + ".part\" && mv \"" + opened + ".part\" \"" +
                              opened + "\"\n");
    ASSERT_EQ(chmod(opener.c_str(), 0755), 0);
    ScopedEnv env("LORIVEX_OPEN_COMMAND", opener.c_str());
    auto help = Run({"help"});
    EXPECT_EQ(help.exitCode, 0) << help.output;
    EXPECT_THAT(help.output, HasSubstr("Opened " + manual));
    // The opener runs on its own, detached from the program.
    for (int i = 0; i < 100 && !platform::FileExists(opened); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(platform::ReadFileBytes(opened), manual);
}
#endif

// The child reads the registration the test wrote: on POSIX the registry is
// files the child finds through the environment; the registry of Windows
// the test keeps to itself (ModuleHandlers checks the same path in process).
#ifndef _WIN32
TEST_F(AuthoringInput, HelpWithoutTheHelpFileNamesWhereItShouldBe)
{
    ScopedSettings settings;
    const std::string installed = scratch_ / "lorivex";
    WriteTextFile(installed, "");
    platform::GetRegistry().WriteString(platform::RootKey::ClassesRoot, AddInServerKey(), "", installed);
    auto help = Run({"help"});
    EXPECT_EQ(help.exitCode, 1);
    EXPECT_THAT(help.output,
                HasSubstr("The Lorivex help file could not be located. (" + (scratch_ / "Lorivex2008.chm") + ")"));
    EXPECT_THAT(help.output, HasSubstr("TLorivexModule.ShowApplicationHelpClick"));
}
#endif

TEST_F(AuthoringInput, AboutPrintsTheProgramInformation)
{
    auto about = Run({"about"});
    EXPECT_EQ(about.exitCode, 0) << about.output;
    EXPECT_THAT(about.output, HasSubstr("Lorivex"));
}

} // namespace
} // namespace lorivex::test
