// The paste-code command: the clipboard's text shown in a language the
// author picks, pasted as RTF in that language's colours, and the language
// remembered for the next time.
#include "Patterns.h"
#include "commands/CommandFixture.h"
#include "commands/PasteCodeDialog.h"
#include "platform/Clipboard.h"
#include "platform/CodePages.h"

namespace lorivex::test {
namespace {

using ::testing::HasSubstr;

const std::string Code = "int main()\r\n{\r\n    return 0; // done\r\n}\r\n";

class PasteCode : public CommandTest {
protected:
    word::DocumentPtr Page()
    {
        return Document(H(1, T("Example")) + P(T("Before CODE after.")) + P(T("end")));
    }

    struct Seen {
        bool Shown = false;
        int ItemIndex = -2;
        std::string Language;
        std::string Previewed; // the preview's highlighter
        std::vector<std::string> Items;
        std::u16string Text;
    };

    // Runs the command; the answer may pick a language by name and then
    // presses OK or Cancel.
    Seen Run(const std::string& pick, bool ok)
    {
        Seen seen;
        auto answer = ui::ScopedAnswer::Form("TPasteCodeDialog", [&](ui::TForm& form) {
            auto& dialog = dynamic_cast<TPasteCodeDialog&>(form);
            seen.Shown = true;
            seen.ItemIndex = dialog.LanguageCombo->ItemIndex();
            seen.Language = dialog.LanguageCombo->Text();
            if (auto* highlighter = dialog.PreviewEdit->Highlighter())
                seen.Previewed = highlighter->DisplayName();
            for (int i = 0; i < dialog.LanguageCombo->Items.Count(); ++i)
                seen.Items.push_back(dialog.LanguageCombo->Items[i]);
            for (const auto& line : dialog.PreviewEdit->Lines())
                seen.Text += line + u"\n";
            if (!pick.empty())
                dialog.LanguageCombo->Choose(dialog.LanguageCombo->Items.IndexOf(pick));
            (ok ? dialog.BitBtn1 : dialog.BitBtn2)->Click();
        });
        Module.PasteCodeClick(Module);
        return seen;
    }

    static std::string Remembered()
    {
        auto& registry = platform::GetRegistry();
        if (!registry.KeyExists(platform::RootKey::CurrentUser, PasteCodeKey))
            return "(no key)";
        if (registry.GetValueKind(platform::RootKey::CurrentUser, PasteCodeKey, "Language") ==
            platform::ValueKind::None)
            return "(no value)";
        return registry.ReadString(platform::RootKey::CurrentUser, PasteCodeKey, "Language");
    }
    static void Remember(const std::string& language)
    {
        platform::GetRegistry().WriteString(platform::RootKey::CurrentUser, PasteCodeKey, "Language", language);
    }
    static std::vector<std::string> ClipboardFormats()
    {
        std::vector<std::string> formats;
        for (const auto& block : platform::GetClipboardBlocks())
            formats.push_back(block.Format);
        return formats;
    }

    std::string Html(const word::DocumentPtr& document)
    {
        const std::string path = Folder / "page.htm";
        document->SaveAs(word::ToWord(path), word::wdFormatFilteredHTML, false);
        return platform::ReadFileBytes(path);
    }
};

TEST_F(PasteCode, FirstUseShowsTheFirstLanguageInSortedOrderAndRemembersIt)
{
    auto document = Page();
    Select(document, "CODE");
    platform::SetClipboardText(Code);
    auto seen = Run("", true);
    ASSERT_TRUE(seen.Shown);
    ASSERT_EQ(seen.Items.size(), 17u);
    EXPECT_TRUE(std::is_sorted(seen.Items.begin(), seen.Items.end(),
                               [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; }));
    EXPECT_EQ(seen.Items.front(), "C#");
    EXPECT_EQ(seen.Items.back(), "XML");
    EXPECT_EQ(seen.ItemIndex, 0);
    EXPECT_EQ(seen.Language, "C#");
    EXPECT_EQ(seen.Previewed, "C#") << "the first language is applied to the preview";
    EXPECT_EQ(seen.Text, u"int main()\n{\n    return 0; // done\n}\n");
    EXPECT_EQ(Remembered(), "C#");
}

TEST_F(PasteCode, OkPutsOnlyRtfOnTheClipboardAndPastesTheCodeInPlaceOfTheSelection)
{
    auto document = Page();
    Select(document, "CODE");
    platform::SetClipboardText(Code);
    Run("C/C++", true);
    EXPECT_EQ(ClipboardFormats(), std::vector<std::string>{"Rich Text Format"});
    const std::string text = Narrow(document->Content()->Text());
    EXPECT_EQ(text.find("CODE"), std::string::npos) << text;
    EXPECT_THAT(text, HasSubstr("Before int main()\r{\r    return 0; // done\r}\r"));
    EXPECT_THAT(text, HasSubstr("after.\rend\r"));
    // In colour, in the exporter's font.
    const std::string html = Html(document);
    EXPECT_THAT(html, ContainsPattern("color:#?[0-9A-Fa-f]{6}[^>]*>(<[^>]*>)*int ?<"));
    EXPECT_THAT(html, HasSubstr("Courier New"));
    EXPECT_EQ(Remembered(), "C/C++");
}

TEST_F(PasteCode, TheRememberedLanguageComesUpSelectedAndApplied)
{
    auto document = Page();
    Remember("Java");
    platform::SetClipboardText(Code);
    auto seen = Run("", false);
    EXPECT_EQ(seen.Language, "Java");
    EXPECT_EQ(seen.Previewed, "Java");

    Remember("object pascal");
    seen = Run("", false);
    EXPECT_EQ(seen.Language, "Object Pascal") << "names are found without regard to case";
}

TEST_F(PasteCode, CancelLeavesClipboardAndDocumentButStoresTheLanguageShown)
{
    auto document = Page();
    Select(document, "CODE");
    platform::SetClipboardText(Code);
    const auto clipboard = platform::GetClipboardBlocks();
    const std::string before = RawText(document);
    auto seen = Run("Perl", false);
    ASSERT_TRUE(seen.Shown);
    EXPECT_EQ(RawText(document), before);
    const auto after = platform::GetClipboardBlocks();
    ASSERT_EQ(after.size(), clipboard.size());
    for (size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].Format, clipboard[i].Format);
        EXPECT_EQ(after[i].Data, clipboard[i].Data);
    }
    EXPECT_EQ(Remembered(), "Perl");
}

TEST_F(PasteCode, TextOfferedOnlyAsUnicodeCounts)
{
    auto document = Page();
    Select(document, "CODE");
    const std::u16string unicode = u"x = \u03c0 * r\u00b2\r\n";
    std::string bytes(reinterpret_cast<const char*>(unicode.data()), unicode.size() * 2);
    platform::SetClipboardBlocks({{platform::ClipboardUnicodeTextFormat, bytes}});
#ifndef _WIN32 // Windows makes the ANSI text from the Unicode text itself
    ASSERT_FALSE(platform::ClipboardHasFormat(platform::ClipboardTextFormat));
#endif
    auto seen = Run("", true);
    ASSERT_TRUE(seen.Shown);
    EXPECT_EQ(seen.Text, u"x = \u03c0 * r\u00b2\n") << "every character as offered";
    EXPECT_NE(document->Content()->Text().find(u"Before x = \u03c0 * r\u00b2\r"), std::u16string::npos);
}

TEST_F(PasteCode, NoTextOnTheClipboardEndsTheCommandSilently)
{
    auto document = Page();
    Select(document, "CODE");
    const std::string before = RawText(document);
    platform::SetClipboardBlocks({{"PNG", "\x89PNG"}});
    Module.PasteCodeClick(Module); // no one answers: a shown dialog would fail
    EXPECT_EQ(RawText(document), before);
    EXPECT_EQ(ClipboardFormats(), std::vector<std::string>{"PNG"});
    EXPECT_EQ(Remembered(), "(no key)");
}

TEST_F(PasteCode, ARememberedNameNotInTheListSelectsNothingAndIsKept)
{
    auto document = Page();
    Select(document, "CODE");
    Remember("COBOL");
    platform::SetClipboardText(Code);
    auto seen = Run("", true);
    EXPECT_EQ(seen.ItemIndex, -1);
    EXPECT_EQ(seen.Language, "");
    EXPECT_EQ(Remembered(), "COBOL") << "nothing selected, nothing stored";
    // What is pasted is the code all the same.
    EXPECT_THAT(Narrow(document->Content()->Text()), HasSubstr("Before int main()\r"));
}

TEST_F(PasteCode, TheDialogAsThePersonSeesIt)
{
    Page();
    platform::SetClipboardText(Code);
    auto answer = ui::ScopedAnswer::Form("TPasteCodeDialog", [&](ui::TForm& form) {
        auto& dialog = dynamic_cast<TPasteCodeDialog&>(form);
        EXPECT_EQ(dialog.Caption(), "Paste Code");
        EXPECT_EQ(dialog.Label1->Caption(), "&Select Language.........");
        EXPECT_EQ(dialog.PreviewEdit->Font.Name, "Courier New");
        EXPECT_EQ(dialog.PreviewEdit->Font.Size(), 10);
        EXPECT_EQ(dialog.RTFExporter.Font.Name, "Courier New");
        EXPECT_EQ(dialog.RTFExporter.Title, "Untitled");
        dialog.BitBtn2->Click();
    });
    Module.PasteCodeClick(Module);
}

} // namespace
} // namespace lorivex::test
