#pragma once
// A list box. Standard lists are drawn by the system; owner-drawn ones ask
// the toolkit for each item's height and draw each item through the list's
// canvas (TListBox::DrawItem), double-buffered. The horizontal scroll range
// follows ScrollWidth, a plain field, checked whenever the list changes or
// paints.
#include <vector>

#include "ui/ListBox.h"
#include "ui/win32/WindowPeer.h"

namespace lorivex::ui::win32 {

class ListBoxPeer : public WindowPeer {
public:
    explicit ListBoxPeer(TListBox& list) : WindowPeer(list), list_(list) {}
    void Changed(ControlChange what) override;
    void Refresh() override;
    bool Command(WORD code) override;
    bool DrawItem(const DRAWITEMSTRUCT& item) override;
    bool MeasureItem(MEASUREITEMSTRUCT& item) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    Params CreationParams() override;

private:
    Params Styles() const;
    void ApplyItems();
    void ApplyScrollWidth();
    TListBox& list_;
    std::vector<std::string> shown_;
    int scrollWidth_ = -1;
    // Set while the list is brought in step, which tells the toolkit the
    // top item the list settled on.
    bool applying_ = false;
    DWORD createdStyle_ = 0, createdExStyle_ = 0;
};

} // namespace lorivex::ui::win32
