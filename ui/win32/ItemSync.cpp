#include "ui/win32/ItemSync.h"

namespace lorivex::ui::win32 {

bool SyncItems(HWND window, const ListMessages& messages, const TStrings& items, std::vector<std::string>& shown)
{
    size_t common = 0;
    size_t count = size_t(items.Count());
    while (common < shown.size() && common < count && shown[common] == items[int(common)])
        ++common;
    if (common == shown.size() && common == count)
        return false;
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    if (common == 0) {
        SendMessageW(window, messages.ResetContent, 0, 0);
    } else {
        for (size_t i = shown.size(); i > common; --i)
            SendMessageW(window, messages.DeleteString, WPARAM(i - 1), 0);
    }
    shown.resize(common);
    for (size_t i = common; i < count; ++i) {
        const std::string& text = items[int(i)];
        std::wstring wide = Wide(text);
        SendMessageW(window, messages.AddString, 0, reinterpret_cast<LPARAM>(wide.c_str()));
        shown.push_back(text);
    }
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    return true;
}

} // namespace lorivex::ui::win32
