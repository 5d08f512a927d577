#include "ui/TreeView.h"

#include <algorithm>

namespace lorivex::ui {

TTreeNode::TTreeNode(TTreeView& tree, TTreeNode* parent, std::string text)
    : Text(std::move(text)), tree_(tree), parent_(parent) {}

void TTreeNode::Expand(bool recurse)
{
    // The tree is told once, however deep the expansion goes.
    std::function<void(TTreeNode&)> expand = [&](TTreeNode& node) {
        node.expanded_ = true;
        if (recurse)
            for (auto& child : node.children_)
                expand(*child);
    };
    expand(*this);
    tree_.Changed(ControlChange::State);
}

void TTreeNode::Collapse()
{
    expanded_ = false;
    tree_.Changed(ControlChange::State);
}

bool TTreeNode::Selected() const
{
    return tree_.IsSelected(*this);
}

TTreeNode& TTreeNodes::AddChild(TTreeNode* parent, const std::string& text)
{
    auto& siblings = parent ? parent->children_ : topLevel_;
    siblings.push_back(std::make_unique<TTreeNode>(tree_, parent, text));
    tree_.Changed(ControlChange::Items);
    return *siblings.back();
}

void TTreeNodes::Clear()
{
    tree_.ClearSelection();
    topLevel_.clear();
    tree_.Changed(ControlChange::Items);
}

std::vector<TTreeNode*> TTreeNodes::All() const
{
    std::vector<TTreeNode*> all;
    std::function<void(const std::vector<std::unique_ptr<TTreeNode>>&)> walk =
        [&](const std::vector<std::unique_ptr<TTreeNode>>& nodes) {
            for (const auto& node : nodes) {
                all.push_back(node.get());
                walk(node->children_);
            }
        };
    walk(topLevel_);
    return all;
}

int TTreeNodes::Count() const
{
    return int(All().size());
}

bool TTreeView::Select(TTreeNode& node, TShiftState shift)
{
    bool allow = true;
    if (OnChanging)
        OnChanging(*this, node, allow);
    if (!allow)
        return false;
    if (MultiSelect && (shift & ssCtrl)) {
        auto at = std::find(selection_.begin(), selection_.end(), &node);
        if (at != selection_.end())
            selection_.erase(at);
        else
            selection_.push_back(&node);
    } else {
        selection_.assign(1, &node);
    }
    Changed(ControlChange::State);
    if (OnChange)
        OnChange(*this, node);
    return true;
}

void TTreeView::ClickNode(TTreeNode& node, TShiftState shift)
{
    if (Reachable())
        Select(node, shift);
}

void TTreeView::ClearSelection()
{
    selection_.clear();
    Changed(ControlChange::State);
}

bool TTreeView::IsSelected(const TTreeNode& node) const
{
    return std::find(selection_.begin(), selection_.end(), &node) != selection_.end();
}

void TTreeView::FullExpand()
{
    for (int i = 0; i < Items.TopLevelCount(); ++i)
        Items.TopLevel(i).Expand(true);
}

} // namespace lorivex::ui
