#pragma once
// A tree of text nodes with pictures. Each node carries three image indexes
// (normal, selected, state). With MultiSelect a Ctrl-click adds a node to the
// selection or takes it out again, a plain click makes it the only one; the
// selection keeps the order in which nodes were added. OnChanging may refuse
// any change of selection to a node, by the user or by the program.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/Picture.h"

namespace lorivex::ui {

class TTreeView;

class TTreeNode {
public:
    TTreeNode(TTreeView& tree, TTreeNode* parent, std::string text);

    std::string Text;
    int ImageIndex = -1;
    int SelectedIndex = -1;
    int StateIndex = -1;
    std::shared_ptr<void> Data;

    TTreeNode* Parent() const { return parent_; }
    TTreeView& TreeView() const { return tree_; }
    int Count() const { return int(children_.size()); }
    bool HasChildren() const { return !children_.empty(); }
    TTreeNode& Item(int index) const { return *children_.at(size_t(index)); }
    int Level() const { return parent_ ? parent_->Level() + 1 : 0; }

    bool Expanded() const { return expanded_; }
    void Expand(bool recurse);
    void Collapse();
    bool Selected() const;

private:
    friend class TTreeNodes;
    TTreeView& tree_;
    TTreeNode* parent_;
    std::vector<std::unique_ptr<TTreeNode>> children_;
    bool expanded_ = false;
};

class TTreeNodes {
public:
    explicit TTreeNodes(TTreeView& tree) : tree_(tree) {}
    // A new last child of parent; a new last top-level node without one.
    TTreeNode& AddChild(TTreeNode* parent, const std::string& text);
    void Clear();
    int TopLevelCount() const { return int(topLevel_.size()); }
    TTreeNode& TopLevel(int index) const { return *topLevel_.at(size_t(index)); }
    int Count() const; // every node, at any level
    // Every node in display order: a node, then its children.
    std::vector<TTreeNode*> All() const;

private:
    TTreeView& tree_;
    std::vector<std::unique_ptr<TTreeNode>> topLevel_;
};

class TTreeView : public TControl {
public:
    TTreeView() : Items(*this) { Color = clWindow; }
    TTreeNodes Items;
    TImageList* Images = nullptr;
    int Indent = 19;
    bool MultiSelect = false;
    bool ReadOnly = false;
    bool HideSelection = true;

    // ssCtrl in shift: toggle the node in a multi-selection; otherwise the
    // node becomes the only selected one. Returns false when refused.
    bool Select(TTreeNode& node, TShiftState shift = 0);
    // A person's click on a node (out of reach: nothing happens).
    void ClickNode(TTreeNode& node, TShiftState shift = 0);
    void ClearSelection();
    int SelectionCount() const { return int(selection_.size()); }
    TTreeNode& Selections(int index) const { return *selection_.at(size_t(index)); }
    TTreeNode* Selected() const { return selection_.empty() ? nullptr : selection_.back(); }
    bool IsSelected(const TTreeNode& node) const;
    void FullExpand();

    std::function<void(TComponent& sender, TTreeNode& node, bool& allowChange)> OnChanging;
    std::function<void(TComponent& sender, TTreeNode& node)> OnChange;

private:
    friend class TTreeNodes;
    friend class TTreeNode;
    std::vector<TTreeNode*> selection_;
};

} // namespace lorivex::ui
