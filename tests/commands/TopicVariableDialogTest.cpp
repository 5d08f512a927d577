// The topic-variable command: a DOCPROPERTY field naming one of the five
// per-topic variables, and a sample value for a property that has none.
#include "commands/CommandFixture.h"
#include "commands/TopicVariableDialog.h"
#include "platform/Locale.h"

namespace lorivex::test {
namespace {

class TopicVariable : public CommandTest {
protected:
    word::DocumentPtr Page(DocxBuilder builder)
    {
        return Open(builder.Body(H(1, T("Intro")) + P(T("Written by NAME today."))),
                    "page" + std::to_string(++pages_) + ".docx");
    }
    word::DocumentPtr Page() { return Page(DocxBuilder()); }

    // Runs the command choosing the radio item; OK unless told otherwise.
    void Insert(int item, bool ok = true)
    {
        auto answer = ui::ScopedAnswer::Form("TTopicVariableDialog", [&](ui::TForm& form) {
            auto& dialog = dynamic_cast<TTopicVariableDialog&>(form);
            EXPECT_EQ(dialog.TopicVariableGroup->ItemIndex(), 0) << "Topic Title comes preselected";
            dialog.TopicVariableGroup->Choose(item);
            (ok ? dialog.BitBtn1 : dialog.BitBtn2)->Click();
        });
        Module.InsertTopicVariableClick(Module);
    }

    static std::vector<word::FieldPtr> Fields(const word::DocumentPtr& document)
    {
        std::vector<word::FieldPtr> fields;
        for (long i = 1; i <= document->Fields()->Count(); ++i)
            fields.push_back(document->Fields()->Item(i));
        return fields;
    }
    static long CustomProperties(const word::DocumentPtr& document)
    {
        return document->CustomDocumentProperties()->Count();
    }

private:
    int pages_ = 0;
};

TEST_F(TopicVariable, EachVariableGetsItsFieldAndASampleValue)
{
    const std::pair<std::string, std::string> variables[] = {
        {"lxTopicTitle", "Topic Title"},
        {"lxCompiledFile", "CompiledFile.chm"},
        {"lxCompileTime", "dd.mm.yyyy"},
        {"lxSeeAlsoLinks", "Topic1, Topic2, Topic3"},
        {"lxSeeAlsoPopup", "See also"},
    };
    for (int item = 0; item < 5; ++item) {
        const auto& [name, sample] = variables[item];
        auto document = Page(DocxBuilder().CustomProperty("lxDateFormat", "dd.mm.yyyy"));
        CursorAt(document, "NAME");
        Insert(item);
        auto fields = Fields(document);
        ASSERT_EQ(fields.size(), 1u) << name;
        EXPECT_EQ(fields[0]->Type(), word::wdFieldDocProperty) << name;
        EXPECT_EQ(Narrow(fields[0]->Code()->Text()), " DOCPROPERTY " + name + " ");
        EXPECT_EQ(Narrow(fields[0]->Result()->Text()), sample) << "the field shows the sample";
        EXPECT_EQ(GetDocProperty(document, name), sample);
        EXPECT_EQ(Narrow(document->Paragraphs()->Item(2)->Range()->Text()), "Written by " + sample + "NAME today.\r")
            << "inserted at the cursor";
        EXPECT_EQ(CustomProperties(document), 2) << "only the variable's own property is added";
        document->Close();
    }
}

TEST_F(TopicVariable, TheDialogsItemsNameTheVariables)
{
    Page();
    auto answer = ui::ScopedAnswer::Form("TTopicVariableDialog", [&](ui::TForm& form) {
        auto& dialog = dynamic_cast<TTopicVariableDialog&>(form);
        EXPECT_EQ(dialog.Caption(), "Insert Topic Variable");
        EXPECT_EQ(dialog.TopicVariableGroup->Caption(), "Variable type");
        std::vector<std::string> items;
        for (int i = 0; i < dialog.TopicVariableGroup->Items.Count(); ++i)
            items.push_back(dialog.TopicVariableGroup->Items[i]);
        EXPECT_EQ(items, (std::vector<std::string>{"Topic Title", "Compiled Filename", "Compiled date and time",
                                                   "See also (Links)", "See also (Popup Menu)"}));
        dialog.BitBtn2->Click();
    });
    Module.InsertTopicVariableClick(Module);
}

TEST_F(TopicVariable, AValueAlreadySetIsKeptAndShown)
{
    auto document = Page(DocxBuilder().CustomProperty("lxCompiledFile", "Manual.chm"));
    CursorAt(document, "NAME");
    Insert(1);
    EXPECT_EQ(GetDocProperty(document, "lxCompiledFile"), "Manual.chm");
    EXPECT_EQ(Narrow(Fields(document).at(0)->Result()->Text()), "Manual.chm");
}

TEST_F(TopicVariable, TheSecondTitleFieldFindsThePropertySet)
{
    auto document = Page();
    CursorAt(document, "NAME");
    Insert(0);
    SetDocProperty(document, "lxTopicTitle", "Introduction");
    CursorAt(document, "today");
    Insert(0);
    EXPECT_EQ(GetDocProperty(document, "lxTopicTitle"), "Introduction");
    auto fields = Fields(document);
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(Narrow(fields[1]->Result()->Text()), "Introduction");
    EXPECT_EQ(CustomProperties(document), 1);
}

TEST_F(TopicVariable, AnEmptyPropertyGetsTheSample)
{
    auto document = Page(DocxBuilder().CustomProperty("lxSeeAlsoPopup", ""));
    CursorAt(document, "NAME");
    Insert(4);
    EXPECT_EQ(GetDocProperty(document, "lxSeeAlsoPopup"), "See also");
    EXPECT_EQ(CustomProperties(document), 1) << "the empty property is set, not added again";
}

TEST_F(TopicVariable, TheCompileTimesSampleIsTheDateFormatItself)
{
    auto document = Page(DocxBuilder().CustomProperty("lxDateFormat", "yyyy-mm-dd"));
    CursorAt(document, "NAME");
    Insert(2);
    EXPECT_EQ(GetDocProperty(document, "lxCompileTime"), "yyyy-mm-dd");

    // Without a format of the document's own: the user's long date pattern.
    auto plain = Page();
    CursorAt(plain, "NAME");
    Insert(2);
    const std::string pattern = platform::UserFormatSettings().LongDateFormat;
    ASSERT_FALSE(pattern.empty());
    EXPECT_EQ(GetDocProperty(plain, "lxCompileTime"), pattern);
}

TEST_F(TopicVariable, SelectedTextIsReplacedByTheField)
{
    auto document = Page();
    Select(document, "NAME");
    Insert(0);
    EXPECT_EQ(Narrow(document->Paragraphs()->Item(2)->Range()->Text()), "Written by Topic Title today.\r");
    EXPECT_EQ(Narrow(Raw(document->Paragraphs()->Item(2)->Range())),
              "Written by \x13 DOCPROPERTY lxTopicTitle \x14Topic Title\x15 today.\r");
}

TEST_F(TopicVariable, CancelChangesNothing)
{
    auto document = Page();
    Select(document, "NAME");
    const std::string before = RawText(document);
    Insert(3, false);
    EXPECT_EQ(RawText(document), before);
    EXPECT_EQ(CustomProperties(document), 0);
}

} // namespace
} // namespace lorivex::test
