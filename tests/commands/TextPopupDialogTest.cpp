// The text-popup command: the numbered hidden bookmark, the hyperlink that
// calls the help control's popup method, and the script block in front of
// the link that defines the popup's text.
#include "Patterns.h"
#include "commands/CommandFixture.h"
#include "commands/TextPopupDialog.h"

namespace lorivex::test {
namespace {

using ::testing::HasSubstr;

std::string Address(int n)
{
    const std::string ix = std::to_string(n);
    return "JavaScript:help_popup_ctrl.TextPopup(lxPopupText" + ix + ",lxPopupFont" + ix + ",9,9,-1,-1)";
}

std::string Bookmarked(const std::string& name, int id, const std::string& runs)
{
    const std::string n = std::to_string(id);
    return "<w:bookmarkStart w:id=\"" + n + "\" w:name=\"" + name + "\"/>" + runs + "<w:bookmarkEnd w:id=\"" + n +
           "\"/>";
}

// The eight lines of the script block, with the popup number and the
// escaped text filled in.
std::vector<std::string> Script(const std::string& ix, const std::string& escapedText)
{
    return {"<div style=\"display:none; width:0px; height:0px; position:absolute; left:-50px; top: -50px;\">"
            "<script language=\"JavaScript\">",
            "    hlpctrl=document.getElementById('help_popup_ctrl');\t",
            "    if (hlpctrl==null)",
            "    {",
            "      document.write('<span style=\"display:none;\"><object id=\"help_popup_ctrl\" "
            "type=\"application/x-oleobject\" classid=\"clsid:adb880a6-d8ff-11cf-9377-00aa003b7a11\"></object>"
            "</span>');",
            "    }",
            "    lxPopupFont" + ix + "='Helvetica,10,,italic';",
            "    lxPopupText" + ix + "='" + escapedText + "';   </script></div>"};
}

std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

class TextPopup : public CommandTest {
protected:
    word::DocumentPtr Page(const std::string& extra = "")
    {
        return Document(H(1, T("Intro")) + P(T("See Details here.")) + extra + P(T("end")));
    }

    // Runs the command; the answer fills in the dialog, OK follows unless
    // it closed the dialog. The script file is caught as the document takes
    // it in.
    void Run(const std::function<void(TTextPopupDialog&)>& answer)
    {
        auto registered = ui::ScopedAnswer::Form("TTextPopupDialog", [&](ui::TForm& form) {
            auto& dialog = dynamic_cast<TTextPopupDialog&>(form);
            answer(dialog);
            if (dialog.ModalResult == ui::mrNone)
                dialog.BitBtn1->Click();
        });
        Module.TextPopupClick(Module);
    }
    static void Type(TTextPopupDialog& dialog, const std::string& popupText)
    {
        dialog.PopupTextMemo->SetText(popupText);
    }

    // The page the document makes, as the compile run saves topics.
    std::string Html(const word::DocumentPtr& document)
    {
        const std::string path = Folder / ("page" + std::to_string(++pages_) + ".htm");
        document->SaveAs(word::ToWord(path), word::wdFormatFilteredHTML, false);
        return platform::ReadFileBytes(path);
    }

    static std::vector<std::string> BookmarkNames(const word::DocumentPtr& document)
    {
        auto bookmarks = document->Bookmarks();
        bookmarks->SetShowHidden(true);
        std::vector<std::string> names;
        for (long i = 1; i <= bookmarks->Count(); ++i)
            names.push_back(word::FromWord(bookmarks->Item(i)->Name()));
        bookmarks->SetShowHidden(false);
        return names;
    }

private:
    int pages_ = 0;
};

TEST_F(TextPopup, TheSelectedTextBecomesABookmarkedLinkWithItsScriptInFront)
{
    auto document = Page();
    Select(document, "Details");
    Run([](TTextPopupDialog& dialog) {
        EXPECT_EQ(dialog.LinkTextEdit->Text(), "Details");
        EXPECT_FALSE(dialog.LinkTextEdit->Enabled()) << "the selection is the link text";
        Type(dialog, "It's in C:\\Temp");
    });

    auto bookmarks = document->Bookmarks();
    EXPECT_FALSE(bookmarks->ShowHidden()) << "put back after counting";
    bookmarks->SetShowHidden(true);
    ASSERT_TRUE(bookmarks->Exists(u"_lxPopupBookmark1"));
    EXPECT_EQ(Narrow(bookmarks->Item(u"_lxPopupBookmark1")->Range()->Text()), "Details");

    ASSERT_EQ(document->Content()->Hyperlinks()->Count(), 1);
    auto link = document->Content()->Hyperlinks()->Item(1);
    EXPECT_EQ(Narrow(link->Address()), Address(1));
    EXPECT_EQ(Narrow(link->Target()), "_self");
    EXPECT_EQ(Narrow(link->SubAddress()), "");
    EXPECT_EQ(Narrow(link->ScreenTip()), "");
    EXPECT_EQ(Narrow(link->Range()->Text()), "Details");

    // The paragraph keeps its text around the link; the script block is one
    // object right in front of the link, no space or paragraph left over.
    EXPECT_EQ(Narrow(document->Paragraphs()->Count() == 3 ? document->Paragraphs()->Item(2)->Range()->Text() : u""),
              "See \x01" "Details here.\r");
    const std::string html = Html(document);
    const std::string block = Lines(Script("1", "It\\'s in C:\\\\Temp"));
    const size_t at = html.find(block);
    ASSERT_NE(at, std::string::npos) << html;
    const std::string after = html.substr(at + block.size());
    EXPECT_THAT(after.substr(0, after.find("Details") + 7),
                MatchesPattern("(<a name=\"_lxPopupBookmark1\"></a>)?<a href=\"JavaScript:help_popup_ctrl\\.TextPopup\\(lxPopupText1,"
                                        "lxPopupFont1,9,9,-1,-1\\)\"( target=\"_self\")?[^>]*>Details"))
        << html;
    EXPECT_THAT(html, HasSubstr("See "));
    EXPECT_FALSE(platform::FileExists(Temp / "lxPopup.js")) << "the script file goes after use";
}

TEST_F(TextPopup, APopupTextOfTwoLinesStaysOnOneScriptLine)
{
    auto document = Page();
    Select(document, "Details");
    Run([](TTextPopupDialog& dialog) { Type(dialog, "A\r\nB"); });
    EXPECT_THAT(Html(document),
                HasSubstr("\r\n    lxPopupText1='A' + String.fromCharCode(13) + '' + String.fromCharCode(10) + 'B';"
                          "   </script></div>\r\n"));
}

TEST_F(TextPopup, TheNumberCountsEveryExistingPopupBookmark)
{
    auto document = Page(P(Bookmarked("_lxPopupBookmark1", 1, T("one")) + Bookmarked("_lxPopupBookmarkX", 2, T("x")) +
                           Bookmarked("_LXPOPUPBOOKMARK9", 3, T("other case")) + Bookmarked("Visible", 4, T("v"))));
    Select(document, "Details");
    Run([](TTextPopupDialog& dialog) { Type(dialog, "third"); });
    EXPECT_THAT(BookmarkNames(document), ::testing::Contains("_lxPopupBookmark3"));
    EXPECT_EQ(Narrow(document->Content()->Hyperlinks()->Item(1)->Address()), Address(3));
    EXPECT_THAT(Html(document), HasSubstr("    lxPopupText3='third';   </script></div>\r\n"));
}

// The number is the count of popup bookmarks plus one, even when a popup of
// that number is still in the document: adding the bookmark under its name
// moves it to the new link, as Word moves a bookmark added under a name in use.
TEST_F(TextPopup, AfterABookmarkHasGoneItsNumberIsTakenAgainAndMovesTheOtherBookmark)
{
    auto document = Page(P(Bookmarked("_lxPopupBookmark2", 1, T("older"))));
    Select(document, "Details");
    Run([](TTextPopupDialog& dialog) { Type(dialog, "newer"); });
    document->Bookmarks()->SetShowHidden(true);
    EXPECT_EQ(document->Bookmarks()->Count(), 1);
    EXPECT_EQ(Narrow(document->Bookmarks()->Item(u"_lxPopupBookmark2")->Range()->Text()), "Details");
    EXPECT_EQ(Narrow(document->Content()->Hyperlinks()->Item(1)->Address()), Address(2));
}

TEST_F(TextPopup, AnEmptySelectionTakesTheTypedLinkTextAsDocumentText)
{
    auto document = Page();
    CursorAt(document, "here");
    Run([](TTextPopupDialog& dialog) {
        EXPECT_TRUE(dialog.LinkTextEdit->Enabled());
        EXPECT_EQ(dialog.LinkTextEdit->Text(), "");
        dialog.LinkTextEdit->SetText("Bob's \\ tip");
        Type(dialog, "more");
    });
    EXPECT_EQ(Narrow(document->Paragraphs()->Item(2)->Range()->Text()), "See Details \x01" "Bob's \\ tiphere.\r");
    document->Bookmarks()->SetShowHidden(true);
    EXPECT_EQ(Narrow(document->Bookmarks()->Item(u"_lxPopupBookmark1")->Range()->Text()), "Bob's \\ tip");
    EXPECT_EQ(Narrow(document->Content()->Hyperlinks()->Item(1)->Range()->Text()), "Bob's \\ tip");
}

TEST_F(TextPopup, AnEmptySelectionAndNoLinkTextGiveAnEmptyLink)
{
    auto document = Page();
    CursorAt(document, "here");
    Run([](TTextPopupDialog& dialog) { Type(dialog, "nothing to click"); });
    document->Bookmarks()->SetShowHidden(true);
    ASSERT_TRUE(document->Bookmarks()->Exists(u"_lxPopupBookmark1"));
    EXPECT_EQ(Narrow(document->Bookmarks()->Item(u"_lxPopupBookmark1")->Range()->Text()), "");
    ASSERT_EQ(document->Content()->Hyperlinks()->Count(), 1);
    EXPECT_EQ(Narrow(document->Content()->Hyperlinks()->Item(1)->Address()), Address(1));
    EXPECT_THAT(Html(document), HasSubstr("lxPopupText1='nothing to click';"));
}

TEST_F(TextPopup, CancelTouchesNothingAndWritesNoFile)
{
    auto document = Page();
    Select(document, "Details");
    const std::string before = RawText(document);
    Run([](TTextPopupDialog& dialog) {
        Type(dialog, "never");
        dialog.BitBtn2->Click();
    });
    EXPECT_EQ(RawText(document), before);
    EXPECT_TRUE(BookmarkNames(document).empty());
    EXPECT_EQ(document->Content()->Hyperlinks()->Count(), 0);
    EXPECT_TRUE(platform::ListDirectory(Temp.Path()).empty());
}

TEST_F(TextPopup, TheDialogAsThePersonSeesIt)
{
    auto document = Page();
    Select(document, "Details");
    Run([](TTextPopupDialog& dialog) {
        EXPECT_EQ(dialog.Caption(), "Insert Text Popup window");
        EXPECT_EQ(dialog.ClientWidth(), 376);
        EXPECT_EQ(dialog.ClientHeight(), 193);
        EXPECT_EQ(dialog.Label2->Caption(), "Text Popup ");
        EXPECT_EQ(dialog.Label1->Caption(), "Text to display.........");
        EXPECT_EQ(dialog.Label3->Caption(), "Popup Text...........");
        EXPECT_FALSE(dialog.PopupTextMemo->WordWrap);
        EXPECT_FALSE(dialog.PopupCodeMemo->Visible());
        EXPECT_EQ(dialog.PopupCodeMemo->Text(), Lines(Script("<#PopupIx>", "<#PopupText>")));
        dialog.BitBtn2->Click();
    });
}

} // namespace
} // namespace lorivex::test
