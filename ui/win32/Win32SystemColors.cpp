#include "ui/win32/Win32SystemColors.h"

#include "ui/win32/Win32Ui.h"

namespace lorivex::ui::win32 {

TColor Win32SystemColors::Get(int index) const
{
    // GetSysColor gives 0 for indexes it does not know, as the toolkit wants.
    return index >= 0 && index < SystemColorCount ? TColor(GetSysColor(index)) & 0xFFFFFF : clBlack;
}

} // namespace lorivex::ui::win32
