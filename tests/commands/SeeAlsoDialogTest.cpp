// The related-topics command: the tree of topics as the author sees it, and
// the hidden ADDIN field that keeps the chosen paths inside the topic.
#include "commands/CommandFixture.h"
#include "commands/SeeAlsoDialog.h"
#include "compiler/DocumentChapter.h"

namespace lorivex::test {
namespace {

const std::string Hidden = "<w:vanish/>";

class SeeAlso : public CommandTest {
protected:
    // Two levels; Setup has two subtopics.
    word::DocumentPtr Manual(const std::string& inRequirements = "")
    {
        return Document(H(1, T("Intro")) + P(T("intro text")) + H(1, T("Setup")) + P(T("setup text")) +
                        H(2, T("Requirements")) + inRequirements + P(T("requirement text")) +
                        H(2, T("Upgrading")) + P(T("upgrade text")) + H(1, T("Reference")) +
                        P(T("reference text")));
    }

    static ui::TTreeNode* Node(TSeeAlsoDialog& dialog, const std::string& path)
    {
        TStringList parts;
        SplitString(path, '\\', parts);
        ui::TTreeNode* node = nullptr;
        for (const auto& part : parts)
            if (!(node = dialog.FindNode(part.Text, node)))
                break;
        EXPECT_NE(node, nullptr) << "no node for " << path;
        return node;
    }
    static std::vector<std::string> Selected(TSeeAlsoDialog& dialog)
    {
        std::vector<std::string> paths;
        for (int i = 0; i < dialog.TopicTree->SelectionCount(); ++i) {
            std::string path = dialog.TopicTree->Selections(i).Text;
            for (auto* parent = dialog.TopicTree->Selections(i).Parent(); parent; parent = parent->Parent())
                path = parent->Text + "\\" + path;
            paths.push_back(path);
        }
        return paths;
    }

    // Runs the command with the cursor where it is; the answer sees the
    // dialog as it is shown, then OK is pressed unless it closed the dialog.
    void Run(const std::function<void(TSeeAlsoDialog&)>& answer)
    {
        auto registered = ui::ScopedAnswer::Form("TSeeAlsoDialog", [&](ui::TForm& form) {
            auto& dialog = dynamic_cast<TSeeAlsoDialog&>(form);
            answer(dialog);
            if (dialog.ModalResult == ui::mrNone)
                dialog.BitBtn1->Click();
        });
        Module.SeeAlsoClick(Module);
    }
    void Choose(TSeeAlsoDialog& dialog, const std::vector<std::string>& paths)
    {
        for (const auto& path : paths) {
            if (auto* node = Node(dialog, path)) {
                EXPECT_TRUE(dialog.TopicTree->Select(*node, ui::ssCtrl)) << path;
            }
        }
    }

    // The topic's related-topic field, found as the compile run finds it.
    word::FieldPtr TopicField(const word::DocumentPtr& document, const std::string& inTopic)
    {
        CursorAt(document, inTopic);
        return GetRangeField(GetCurrentChapter(document), word::wdFieldAddin, SeeAlsoFieldPrefix);
    }
    static std::string Paragraph(const word::DocumentPtr& document, long index)
    {
        return Narrow(Raw(document->Paragraphs()->Item(index)->Range()));
    }
};

TEST_F(SeeAlso, ANewHiddenFieldGoesRightAfterTheHeadingWithTheChosenPaths)
{
    auto document = Manual();
    CursorAt(document, "requirement text");
    const long paragraphs = document->Paragraphs()->Count();
    Run([&](TSeeAlsoDialog& dialog) { Choose(dialog, {"Reference", "Intro", "Setup\\Upgrading"}); });

    EXPECT_EQ(document->Paragraphs()->Count(), paragraphs + 1);
    EXPECT_EQ(Paragraph(document, 5), "Requirements\r");
    EXPECT_EQ(Paragraph(document, 6), "\x13 ADDIN lxSeeAlsoData \x14\x15\r");
    EXPECT_EQ(Paragraph(document, 7), "requirement text\r");
    EXPECT_EQ(document->Paragraphs()->Item(5)->OutlineLevel(), 2) << "the heading stays a heading";
    auto field = TopicField(document, "requirement text");
    ASSERT_TRUE(field);
    EXPECT_EQ(field->Type(), word::wdFieldAddin);
    // In the order they were chosen, CR LF after each.
    EXPECT_EQ(Narrow(field->Data()), "Reference\r\nIntro\r\nSetup\\Upgrading\r\n");
    // Hidden from one character before the code to one after it.
    auto code = field->Code();
    EXPECT_EQ(document->Range(code->Start() - 1, code->End() + 1)->Font()->Hidden(), -1) << "Word's True";
    EXPECT_EQ(Narrow(document->Paragraphs()->Item(6)->Range()->Text()), "\r") << "nothing of it shows";
    // Other topics have none.
    EXPECT_FALSE(TopicField(document, "upgrade text"));
    EXPECT_FALSE(TopicField(document, "setup text"));
}

TEST_F(SeeAlso, OkWithNothingChosenStillCreatesTheField)
{
    auto document = Manual();
    CursorAt(document, "intro text");
    Run([](TSeeAlsoDialog& dialog) { EXPECT_EQ(dialog.TopicTree->SelectionCount(), 0); });
    auto field = TopicField(document, "intro text");
    ASSERT_TRUE(field);
    EXPECT_EQ(Narrow(field->Data()), "");
    EXPECT_EQ(Paragraph(document, 2), "\x13 ADDIN lxSeeAlsoData \x14\x15\r");
}

TEST_F(SeeAlso, AnExistingFieldIsReusedAndAPathNoLongerInTheDocumentIsDroppedOnOk)
{
    auto document = Manual(P(SeeAlsoData("Intro\r\nInstalling\r\nreference\r\n", Hidden)));
    CursorAt(document, "requirement text");
    const long paragraphs = document->Paragraphs()->Count();
    const long fields = document->Fields()->Count();
    Run([&](TSeeAlsoDialog& dialog) {
        // The stored paths that still name topics come up chosen, in order;
        // case does not matter.
        EXPECT_EQ(Selected(dialog), (std::vector<std::string>{"Intro", "Reference"}));
        EXPECT_TRUE(dialog.TopicTree->Select(*Node(dialog, "Reference"), ui::ssCtrl)); // taken out again
        Choose(dialog, {"Setup\\Upgrading"});
    });
    EXPECT_EQ(document->Paragraphs()->Count(), paragraphs) << "no second field paragraph";
    EXPECT_EQ(document->Fields()->Count(), fields);
    auto field = TopicField(document, "requirement text");
    ASSERT_TRUE(field);
    EXPECT_EQ(Narrow(field->Data()), "Intro\r\nSetup\\Upgrading\r\n");
}

TEST_F(SeeAlso, CancelLeavesTheStoredListAsItWas)
{
    auto document = Manual(P(SeeAlsoData("Intro\r\nInstalling\r\n", Hidden)));
    CursorAt(document, "requirement text");
    const std::string before = RawText(document);
    Run([&](TSeeAlsoDialog& dialog) {
        Choose(dialog, {"Reference"});
        dialog.BitBtn2->Click();
    });
    EXPECT_EQ(RawText(document), before);
    EXPECT_EQ(Narrow(TopicField(document, "requirement text")->Data()), "Intro\r\nInstalling\r\n");

    // Without a field, Cancel adds none.
    CursorAt(document, "intro text");
    Run([&](TSeeAlsoDialog& dialog) { dialog.BitBtn2->Click(); });
    EXPECT_EQ(RawText(document), before);
}

TEST_F(SeeAlso, TheEditedTopicIsMarkedNamedInTheBannerAndCannotBeChosen)
{
    auto document = Manual(P(SeeAlsoData("Setup\\Requirements\r\nIntro\r\n", Hidden)));
    CursorAt(document, "requirement text");
    Run([&](TSeeAlsoDialog& dialog) {
        EXPECT_EQ(dialog.CaptionPanel->Caption(), "Relevant topics for 'Requirements'");
        auto* edited = Node(dialog, "Setup\\Requirements");
        ASSERT_TRUE(edited);
        EXPECT_EQ(edited->ImageIndex, tiEdited);
        EXPECT_EQ(edited->SelectedIndex, tiEdited);
        EXPECT_EQ(edited->StateIndex, tiEdited);
        // Its own path in the stored list does not choose it.
        EXPECT_EQ(Selected(dialog), std::vector<std::string>{"Intro"});
        EXPECT_FALSE(dialog.TopicTree->Select(*edited, ui::ssCtrl));
        dialog.TopicTree->ClickNode(*edited);
        EXPECT_EQ(Selected(dialog), std::vector<std::string>{"Intro"});
        // The others: Setup has subtopics, the rest are pages.
        EXPECT_EQ(Node(dialog, "Setup")->ImageIndex, tiFolder);
        EXPECT_EQ(Node(dialog, "Intro")->ImageIndex, tiPage);
        EXPECT_EQ(Node(dialog, "Setup\\Upgrading")->ImageIndex, tiPage);
        EXPECT_EQ(Node(dialog, "Reference")->ImageIndex, tiPage);
        // Every node is shown.
        for (auto* node : dialog.TopicTree->Items.All()) {
            if (node->HasChildren()) {
                EXPECT_TRUE(node->Expanded()) << node->Text;
            }
        }
        EXPECT_EQ(dialog.TopicTree->Items.Count(), 5);
    });
    EXPECT_EQ(Narrow(TopicField(document, "requirement text")->Data()), "Intro\r\n");
}

TEST_F(SeeAlso, ApostrophesInTheBannersTitleAreDoubled)
{
    auto document = Document(H(1, T("What's new")) + P(T("news")) + H(1, T("Other")) + P(T("other")));
    CursorAt(document, "news");
    std::string caption;
    Run([&](TSeeAlsoDialog& dialog) { caption = dialog.CaptionPanel->Caption(); });
    EXPECT_EQ(caption, "Relevant topics for 'What''s new'");
}

TEST_F(SeeAlso, TheCursorAtTheVeryStartOfAHeadingEditsThatHeadingsTopic)
{
    auto document = Manual();
    CursorAt(document, "Reference");
    Run([&](TSeeAlsoDialog& dialog) {
        EXPECT_EQ(dialog.CaptionPanel->Caption(), "Relevant topics for 'Reference'");
        EXPECT_EQ(Node(dialog, "Reference")->ImageIndex, tiEdited);
        EXPECT_EQ(Node(dialog, "Setup\\Upgrading")->ImageIndex, tiPage);
        Choose(dialog, {"Intro"});
    });
    EXPECT_EQ(Paragraph(document, 9), "Reference\r");
    EXPECT_EQ(Paragraph(document, 10), "\x13 ADDIN lxSeeAlsoData \x14\x15\r");
    EXPECT_FALSE(TopicField(document, "upgrade text"));
}

// A heading followed at once by its first subheading: the topic is the
// heading alone, and the new paragraph stands in front of the subheading.
TEST_F(SeeAlso, ATopicOfOnlyItsHeadingGetsItsFieldInABodyParagraph)
{
    auto document = Document(H(1, T("Intro")) + P(T("intro text")) + H(1, T("Setup")) + H(2, T("Requirements")) +
                             P(T("requirement text")) + H(1, T("Reference")) + P(T("reference text")));
    CursorAt(document, "Setup");
    Run([&](TSeeAlsoDialog& dialog) {
        EXPECT_EQ(dialog.CaptionPanel->Caption(), "Relevant topics for 'Setup'");
        Choose(dialog, {"Reference"});
    });
    EXPECT_EQ(Paragraph(document, 3), "Setup\r");
    EXPECT_EQ(Paragraph(document, 4), "\x13 ADDIN lxSeeAlsoData \x14\x15\r");
    EXPECT_EQ(document->Paragraphs()->Item(4)->OutlineLevel(), word::wdOutlineLevelBodyText);
    EXPECT_EQ(Paragraph(document, 5), "Requirements\r");
    EXPECT_EQ(document->Paragraphs()->Item(5)->OutlineLevel(), 2);
    // The document's topics are those it had.
    std::vector<std::string> paths;
    TLvxDocumentHelper().WalkTopics(document, [&](const std::string& path, long, long) { paths.push_back(path); });
    EXPECT_EQ(paths, (std::vector<std::string>{"Intro", "Setup", "Setup\\Requirements", "Reference"}));
    auto field = TopicField(document, "Setup");
    ASSERT_TRUE(field);
    EXPECT_EQ(Narrow(field->Data()), "Reference\r\n");

    // The next time the topic's field is found and reused.
    const long paragraphs = document->Paragraphs()->Count();
    CursorAt(document, "Setup");
    Run([&](TSeeAlsoDialog& dialog) {
        EXPECT_EQ(Selected(dialog), std::vector<std::string>{"Reference"});
        Choose(dialog, {"Intro"});
    });
    EXPECT_EQ(document->Paragraphs()->Count(), paragraphs);
    EXPECT_EQ(Narrow(TopicField(document, "Setup")->Data()), "Reference\r\nIntro\r\n");
}

TEST_F(SeeAlso, TopicsWithTheSamePathShareOneNodeAndAreStoredOnce)
{
    auto document = Document(H(1, T("Intro")) + P(T("first")) + H(1, T("INTRO")) + P(T("second")) +
                             H(1, T("Other")) + P(T("other")));
    CursorAt(document, "other");
    Run([&](TSeeAlsoDialog& dialog) {
        EXPECT_EQ(dialog.TopicTree->Items.Count(), 2);
        Choose(dialog, {"Intro"});
    });
    EXPECT_EQ(Narrow(TopicField(document, "other")->Data()), "Intro\r\n");
}

TEST_F(SeeAlso, AParentBecomesAFolderOnlyWhenASecondPathPassesThroughIt)
{
    auto document = Document(H(1, T("A")) + H(2, T("B")) + H(1, T("C")) + H(2, T("D")) + H(2, T("E")) +
                             H(1, T("F")) + P(T("here")));
    CursorAt(document, "here");
    Run([&](TSeeAlsoDialog& dialog) {
        EXPECT_EQ(Node(dialog, "A")->ImageIndex, tiPage) << "one subtopic without subtopics";
        EXPECT_EQ(Node(dialog, "A\\B")->ImageIndex, tiPage);
        EXPECT_EQ(Node(dialog, "C")->ImageIndex, tiFolder);
        EXPECT_EQ(Node(dialog, "C\\D")->ImageIndex, tiPage);
        EXPECT_EQ(Node(dialog, "C\\E")->ImageIndex, tiPage);
    });
}

TEST_F(SeeAlso, ATopLevelHeadingNamedLikeAnEarlierSubheadingHasItsOwnNode)
{
    auto document = Document(H(1, T("A")) + H(2, T("B")) + H(1, T("B")) + P(T("here")));
    CursorAt(document, "A");
    Run([&](TSeeAlsoDialog& dialog) {
        ASSERT_EQ(dialog.TopicTree->Items.TopLevelCount(), 2);
        EXPECT_EQ(dialog.TopicTree->Items.TopLevel(1).Text, "B");
        EXPECT_EQ(dialog.TopicTree->Items.TopLevel(0).Count(), 1);
        dialog.TopicTree->Select(dialog.TopicTree->Items.TopLevel(1), ui::ssCtrl);
        Choose(dialog, {"A\\B"});
    });
    EXPECT_EQ(Narrow(TopicField(document, "A")->Data()), "B\r\nA\\B\r\n");
}

TEST_F(SeeAlso, ATitleWithABackslashShowsAsNestedNodesAndKeepsItsPath)
{
    auto document = Document(H(1, T("Input\\Output")) + P(T("io")) + H(1, T("Other")) + P(T("other")));
    CursorAt(document, "other");
    Run([&](TSeeAlsoDialog& dialog) {
        ASSERT_TRUE(Node(dialog, "Input\\Output"));
        EXPECT_EQ(dialog.TopicTree->Items.TopLevel(0).Text, "Input");
        Choose(dialog, {"Input\\Output"});
    });
    EXPECT_EQ(Narrow(TopicField(document, "other")->Data()), "Input\\Output\r\n");
}

TEST_F(SeeAlso, WithTwoFieldsInATopicTheLaterOneIsReadAndRewritten)
{
    auto document = Document(H(1, T("Intro")) + P(SeeAlsoData("Other\r\n", Hidden)) + P(T("text")) +
                             P(SeeAlsoData("Third\r\n", Hidden)) + H(1, T("Other")) + P(T("other")) +
                             H(1, T("Third")) + P(T("third")));
    CursorAt(document, "text");
    Run([&](TSeeAlsoDialog& dialog) {
        EXPECT_EQ(Selected(dialog), std::vector<std::string>{"Third"});
        Choose(dialog, {"Other"});
    });
    ASSERT_EQ(document->Fields()->Count(), 2);
    EXPECT_EQ(Narrow(document->Fields()->Item(1)->Data()), "Other\r\n");
    EXPECT_EQ(Narrow(document->Fields()->Item(2)->Data()), "Third\r\nOther\r\n");
}

TEST_F(SeeAlso, TheChoiceSurvivesSavingAndOpeningTheDocument)
{
    auto document = Manual();
    CursorAt(document, "requirement text");
    Run([&](TSeeAlsoDialog& dialog) { Choose(dialog, {"Intro", "Setup\\Upgrading"}); });
    const std::string path = Folder / "saved.docx";
    document->SaveAs(word::ToWord(path), word::wdFormatXMLDocument, false);
    document->Close();
    auto again = App->Documents()->Open(word::ToWord(path));
    auto field = TopicField(again, "requirement text");
    ASSERT_TRUE(field);
    EXPECT_EQ(Narrow(field->Data()), "Intro\r\nSetup\\Upgrading\r\n");
    auto code = field->Code();
    EXPECT_EQ(again->Range(code->Start() - 1, code->End() + 1)->Font()->Hidden(), -1) << "Word's True";
}

} // namespace
} // namespace lorivex::test
