#include "ui/win32/TreeViewPeer.h"

#include <windowsx.h>

#include "ui/win32/Bitmaps.h"

namespace lorivex::ui::win32 {

namespace {

int ImageIndex(int index)
{
    return index < 0 ? I_IMAGENONE : index;
}

} // namespace

TreeViewPeer::~TreeViewPeer()
{
    if (Handle())
        SendMessageW(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, 0);
    if (images_)
        ImageList_Destroy(images_);
}

WindowPeer::Params TreeViewPeer::CreationParams()
{
    Params params = Styles();
    createdStyle_ = params.Style;
    // A new control holds none of the items.
    shown_.clear();
    items_.clear();
    nodes_.clear();
    dirty_ = true;
    imagesOf_ = nullptr;
    imageCount_ = -1;
    return params;
}

WindowPeer::Params TreeViewPeer::Styles() const
{
    DWORD style = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | WS_TABSTOP;
    if (!tree_.HideSelection)
        style |= TVS_SHOWSELALWAYS;
    if (!tree_.ReadOnly)
        style |= TVS_EDITLABELS;
    return {WC_TREEVIEWW, style, WS_EX_CLIENTEDGE};
}

void TreeViewPeer::Changed(ControlChange what)
{
    WindowPeer::Changed(what);
    if (!Handle())
        return;
    if (what == ControlChange::Items) {
        dirty_ = true;
        if (!std::exchange(syncPosted_, true))
            PostMessageW(Handle(), WM_LORIVEX_SYNC, 0, 0);
    } else if (what == ControlChange::State) {
        if (deciding_)
            statePending_ = true;
        else
            Sync();
    }
}

void TreeViewPeer::Refresh()
{
    if (Styles().Style != createdStyle_) {
        Recreate();
        return;
    }
    WindowPeer::Refresh();
    ApplyLook();
    dirty_ = true;
    Sync();
}

void TreeViewPeer::ApplyLook()
{
    if (tree_.Images != imagesOf_ || (tree_.Images && tree_.Images->Count() != imageCount_)) {
        HIMAGELIST next = tree_.Images ? CreateImageList(*tree_.Images) : nullptr;
        SendMessageW(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(next));
        if (images_)
            ImageList_Destroy(images_);
        images_ = next;
        imagesOf_ = tree_.Images;
        imageCount_ = tree_.Images ? tree_.Images->Count() : -1;
    }
    if (int(SendMessageW(Handle(), TVM_GETINDENT, 0, 0)) != tree_.Indent)
        SendMessageW(Handle(), TVM_SETINDENT, WPARAM(tree_.Indent), 0);
    SendMessageW(Handle(), TVM_SETBKCOLOR, 0, LPARAM(ColorToRGB(tree_.Color)));
    SendMessageW(Handle(), TVM_SETTEXTCOLOR, 0, LPARAM(ColorToRGB(tree_.Font.Color)));
}

std::vector<TreeViewPeer::Shown> TreeViewPeer::Wanted() const
{
    std::vector<Shown> wanted;
    for (const TTreeNode* node : tree_.Items.All())
        wanted.push_back({node, node->Parent(), node->Text, node->ImageIndex, node->SelectedIndex});
    return wanted;
}

void TreeViewPeer::Sync()
{
    if (dirty_) {
        dirty_ = false;
        std::vector<Shown> wanted = Wanted();
        if (wanted != shown_)
            Rebuild(wanted);
    }
    ApplyState();
}

void TreeViewPeer::Rebuild(const std::vector<Shown>& wanted)
{
    bool was = std::exchange(applying_, true);
    bool sameNodes = wanted.size() == shown_.size();
    for (size_t i = 0; sameNodes && i < wanted.size(); ++i)
        sameNodes = wanted[i].Node == shown_[i].Node && wanted[i].Parent == shown_[i].Parent;
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    if (sameNodes) {
        // Only texts and pictures changed: the items stay, with their state.
        for (size_t i = 0; i < wanted.size(); ++i) {
            if (wanted[i] == shown_[i])
                continue;
            std::wstring text = Wide(wanted[i].Text);
            TVITEMW item{};
            item.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
            item.hItem = items_[wanted[i].Node];
            item.pszText = text.data();
            item.iImage = ImageIndex(wanted[i].Image);
            item.iSelectedImage = ImageIndex(wanted[i].SelectedImage);
            SendMessageW(Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
    } else {
        SendMessageW(Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
        items_.clear();
        nodes_.clear();
        for (const Shown& shown : wanted) {
            std::wstring text = Wide(shown.Text);
            TVINSERTSTRUCTW insert{};
            insert.hParent = shown.Parent ? items_[shown.Parent] : TVI_ROOT;
            insert.hInsertAfter = TVI_LAST;
            insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
            insert.item.pszText = text.data();
            insert.item.iImage = ImageIndex(shown.Image);
            insert.item.iSelectedImage = ImageIndex(shown.SelectedImage);
            insert.item.lParam = reinterpret_cast<LPARAM>(shown.Node);
            auto item = reinterpret_cast<HTREEITEM>(
                SendMessageW(Handle(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
            items_[shown.Node] = item;
            nodes_[item] = const_cast<TTreeNode*>(shown.Node);
        }
    }
    shown_ = wanted;
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
    applying_ = was;
}

void TreeViewPeer::ApplyState()
{
    bool was = std::exchange(applying_, true);
    std::vector<TTreeNode*> all = tree_.Items.All();
    // Expansion of every node that has children, shown or not yet.
    for (TTreeNode* node : all) {
        HTREEITEM item = ItemOf(*node);
        if (!item || !node->HasChildren())
            continue;
        bool expanded = SendMessageW(Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED)
                      & TVIS_EXPANDED;
        if (expanded != node->Expanded())
            SendMessageW(Handle(), TVM_EXPAND, node->Expanded() ? TVE_EXPAND : TVE_COLLAPSE,
                         reinterpret_cast<LPARAM>(item));
    }
    // The caret first, since moving it clears the old caret's mark; then
    // the marks of the whole selection.
    HTREEITEM caret = tree_.Selected() ? ItemOf(*tree_.Selected()) : nullptr;
    if (reinterpret_cast<HTREEITEM>(SendMessageW(Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0)) != caret)
        SendMessageW(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(caret));
    for (TTreeNode* node : all) {
        HTREEITEM item = ItemOf(*node);
        if (!item)
            continue;
        UINT wanted = tree_.IsSelected(*node) ? TVIS_SELECTED : 0;
        UINT now = UINT(SendMessageW(Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_SELECTED));
        if ((now & TVIS_SELECTED) != wanted) {
            TVITEMW state{};
            state.mask = TVIF_HANDLE | TVIF_STATE;
            state.hItem = item;
            state.state = wanted;
            state.stateMask = TVIS_SELECTED;
            SendMessageW(Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&state));
        }
    }
    applying_ = was;
}

HTREEITEM TreeViewPeer::ItemOf(const TTreeNode& node)
{
    if (dirty_ && Handle())
        Sync();
    auto at = items_.find(&node);
    return at == items_.end() ? nullptr : at->second;
}

TTreeNode* TreeViewPeer::NodeOf(HTREEITEM item)
{
    // Until a burst of new nodes is in, the items may stand for nodes that
    // are gone.
    if (dirty_ || !item)
        return nullptr;
    auto at = nodes_.find(item);
    return at == nodes_.end() ? nullptr : at->second;
}

bool TreeViewPeer::Notify(NMHDR& header, LRESULT& result)
{
    switch (header.code) {
    case TVN_SELCHANGINGW: {
        auto& change = reinterpret_cast<NMTREEVIEWW&>(header);
        result = FALSE;
        if (applying_)
            return true;
        TTreeNode* node = NodeOf(change.itemNew.hItem);
        if (!node)
            return true;
        // A keyboard move is a plain click on the new node; the toolkit may
        // refuse it.
        bool was = std::exchange(deciding_, true);
        tree_.ClickNode(*node, 0);
        deciding_ = was;
        result = tree_.IsSelected(*node) ? FALSE : TRUE;
        return true;
    }
    case TVN_SELCHANGEDW:
        if (!applying_ && std::exchange(statePending_, false))
            ApplyState();
        result = 0;
        return true;
    case TVN_ITEMEXPANDEDW: {
        auto& change = reinterpret_cast<NMTREEVIEWW&>(header);
        result = 0;
        if (applying_)
            return true;
        if (TTreeNode* node = NodeOf(change.itemNew.hItem)) {
            bool expanded = SendMessageW(Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(change.itemNew.hItem),
                                         TVIS_EXPANDED)
                          & TVIS_EXPANDED;
            bool was = std::exchange(deciding_, true);
            if (expanded)
                node->Expand(false);
            else
                node->Collapse();
            deciding_ = was;
            statePending_ = false;
        }
        return true;
    }
    case TVN_BEGINLABELEDITW:
        result = tree_.ReadOnly ? TRUE : FALSE;
        return true;
    case TVN_ENDLABELEDITW: {
        auto& edit = reinterpret_cast<NMTVDISPINFOW&>(header);
        result = FALSE;
        if (TTreeNode* node = NodeOf(edit.item.hItem); node && edit.item.pszText) {
            node->Text = Ansi(edit.item.pszText);
            for (Shown& shown : shown_)
                if (shown.Node == node)
                    shown.Text = node->Text;
            result = TRUE;
        }
        return true;
    }
    default:
        return false;
    }
}

LRESULT TreeViewPeer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LORIVEX_SYNC:
        syncPosted_ = false;
        Sync();
        return 0;
    case WM_PAINT:
        if (dirty_)
            Sync();
        break;
    case WM_LBUTTONDOWN: {
        // A click on an item is the toolkit's: the system control knows no
        // Ctrl+click that takes a node out of a selection of several.
        TVHITTESTINFO hit{};
        hit.pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        SendMessageW(Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        TTreeNode* node = (hit.flags & TVHT_ONITEM) ? NodeOf(hit.hItem) : nullptr;
        if (!node)
            break;
        SetFocus(Handle());
        TShiftState shift = ((wParam & MK_CONTROL) ? ssCtrl : 0u) | ((wParam & MK_SHIFT) ? ssShift : 0u) | ssLeft;
        tree_.MouseDown(TMouseButton::Left, shift, hit.pt.x, hit.pt.y);
        tree_.ClickNode(*node, shift & ~TShiftState(ssLeft));
        return 0;
    }
    default:
        break;
    }
    return WindowPeer::WindowProc(message, wParam, lParam);
}

} // namespace lorivex::ui::win32
