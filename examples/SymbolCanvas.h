#pragma once
// A small raster painter for the installation's symbols: crisp shapes with
// no anti-aliasing, since the pictures are shown at their own size in menus
// and help pages, where blurred edges look worse than stairs.
//
// Coordinates are continuous: the picture spans [0, Width] x [0, Height],
// and a pixel is painted when its centre (x + 0.5, y + 0.5) falls inside
// the shape. That keeps shapes symmetric about the middle of an even-sized
// picture.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/Images.h"

namespace lorivex::symbols {

using Color = std::uint32_t; // 0x00BBGGRR

constexpr Color Rgb(int r, int g, int b)
{
    return Color(r & 0xFF) | (Color(g & 0xFF) << 8) | (Color(b & 0xFF) << 16);
}

// The "not drawn" colour of the GIF symbols; no symbol paints with it.
constexpr Color Clear = Rgb(255, 0, 255);

struct Point {
    double X, Y;
};

class Canvas {
public:
    // A transparent background becomes the picture's transparent colour.
    Canvas(int width, int height, Color background = Clear);

    const platform::Image& Picture() const { return image_; }
    int Width() const { return image_.Width; }
    int Height() const { return image_.Height; }

    void SetPixel(int x, int y, Color color); // outside the picture: nothing
    void FillRect(int x, int y, int width, int height, Color color);
    void FillRoundRect(int x, int y, int width, int height, double radius, Color color);
    void FillCircle(double cx, double cy, double radius, Color color);
    void Ring(double cx, double cy, double radius, double thickness, Color color);
    void FillPolygon(const std::vector<Point>& points, Color color);
    void Line(Point from, Point to, double thickness, Color color);
    // A closed outline along the polygon's edges.
    void Outline(const std::vector<Point>& points, double thickness, Color color);
    // Text in the built-in 7-pixel-high font, each font pixel Scale x Scale;
    // Left, Top in pixels. Bold paints every column twice.
    void Text(int left, int top, const std::string& text, Color color, int scale = 1, bool bold = false);
    // Text centred on a point.
    void CenteredText(double cx, double cy, const std::string& text, Color color, int scale = 1, bool bold = false);

    static int TextWidth(const std::string& text, int scale = 1, bool bold = false);
    static constexpr int TextHeight = 7;

private:
    template <class Inside>
    void Paint(Color color, Inside inside);

    platform::Image image_;
};

// Corners of a regular star or polygon around (cx, cy), the first point
// straight up. With Inner > 0 it alternates Outer and Inner radii: a star.
std::vector<Point> StarPoints(double cx, double cy, int tips, double outer, double inner);

} // namespace lorivex::symbols
