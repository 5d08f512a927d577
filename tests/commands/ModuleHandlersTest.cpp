// What the module does around its commands: the preconditions and their
// messages, the hidden-text view option kept across the commands that
// change the document, the index-entry shortcut and the product's own help.
#include <chrono>
#include <thread>

#include "commands/CommandFixture.h"
#include "commands/PasteCodeDialog.h"
#include "commands/SeeAlsoDialog.h"
#include "commands/StyleSheetDialog.h"
#include "commands/TextPopupDialog.h"
#include "commands/TopicVariableDialog.h"
#include "platform/Clipboard.h"
#include "services/ExceptionDialog.h"
#include "services/HtmlHelp.h"

namespace lorivex::test {
namespace {

using ::testing::HasSubstr;

constexpr char NeedsOpenDocument[] = "At least one document needs to be open for this command to function.";
constexpr char NeedsActiveDocument[] = "This command requires an active document.";

class ModuleHandlers : public CommandTest {
protected:
    word::DocumentPtr HelpDocument()
    {
        return Document(H(1, T("Intro")) + P(T("one word here")) + H(1, T("Setup")) + P(T("steps")));
    }
    bool HiddenTextShown() { return App->ActiveDocument()->ActiveWindow()->View()->ShowHiddenText(); }
    void ShowHiddenText(bool show) { App->ActiveDocument()->ActiveWindow()->View()->SetShowHiddenText(show); }
};

TEST_F(ModuleHandlers, PreconditionsWithNoDocumentOpen)
{
    struct Case {
        std::function<void()> Click;
        std::string Message, Trace;
    };
    const Case cases[] = {
        {[&] { Module.TextPopupClick(Module); }, NeedsOpenDocument, "TLorivexModule.TextPopupClick\r\n"},
        {[&] { Module.InsertTopicVariableClick(Module); }, NeedsActiveDocument,
         "TLorivexModule.InsertTopicVariableClick\r\n"},
        {[&] { Module.IncludeCustomStyleSheetClick(Module); }, NeedsActiveDocument,
         "TLorivexModule.IncludeCustomStyleSheetClick\r\n"},
        {[&] { Module.PasteCodeClick(Module); }, NeedsOpenDocument, "TLorivexModule.PasteCodeClick\r\n"},
        {[&] {
             ui::TMenuItem item;
             item.Hint = Folder / "star.bmp";
             Module.InsertSymbolClick(item);
         },
         "You need at least one active document for this command to work", "TLorivexModule.InsertSymbolClick\r\n"},
    };
    for (const auto& c : cases) {
        auto failure = FailureOf(c.Click);
        EXPECT_EQ(failure.Message(), c.Message);
        EXPECT_EQ(failure.CallStack(), c.Trace) << "the save and restore of the view add no lines of their own";
    }
    // Paste Code also asks for Word itself.
    Module.WordApp.reset();
    auto failure = FailureOf([&] { Module.PasteCodeClick(Module); });
    EXPECT_EQ(failure.Message(), NeedsOpenDocument);
}

TEST_F(ModuleHandlers, RelatedTopicsWithNoDocumentReportsWordsOwnError)
{
    auto failure = FailureOf([&] { Module.SeeAlsoClick(Module); });
    EXPECT_EQ(failure.Message(), "This command is not available because no document is open.");
    EXPECT_THAT(failure.CallStack(), ::testing::StartsWith("TLorivexModule.SeeAlsoClick\r\n"));
}

TEST_F(ModuleHandlers, AFailedPreconditionReachesTheErrorDialogWithItsTrace)
{
    std::string message;
    std::vector<std::string> trace;
    auto shown = ui::ScopedAnswer::Form("TlxExceptionDialog", [&](ui::TForm& form) {
        auto& dialog = dynamic_cast<TlxExceptionDialog&>(form);
        message = dialog.ExceptionLabel->Caption();
        for (int i = 0; i < dialog.TraceListBox->Items.Count(); ++i)
            trace.push_back(dialog.TraceListBox->Items[i]);
        dialog.OkButton->Click();
    });
    try {
        Module.TextPopupClick(Module);
        FAIL();
    } catch (const std::exception& e) {
        bool handled = false;
        Module.OnError(e, handled);
        EXPECT_TRUE(handled);
    }
    EXPECT_EQ(message, NeedsOpenDocument);
    EXPECT_EQ(trace, std::vector<std::string>{"TLorivexModule.TextPopupClick"});
}

// With no document the option is neither read nor written: the value the
// module kept stays as it was.
TEST_F(ModuleHandlers, WithNoDocumentTheSavedViewOptionIsLeftAlone)
{
    Module.SavedShowHiddenText = true;
    FailureOf([&] { Module.TextPopupClick(Module); });
    FailureOf([&] { Module.InsertTopicVariableClick(Module); });
    FailureOf([&] { Module.IncludeCustomStyleSheetClick(Module); });
    FailureOf([&] { Module.SeeAlsoClick(Module); });
    EXPECT_TRUE(Module.SavedShowHiddenText);
    Module.SavedShowHiddenText = false;
    FailureOf([&] { Module.TextPopupClick(Module); });
    EXPECT_FALSE(Module.SavedShowHiddenText);
}

// The commands that change the document show hidden text while they work
// on it as the author had it: whatever happens inside, the option is put
// back, when the dialog is cancelled and when the command fails.
TEST_F(ModuleHandlers, TheHiddenTextOptionIsPutBackAfterEachCommand)
{
    HelpDocument();
    SetDocProperty(App->ActiveDocument(), "lxCustomStyleSheet", "/styles/help.css");
    struct Case {
        std::string Form;
        std::function<void()> Click;
    };
    const Case cases[] = {
        {"TTextPopupDialog", [&] { Module.TextPopupClick(Module); }},
        {"TTopicVariableDialog", [&] { Module.InsertTopicVariableClick(Module); }},
        {"TSeeAlsoDialog", [&] { Module.SeeAlsoClick(Module); }},
        {"TStyleSheetDialog", [&] { Module.IncludeCustomStyleSheetClick(Module); }},
    };
    for (bool shown : {true, false}) {
        for (const auto& c : cases) {
            for (bool fail : {false, true}) {
                ShowHiddenText(shown);
                auto answer = ui::ScopedAnswer::Form(c.Form, [&](ui::TForm& form) {
                    ShowHiddenText(!shown);
                    if (fail)
                        throw Exception("the dialog broke");
                    form.PressEscape();
                });
                if (fail)
                    EXPECT_EQ(FailureOf(c.Click).Message(), "the dialog broke") << c.Form;
                else
                    c.Click();
                EXPECT_EQ(HiddenTextShown(), shown) << c.Form << (fail ? " failing" : " cancelled");
            }
        }
    }
}

TEST_F(ModuleHandlers, PasteCodeLeavesTheHiddenTextOptionToTheAuthor)
{
    HelpDocument();
    platform::SetClipboardText("int x;");
    ShowHiddenText(true);
    auto answer = ui::ScopedAnswer::Form("TPasteCodeDialog", [&](ui::TForm& form) {
        ShowHiddenText(false);
        form.PressEscape();
    });
    Module.PasteCodeClick(Module);
    EXPECT_FALSE(HiddenTextShown());
}

TEST_F(ModuleHandlers, TheShortcutMarksTheSelectedWordAsAnIndexEntry)
{
    auto document = HelpDocument();
    Select(document, "word");
    Module.InsertKeywordShortcut.OnAction(Module.InsertKeywordShortcut);
    ASSERT_EQ(document->Fields()->Count(), 1);
    auto field = document->Fields()->Item(1);
    EXPECT_EQ(field->Type(), word::wdFieldIndexEntry);
    EXPECT_EQ(Narrow(field->Code()->Text()), " XE \"word\" ");
    EXPECT_EQ(field->Code()->Start(), Find(document, "word")->End() + 1) << "the entry follows the word";
    auto code = field->Code();
    EXPECT_EQ(document->Range(code->Start() - 1, code->End() + 1)->Font()->Hidden(), -1) << "Word's True";
    EXPECT_EQ(Narrow(document->Paragraphs()->Item(2)->Range()->Text()), "one word here\r")
        << "the entry is hidden text";
}

TEST_F(ModuleHandlers, TheShortcutWithNoDocumentReportsWordsError)
{
    auto failure = FailureOf([&] { Module.InsertKeywordShortcut.OnAction(Module.InsertKeywordShortcut); });
    EXPECT_EQ(failure.Message(), "This command is not available because no document is open.");
    EXPECT_EQ(failure.CallStack(), "TLorivexModule.InsertIndexShortcutAction\r\n");
}

TEST_F(ModuleHandlers, HelpWithTheHelpFileMissingNamesTheExpectedPath)
{
    Install();
    const std::string expected = InstallDir / "Lorivex2008.chm";
    HelpFile.clear();
    auto failure = FailureOf([&] { Module.ShowApplicationHelpClick(Module); });
    EXPECT_EQ(failure.Message(), "The Lorivex help file could not be located. (" + expected + ")");
    EXPECT_EQ(failure.CallStack(), "TLorivexModule.ShowApplicationHelpClick\r\n");
    EXPECT_EQ(HelpFile, expected) << "the path is kept even when the file is missing";
}

// The POSIX opener is a command of our choosing; Windows opens the file
// through its association, with no way to watch what was opened.
#ifndef _WIN32
TEST_F(ModuleHandlers, HelpOpensTheInstalledHelpFile)
{
    Install();
    WriteTextFile(InstallDir / "Lorivex2008.chm", "ITSF");
    const std::string seen = Folder / "opened.txt";
    const std::string opener = Folder / "opener.sh";
    WriteTextFile(opener, "#!/bin/sh\nprintf '%s' \"$1\" > '" + seen + ".part' && mv '" + seen + ".part' '" + seen +
                              "'\n");
    ASSERT_EQ(chmod(opener.c_str(), 0755), 0);
    ScopedEnv open("LORIVEX_OPEN_COMMAND", opener.c_str());
    Module.ShowApplicationHelpClick(Module);
    for (int i = 0; i < 500 && !platform::FileExists(seen); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(platform::ReadFileBytes(seen), InstallDir / "Lorivex2008.chm");
}
#endif

} // namespace
} // namespace lorivex::test
