#pragma once
// A tree view on the system's tree control, with the toolkit's selection
// model: the system control knows one selected item, the toolkit a list
// (Ctrl+click adds a node or takes it out). Clicks on items therefore go to
// the toolkit (TTreeView::ClickNode, which asks OnChanging), and the items'
// selected marks and the caret are set from the toolkit's selection.
// Keyboard moves are the toolkit's plain clicks; expanding and collapsing by
// a person reach the nodes. Nodes added in a burst are put into the control
// once, when the burst is over.
#include <unordered_map>
#include <vector>

#include "ui/TreeView.h"
#include "ui/win32/WindowPeer.h"

namespace lorivex::ui::win32 {

class TreeViewPeer : public WindowPeer {
public:
    explicit TreeViewPeer(TTreeView& tree) : WindowPeer(tree), tree_(tree) {}
    ~TreeViewPeer() override;
    void Changed(ControlChange what) override;
    void Refresh() override;
    bool Notify(NMHDR& header, LRESULT& result) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The control's item of a node; nullptr when it has none (yet).
    HTREEITEM ItemOf(const TTreeNode& node);

protected:
    Params CreationParams() override;

private:
    struct Shown {
        const TTreeNode* Node;
        const TTreeNode* Parent;
        std::string Text;
        int Image, SelectedImage;
        friend bool operator==(const Shown&, const Shown&) = default;
    };
    Params Styles() const;
    std::vector<Shown> Wanted() const;
    void Sync();
    void Rebuild(const std::vector<Shown>& wanted);
    void ApplyState();
    void ApplyLook();
    TTreeNode* NodeOf(HTREEITEM item);
    TTreeView& tree_;
    std::vector<Shown> shown_;
    std::unordered_map<const TTreeNode*, HTREEITEM> items_;
    std::unordered_map<HTREEITEM, TTreeNode*> nodes_;
    HIMAGELIST images_ = nullptr;
    const TImageList* imagesOf_ = nullptr;
    int imageCount_ = -1;
    DWORD createdStyle_ = 0;
    bool dirty_ = true;
    bool syncPosted_ = false;
    // Set while the peer moves the control's selection or expansion itself.
    bool applying_ = false;
    // Set while a person's selection change is being decided; the toolkit's
    // state is put into the control once the control has finished it.
    bool deciding_ = false;
    bool statePending_ = false;
};

} // namespace lorivex::ui::win32
