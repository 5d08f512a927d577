#include "commands/SeeAlsoDialog.h"

#include "commands/Glyphs.h"
#include "compiler/DocumentChapter.h"
#include "compiler/LvxDocumentHelper.h"
#include "base/Finally.h"
#include "services/CaptionBanner.h"
#include "services/DialogFrame.h"
#include "services/LorivexUtils.h"
#include "services/word/Word.h"
#include "services/word/WordText.h"

namespace lorivex {

using namespace ui;

namespace {

// Node texts are trimmed of leading and trailing characters up to the blank.
std::string NodeText(const std::string& part)
{
    return Trim(part);
}

// The node's path: its text behind those of its ancestors, nearest last.
std::string NodePath(const TTreeNode& node)
{
    std::string path = node.Text;
    for (const TTreeNode* parent = node.Parent(); parent; parent = parent->Parent())
        path = parent->Text + "\\" + path;
    return path;
}

void SetImages(TTreeNode& node, int index)
{
    node.ImageIndex = node.SelectedIndex = node.StateIndex = index;
}

// Apostrophes inside a quoted title are doubled.
std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

TSeeAlsoDialog::TSeeAlsoDialog()
{
    SetCaption("See Also");
    BorderStyle = TFormBorderStyle::SizeToolWin;
    Position = TPosition::ScreenCenter;
    SetBounds(0, 0, 372, 663);
    CaptionPanel = Add<TPanel>("CaptionPanel");
    CaptionPanel->SetAlign(TAlign::Top);
    CaptionPanel->SetHeight(25);
    CaptionPanel->SetCaption("Relevant topics");
    CaptionPaintBox = CaptionPanel->Add<TPaintBox>("CaptionPaintBox");
    CaptionPaintBox->SetAlign(TAlign::Client);
    CaptionPaintBox->OnPaint = Handler(&TSeeAlsoDialog::CaptionPaintBoxPaint);
    Panel1 = Add<TPanel>("Panel1");
    Panel1->SetAlign(TAlign::Bottom);
    Panel1->SetHeight(41);
    BitBtn1 = Panel1->Add<TBitBtn>("BitBtn1");
    BitBtn1->SetKind(TBitBtnKind::Ok);
    BitBtn1->SetBounds(8, 8, 75, 25);
    BitBtn1->OnClick = Handler(&TSeeAlsoDialog::BitBtn1Click);
    BitBtn2 = Panel1->Add<TBitBtn>("BitBtn2");
    BitBtn2->SetKind(TBitBtnKind::Cancel);
    BitBtn2->SetBounds(92, 8, 75, 25);
    ImageList1.Add(MakeGlyph(TGlyph::Folder));
    ImageList1.Add(MakeGlyph(TGlyph::Page));
    ImageList1.Add(MakeGlyph(TGlyph::PageWithPencil));
    TopicTree = Add<TTreeView>("TopicTree");
    TopicTree->SetAlign(TAlign::Client);
    TopicTree->Images = &ImageList1;
    TopicTree->Indent = 19;
    TopicTree->MultiSelect = true;
    TopicTree->ReadOnly = true;
    TopicTree->HideSelection = false;
    TopicTree->OnChanging = Handler(&TSeeAlsoDialog::TopicTreeChanging);
    TopicTree->OnChange = Handler(&TSeeAlsoDialog::TopicTreeChange);
    OnCreate = Handler(&TSeeAlsoDialog::FormCreate);
}

void TSeeAlsoDialog::FormCreate(TComponent&)
{
    FSelectedTopics.Clear();
    FSelectedTopics.CaseSensitive = false;
}

void TSeeAlsoDialog::FormDestroy(TComponent&)
{
    FSelectedTopics.Clear();
}

void TSeeAlsoDialog::CaptionPaintBoxPaint(TComponent& sender)
{
    PaintCaptionBanner(dynamic_cast<TPaintBox&>(sender), true);
}

void TSeeAlsoDialog::TopicTreeChanging(TComponent&, TTreeNode& node, bool& allowChange)
{
    allowChange = node.ImageIndex != tiEdited;
}

void TSeeAlsoDialog::TopicTreeChange(TComponent&, TTreeNode&) {}
void TSeeAlsoDialog::BitBtn1Click(TComponent&) {}
void TSeeAlsoDialog::PlacesListViewClick(TComponent&) {}

void TSeeAlsoDialog::Execute(const word::DocumentPtr& document)
{
    Guard("Execute", [&] {
        word::RangePtr chapter;
        word::FieldPtr field;
        Application().SetScreenCursor(TCursor::HourGlass);
        Finally(
            [&] {
                FDocument = document;
                chapter = GetCurrentChapter(FDocument);
                field = GetRangeField(chapter, word::wdFieldAddin, SeeAlsoFieldPrefix);
                if (field)
                    FSelectedTopics.SetText(word::FromWord(field->Data()));
                GenerateTopicTree();
                for (int i = 0; i < TopicTree->Items.TopLevelCount(); ++i)
                    TopicTree->Items.TopLevel(i).Expand(true);
                for (const auto& entry : FSelectedTopics)
                    if (entry.Tag)
                        TopicTree->Select(*reinterpret_cast<TTreeNode*>(entry.Tag), ssCtrl);
            },
            [&] { Application().SetScreenCursor(TCursor::Default); });
        if (ShowModalDialog(*this) != mrOk)
            return;
        UpdateSelected();
        word::RangePtr paragraph;
        const bool created = !field;
        if (created) {
            chapter->Paragraphs()->Item(1)->Range()->InsertParagraphAfter();
            paragraph = chapter->Paragraphs()->Item(2)->Range();
            field = paragraph->Fields()->Add(paragraph, word::wdFieldAddin, u"lxSeeAlsoData", true);
        }
        field->SetData(word::ToWord(FSelectedTopics.Text()));
        if (created) {
            auto code = field->Code();
            paragraph->SetRange(code->Start() - 1, code->End() + 1);
            paragraph->Font()->SetHidden(1);
        }
    });
}

bool TSeeAlsoDialog::GenerateTopicTree()
{
    return Guard("GenerateTopicTree", [&] {
        TopicTree->Items.Clear();
        selectionStart_ = FDocument->ActiveWindow()->Selection()->Start();
        // Exactly the compile run's walk: the same topics, paths and ranges.
        TLvxDocumentHelper walk;
        walk.WalkTopics(FDocument, [&](const std::string& path, long start, long end) {
            if (!path.empty())
                CreateChapterNode(path, start, end);
        });
        return true;
    });
}

void TSeeAlsoDialog::CreateChapterNode(const std::string& path, long start, long end)
{
    Guard("CreateChapterNode", [&] {
        auto range = FDocument->Range(start, end);
        TStringList parts;
        SplitString(path, '\\', parts);
        TTreeNode* parent = nullptr;
        for (const auto& part : parts) {
            TTreeNode* node = FindNode(part.Text, parent);
            if (node && node->HasChildren() && node->ImageIndex > tiFolder)
                SetImages(*node, tiFolder);
            if (!node) {
                node = &TopicTree->Items.AddChild(parent, NodeText(part.Text));
                SetImages(*node, tiPage);
                if (int at = FSelectedTopics.IndexOf(path); at >= 0)
                    FSelectedTopics.Items(at).Tag = reinterpret_cast<std::intptr_t>(node);
                if (range->Start() <= selectionStart_ && selectionStart_ < range->End()) {
                    SetImages(*node, tiEdited);
                    CaptionPanel->SetCaption("Relevant topics for " + Quoted(node->Text));
                }
            }
            parent = node;
        }
    });
}

TTreeNode* TSeeAlsoDialog::FindNode(const std::string& text, TTreeNode* parent)
{
    return Guard("FindNode", [&]() -> TTreeNode* {
        const int count = parent ? parent->Count() : TopicTree->Items.TopLevelCount();
        for (int i = 0; i < count; ++i) {
            TTreeNode& node = parent ? parent->Item(i) : TopicTree->Items.TopLevel(i);
            if (SameText(node.Text, text))
                return &node;
        }
        return nullptr;
    });
}

void TSeeAlsoDialog::UpdateSelected()
{
    Guard("UpdateSelected", [&] {
        FSelectedTopics.Clear();
        for (int i = 0; i < TopicTree->SelectionCount(); ++i)
            FSelectedTopics.Add(NodePath(TopicTree->Selections(i)));
    });
}

} // namespace lorivex
