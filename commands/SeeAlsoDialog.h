#pragma once
// TSeeAlsoDialog: the related topics of the topic holding the cursor,
// chosen from a tree of every topic of the document and kept inside that
// topic as a hidden ADDIN field whose data lists the chosen topic paths.
#include "services/StringList.h"
#include "services/word/Forward.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Panels.h"
#include "ui/TreeView.h"

namespace lorivex {

// The picture indexes of the tree's nodes.
enum TTopicImage { tiFolder = 0, tiPage = 1, tiEdited = 2 };

class TSeeAlsoDialog : public ui::TForm {
public:
    TSeeAlsoDialog();

    ui::TPanel* CaptionPanel;
    ui::TPaintBox* CaptionPaintBox;
    ui::TTreeView* TopicTree;
    ui::TPanel* Panel1;
    ui::TBitBtn* BitBtn1;
    ui::TBitBtn* BitBtn2;
    ui::TImageList ImageList1;

    word::DocumentPtr FDocument;
    // Topic paths, without regard to case; an entry's Tag is the tree node
    // that shows its path (0 for none).
    TStringList FSelectedTopics;

    void Execute(const word::DocumentPtr& document);
    bool GenerateTopicTree();
    void CreateChapterNode(const std::string& path, long start, long end);
    ui::TTreeNode* FindNode(const std::string& text, ui::TTreeNode* parent);
    void UpdateSelected();

    void FormCreate(ui::TComponent& sender);
    void FormDestroy(ui::TComponent& sender);
    void CaptionPaintBoxPaint(ui::TComponent& sender);
    void TopicTreeChanging(ui::TComponent& sender, ui::TTreeNode& node, bool& allowChange);
    void TopicTreeChange(ui::TComponent& sender, ui::TTreeNode& node);
    void BitBtn1Click(ui::TComponent& sender);
    void PlacesListViewClick(ui::TComponent& sender);

private:
    long selectionStart_ = 0;
};

// The related-topic field's code text and the word after ADDIN.
inline constexpr char SeeAlsoFieldPrefix[] = " ADDIN lxSeeAlsoData";

} // namespace lorivex
