#pragma once
// Brings a system list (a list box's or a combo box's strings) in step with
// the toolkit's items with as little work as possible: the items both share
// at the start stay, the rest of the window's list goes and the rest of the
// toolkit's is added. A progress list that grows by one line at a time thus
// costs one insertion per line, not a refill.
#include <string>
#include <vector>

#include "ui/Strings.h"
#include "ui/win32/Win32Ui.h"

namespace lorivex::ui::win32 {

struct ListMessages {
    UINT DeleteString, AddString, ResetContent;
};
inline constexpr ListMessages ListBoxMessages{LB_DELETESTRING, LB_ADDSTRING, LB_RESETCONTENT};
inline constexpr ListMessages ComboBoxMessages{CB_DELETESTRING, CB_ADDSTRING, CB_RESETCONTENT};

// `shown` is what the window holds now and is brought up to date; true when
// anything changed.
bool SyncItems(HWND window, const ListMessages& messages, const TStrings& items, std::vector<std::string>& shown);

} // namespace lorivex::ui::win32
