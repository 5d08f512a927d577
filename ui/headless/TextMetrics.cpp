#include "ui/headless/TextMetrics.h"

#include <algorithm>

namespace lorivex::ui::headless {

int CharWidth(const TFont& font)
{
    return std::max(1, (font.Height * 5 + 5) / 11) + (font.Bold() ? 1 : 0);
}

TSize MeasureText(const std::string& text, const TFont& font)
{
    return {CharWidth(font) * int(text.size()), font.Height + font.Height / 5};
}

} // namespace lorivex::ui::headless
