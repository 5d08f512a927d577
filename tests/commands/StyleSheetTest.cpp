// The linked-stylesheet command: the path kept in the document property
// lxCustomStyleSheet, chosen with the open dialog, and the choice to keep,
// replace or remove a stylesheet the document already names.
#include "commands/CommandFixture.h"
#include "commands/StyleSheetDialog.h"

namespace lorivex::test {
namespace {

constexpr char Property[] = "lxCustomStyleSheet";

class StyleSheet : public CommandTest {
protected:
    word::DocumentPtr Page(const std::string& current = "")
    {
        DocxBuilder builder;
        if (!current.empty())
            builder.CustomProperty(Property, current);
        return Open(builder.Body(H(1, T("Intro")) + P(T("text"))));
    }

    struct Seen {
        std::vector<std::string> Items;
        int Preselected = -2;
        int FileDialogs = 0;
        std::string FilterShown;
    };

    // Runs the command: the choice dialog answered with the item (-1:
    // Cancel), the open dialog with the file (empty: Cancel).
    Seen Run(int choice, const std::string& file)
    {
        Seen seen;
        auto dialog = ui::ScopedAnswer::Form("TStyleSheetDialog", [&](ui::TForm& form) {
            auto& d = dynamic_cast<TStyleSheetDialog&>(form);
            for (int i = 0; i < d.RadioGroup->Items.Count(); ++i)
                seen.Items.push_back(d.RadioGroup->Items[i]);
            seen.Preselected = d.RadioGroup->ItemIndex();
            if (choice < 0) {
                d.BitBtn2->Click();
                return;
            }
            d.RadioGroup->Choose(choice);
            d.BitBtn1->Click();
        });
        auto open = ui::ScopedAnswer::FileDialog("OpenStyleSheetDlg",
                                                 [&](const ui::TFileDialog& d) -> std::optional<std::string> {
                                                     ++seen.FileDialogs;
                                                     seen.FilterShown = d.Filter;
                                                     if (file.empty())
                                                         return std::nullopt;
                                                     return file;
                                                 });
        Module.IncludeCustomStyleSheetClick(Module);
        return seen;
    }
    static bool HasProperty(const word::DocumentPtr& document)
    {
        auto properties = document->CustomDocumentProperties();
        for (long i = 1; i <= properties->Count(); ++i)
            if (word::FromWord(properties->Item(i)->Name()) == Property)
                return true;
        return false;
    }
};

TEST_F(StyleSheet, WithoutOneTheCommandGoesStraightToTheOpenDialog)
{
    auto document = Page();
    auto seen = Run(0, "C:\\Styles\\help.css");
    EXPECT_TRUE(seen.Items.empty()) << "no choice to make";
    EXPECT_EQ(seen.FileDialogs, 1);
    EXPECT_EQ(seen.FilterShown, "Style Sheet Files (*.css)|*.css|Any file (*.*)|*.*");
    EXPECT_EQ(GetDocProperty(document, Property), "C:\\Styles\\help.css");
}

TEST_F(StyleSheet, DismissingTheOpenDialogAddsNothing)
{
    auto document = Page();
    auto seen = Run(0, "");
    EXPECT_EQ(seen.FileDialogs, 1);
    EXPECT_FALSE(HasProperty(document));
}

TEST_F(StyleSheet, TheChoiceNamesTheCurrentFileAndProposesANewOne)
{
    auto document = Page("C:\\Styles\\help.css");
    auto seen = Run(1, "/home/author/styles/print.css");
    EXPECT_EQ(seen.Items, (std::vector<std::string>{"Keep existing stylesheet (help.css)", "Select a new stylesheet",
                                                    "Remove existing stylesheet"}));
    EXPECT_EQ(seen.Preselected, 1);
    EXPECT_EQ(seen.FileDialogs, 1);
    EXPECT_EQ(GetDocProperty(document, Property), "/home/author/styles/print.css");

    // A path written here names its file the same way.
    seen = Run(-1, "");
    EXPECT_EQ(seen.Items.at(0), "Keep existing stylesheet (print.css)");
}

TEST_F(StyleSheet, KeepingOrCancellingLeavesThePathAndOpensNoFileDialog)
{
    auto document = Page("C:\\Styles\\help.css");
    for (int choice : {0, -1}) {
        auto seen = Run(choice, "/elsewhere/other.css");
        EXPECT_EQ(seen.FileDialogs, 0) << choice;
        EXPECT_EQ(GetDocProperty(document, Property), "C:\\Styles\\help.css") << choice;
    }
}

TEST_F(StyleSheet, RemovingEmptiesThePropertyAndTheNextUseGoesStraightToTheOpenDialog)
{
    auto document = Page("C:\\Styles\\help.css");
    auto seen = Run(2, "/elsewhere/other.css");
    EXPECT_EQ(seen.FileDialogs, 0);
    EXPECT_TRUE(HasProperty(document)) << "the property stays, empty";
    EXPECT_EQ(GetDocProperty(document, Property), "");

    seen = Run(0, "/styles/new.css");
    EXPECT_TRUE(seen.Items.empty());
    EXPECT_EQ(GetDocProperty(document, Property), "/styles/new.css");
}

TEST_F(StyleSheet, ChoosingANewOneAndThenCancellingKeepsTheOldPath)
{
    auto document = Page("C:\\Styles\\help.css");
    auto seen = Run(1, "");
    EXPECT_EQ(seen.FileDialogs, 1);
    EXPECT_EQ(GetDocProperty(document, Property), "C:\\Styles\\help.css");
}

TEST_F(StyleSheet, TheOpenDialogStartsFromTheFileChosenBefore)
{
    auto document = Page();
    Run(0, "/styles/first.css");
    std::string proposed = "unset";
    auto open = ui::ScopedAnswer::FileDialog("OpenStyleSheetDlg", [&](const ui::TFileDialog& d) {
        proposed = d.FileName;
        return std::optional<std::string>();
    });
    auto choose = ui::ScopedAnswer::Form("TStyleSheetDialog", [](ui::TForm& form) { form.PressEnter(); });
    Module.IncludeCustomStyleSheetClick(Module);
    EXPECT_EQ(proposed, "/styles/first.css");
}

} // namespace
} // namespace lorivex::test
