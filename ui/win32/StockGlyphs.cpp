#include "ui/win32/StockGlyphs.h"

namespace lorivex::ui::win32 {

namespace {

constexpr TColor Background = Rgb(255, 0, 255);

TBitmap Draw(const char* const rows[], int height, TColor ink, TColor edge)
{
    TBitmap bitmap(16, height, Background);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 16 && rows[y][x]; ++x) {
            if (rows[y][x] == '#')
                bitmap.SetPixel(x, y, ink);
            else if (rows[y][x] == '+')
                bitmap.SetPixel(x, y, edge);
        }
    bitmap.SetTransparentColor(Background);
    return bitmap;
}

const TBitmap& CheckMark()
{
    static const char* const rows[] = {
        "................", "................", "............+...", "...........+#+..",
        "..........+##+..", ".........+##+...", "..+.....+##+....", ".+#+...+##+.....",
        ".+##+.+##+......", "..+##+##+.......", "...+###+........", "....+#+.........",
        ".....+..........", "................", "................", "................",
    };
    static const TBitmap bitmap = Draw(rows, 16, Rgb(0, 128, 0), Rgb(0, 96, 0));
    return bitmap;
}

const TBitmap& Cross()
{
    static const char* const rows[] = {
        "................", "................", "...+#+....+#+...", "...##+...+##....",
        "....##+.+##.....", ".....##+##......", "......###.......", ".....##+##......",
        "....##+.+##.....", "...##+...+##....", "..+#+.....+#+...", "................",
        "................", "................", "................", "................",
    };
    static const TBitmap bitmap = Draw(rows, 16, Rgb(192, 0, 0), Rgb(128, 0, 0));
    return bitmap;
}

} // namespace

const TBitmap* StockGlyphBitmap(StockGlyph glyph)
{
    switch (glyph) {
    case StockGlyph::Ok:
        return &CheckMark();
    case StockGlyph::Cancel:
        return &Cross();
    case StockGlyph::None:
        break;
    }
    return nullptr;
}

} // namespace lorivex::ui::win32
