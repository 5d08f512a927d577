#pragma once
// Where system colour indexes get their RGB values. The Win32 back end asks
// GetSysColor; headless runs use the classic scheme of Windows 2000 (the
// values below), so that pictures painted in tests are the same everywhere.
// Tests that need other values install their own.
#include <memory>

#include "ui/Color.h"

namespace lorivex::ui {

class SystemColors {
public:
    virtual ~SystemColors() = default;
    // An RGB value; indexes the system does not know give black.
    virtual TColor Get(int index) const = 0;
};

// Windows 2000's defaults, among them: active caption RGB(10, 36, 106),
// inactive caption RGB(128, 128, 128), caption text white, button face
// RGB(212, 208, 200), window text black, window white, highlight
// RGB(10, 36, 106), info background RGB(255, 255, 225).
class ClassicSystemColors : public SystemColors {
public:
    TColor Get(int index) const override;
};

// The colours in force; ClassicSystemColors until a back end or a test
// installs others. Installing returns the previous ones.
const SystemColors& CurrentSystemColors();
std::unique_ptr<SystemColors> InstallSystemColors(std::unique_ptr<SystemColors> colors);

} // namespace lorivex::ui
