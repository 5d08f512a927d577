#pragma once
// The system's own colours: every system colour index asks GetSysColor at
// the moment a pixel is produced, so a changed colour scheme shows on the
// next paint.
#include "ui/SystemColors.h"

namespace lorivex::ui::win32 {

class Win32SystemColors : public SystemColors {
public:
    TColor Get(int index) const override;
};

} // namespace lorivex::ui::win32
