#include "ui/SystemColors.h"

#include <array>

namespace lorivex::ui {

namespace {

constexpr std::array<TColor, SystemColorCount> Classic = {
    Rgb(212, 208, 200), // COLOR_SCROLLBAR
    Rgb(58, 110, 165),  // COLOR_BACKGROUND
    Rgb(10, 36, 106),   // COLOR_ACTIVECAPTION
    Rgb(128, 128, 128), // COLOR_INACTIVECAPTION
    Rgb(212, 208, 200), // COLOR_MENU
    Rgb(255, 255, 255), // COLOR_WINDOW
    Rgb(0, 0, 0),       // COLOR_WINDOWFRAME
    Rgb(0, 0, 0),       // COLOR_MENUTEXT
    Rgb(0, 0, 0),       // COLOR_WINDOWTEXT
    Rgb(255, 255, 255), // COLOR_CAPTIONTEXT
    Rgb(212, 208, 200), // COLOR_ACTIVEBORDER
    Rgb(212, 208, 200), // COLOR_INACTIVEBORDER
    Rgb(128, 128, 128), // COLOR_APPWORKSPACE
    Rgb(10, 36, 106),   // COLOR_HIGHLIGHT
    Rgb(255, 255, 255), // COLOR_HIGHLIGHTTEXT
    Rgb(212, 208, 200), // COLOR_BTNFACE
    Rgb(128, 128, 128), // COLOR_BTNSHADOW
    Rgb(128, 128, 128), // COLOR_GRAYTEXT
    Rgb(0, 0, 0),       // COLOR_BTNTEXT
    Rgb(212, 208, 200), // COLOR_INACTIVECAPTIONTEXT
    Rgb(255, 255, 255), // COLOR_BTNHIGHLIGHT
    Rgb(64, 64, 64),    // COLOR_3DDKSHADOW
    Rgb(212, 208, 200), // COLOR_3DLIGHT
    Rgb(0, 0, 0),       // COLOR_INFOTEXT
    Rgb(255, 255, 225), // COLOR_INFOBK
    Rgb(181, 181, 181), // 25, unused by Windows 2000
    Rgb(0, 0, 128),     // COLOR_HOTLIGHT
    Rgb(166, 202, 240), // COLOR_GRADIENTACTIVECAPTION
    Rgb(192, 192, 192), // COLOR_GRADIENTINACTIVECAPTION
};

std::unique_ptr<SystemColors>& Current()
{
    static std::unique_ptr<SystemColors> current = std::make_unique<ClassicSystemColors>();
    return current;
}

} // namespace

TColor ClassicSystemColors::Get(int index) const
{
    return index >= 0 && index < SystemColorCount ? Classic[size_t(index)] : clBlack;
}

const SystemColors& CurrentSystemColors()
{
    return *Current();
}

std::unique_ptr<SystemColors> InstallSystemColors(std::unique_ptr<SystemColors> colors)
{
    Current().swap(colors);
    return colors;
}

TColor ColorToRGB(TColor color)
{
    if (!IsSystemColor(color))
        return color & 0xFFFFFF;
    return CurrentSystemColors().Get(int(color & 0xFF)) & 0xFFFFFF;
}

} // namespace lorivex::ui
