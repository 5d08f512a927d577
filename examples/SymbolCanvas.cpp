#include "examples/SymbolCanvas.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace lorivex::symbols {

namespace {

// Only the characters the symbols spell; rows top to bottom, '#' painted.
const std::map<char, std::vector<std::string>>& Font()
{
    static const std::map<char, std::vector<std::string>> font{
        {'!', {"##", "##", "##", "##", "##", "..", "##"}},
        {'i', {"##", "..", "##", "##", "##", "##", "##"}},
        {'?', {".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."}},
        {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
        {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
        {'N', {"#...#", "##..#", "##..#", "#.#.#", "#..##", "#..##", "#...#"}},
        {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"}},
        {'1', {".#.", "##.", ".#.", ".#.", ".#.", ".#.", "###"}},
        {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
        {'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
    };
    return font;
}

const std::vector<std::string>& Glyph(char c)
{
    auto found = Font().find(c);
    if (found == Font().end())
        throw std::invalid_argument(std::string("no glyph for '") + c + "'");
    return found->second;
}

double Square(double v) { return v * v; }

double DistanceToSegment(Point p, Point a, Point b)
{
    double dx = b.X - a.X, dy = b.Y - a.Y;
    double length = dx * dx + dy * dy;
    double t = length > 0 ? std::clamp(((p.X - a.X) * dx + (p.Y - a.Y) * dy) / length, 0.0, 1.0) : 0.0;
    return std::sqrt(Square(p.X - (a.X + t * dx)) + Square(p.Y - (a.Y + t * dy)));
}

} // namespace

Canvas::Canvas(int width, int height, Color background) : image_(width, height, background)
{
    if (background == Clear)
        image_.TransparentColor = Clear;
}

void Canvas::SetPixel(int x, int y, Color color)
{
    if (x >= 0 && y >= 0 && x < image_.Width && y < image_.Height)
        image_.SetPixel(x, y, color);
}

template <class Inside>
void Canvas::Paint(Color color, Inside inside)
{
    for (int y = 0; y < image_.Height; ++y)
        for (int x = 0; x < image_.Width; ++x)
            if (inside(Point{x + 0.5, y + 0.5}))
                image_.SetPixel(x, y, color);
}

void Canvas::FillRect(int x, int y, int width, int height, Color color)
{
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column)
            SetPixel(column, row, color);
}

void Canvas::FillRoundRect(int x, int y, int width, int height, double radius, Color color)
{
    double left = x + radius, right = x + width - radius, top = y + radius, bottom = y + height - radius;
    Paint(color, [&](Point p) {
        if (p.X < x || p.X > x + width || p.Y < y || p.Y > y + height)
            return false;
        double cx = std::clamp(p.X, left, right), cy = std::clamp(p.Y, top, bottom);
        return Square(p.X - cx) + Square(p.Y - cy) <= Square(radius);
    });
}

void Canvas::FillCircle(double cx, double cy, double radius, Color color)
{
    Paint(color, [&](Point p) { return Square(p.X - cx) + Square(p.Y - cy) <= Square(radius); });
}

void Canvas::Ring(double cx, double cy, double radius, double thickness, Color color)
{
    Paint(color, [&](Point p) {
        double d = std::sqrt(Square(p.X - cx) + Square(p.Y - cy));
        return d <= radius && d >= radius - thickness;
    });
}

void Canvas::FillPolygon(const std::vector<Point>& points, Color color)
{
    Paint(color, [&](Point p) {
        bool inside = false;
        for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const Point &a = points[i], &b = points[j];
            if ((a.Y > p.Y) != (b.Y > p.Y) && p.X < (b.X - a.X) * (p.Y - a.Y) / (b.Y - a.Y) + a.X)
                inside = !inside;
        }
        return inside;
    });
}

void Canvas::Line(Point from, Point to, double thickness, Color color)
{
    Paint(color, [&](Point p) { return DistanceToSegment(p, from, to) <= thickness / 2; });
}

void Canvas::Outline(const std::vector<Point>& points, double thickness, Color color)
{
    for (size_t i = 0; i < points.size(); ++i)
        Line(points[i], points[(i + 1) % points.size()], thickness, color);
}

int Canvas::TextWidth(const std::string& text, int scale, bool bold)
{
    int width = 0;
    for (char c : text)
        width += (int(Glyph(c)[0].size()) + (bold ? 1 : 0) + 1) * scale;
    return text.empty() ? 0 : width - scale;
}

void Canvas::Text(int left, int top, const std::string& text, Color color, int scale, bool bold)
{
    int x = left;
    for (char c : text) {
        const auto& rows = Glyph(c);
        for (int row = 0; row < int(rows.size()); ++row)
            for (int column = 0; column < int(rows[size_t(row)].size()); ++column)
                if (rows[size_t(row)][size_t(column)] == '#')
                    for (int extra = 0; extra <= (bold ? 1 : 0); ++extra)
                        FillRect(x + (column + extra) * scale, top + row * scale, scale, scale, color);
        x += (int(rows[0].size()) + (bold ? 1 : 0) + 1) * scale;
    }
}

void Canvas::CenteredText(double cx, double cy, const std::string& text, Color color, int scale, bool bold)
{
    int left = int(std::lround(cx - TextWidth(text, scale, bold) / 2.0));
    int top = int(std::lround(cy - TextHeight * scale / 2.0));
    Text(left, top, text, color, scale, bold);
}

std::vector<Point> StarPoints(double cx, double cy, int tips, double outer, double inner)
{
    const double pi = std::acos(-1.0);
    int corners = inner > 0 ? tips * 2 : tips;
    std::vector<Point> points;
    for (int i = 0; i < corners; ++i) {
        double radius = inner > 0 && i % 2 ? inner : outer;
        double angle = -pi / 2 + 2 * pi * i / corners;
        points.push_back({cx + radius * std::cos(angle), cy + radius * std::sin(angle)});
    }
    return points;
}

} // namespace lorivex::symbols
