#include "services/GradientColor.h"

#include <cmath>
#include <cstdint>

namespace lorivex {

namespace {

// Halves to the even neighbour, independent of the floating-point
// environment's rounding mode.
int RoundHalfEven(double value)
{
    double floor = std::floor(value);
    double fraction = value - floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        floor += 1.0;
    return int(floor);
}

std::uint8_t Channel(int a, int b, int span, int position)
{
    if (a == b || span == 0)
        return std::uint8_t(a);
    double step = double(std::abs(a - b)) / span * position;
    return std::uint8_t(RoundHalfEven(a < b ? a + step : a - step));
}

} // namespace

ui::TColor GradientColor(ui::TColor from, ui::TColor to, int span, int position)
{
    using namespace ui;
    TColor a = ColorToRGB(from), b = ColorToRGB(to);
    return Rgb(Channel(RedOf(a), RedOf(b), span, position), Channel(GreenOf(a), GreenOf(b), span, position),
               Channel(BlueOf(a), BlueOf(b), span, position));
}

} // namespace lorivex
