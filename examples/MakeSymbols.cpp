// Draws the symbols the installation ships for help pages (the "Symbols"
// menu lists them and inserts the one chosen) and writes them into a folder:
// GIF with a transparent background for most, so that they sit on any page
// colour, and a few BMP on white for authors whose tools want bitmaps.
//
//   make_symbols FOLDER
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "examples/SymbolCanvas.h"
#include "examples/SymbolFiles.h"
#include "platform/CodePages.h"
#include "platform/FileSystem.h"
#include "platform/Program.h"

namespace lorivex::symbols {
namespace {

constexpr Color Black = Rgb(0, 0, 0), White = Rgb(255, 255, 255), Ink = Rgb(40, 40, 40);
constexpr Color Yellow = Rgb(255, 208, 0), Orange = Rgb(255, 140, 0), Red = Rgb(210, 20, 20),
                DarkRed = Rgb(120, 0, 0), Blue = Rgb(20, 90, 200), DarkBlue = Rgb(0, 45, 120),
                Green = Rgb(0, 150, 40), Purple = Rgb(110, 60, 170), DarkPurple = Rgb(60, 25, 105),
                Grey = Rgb(150, 150, 150), DarkGrey = Rgb(90, 90, 90), LightGrey = Rgb(215, 215, 215);

// A disc with a one-pixel rim and a character in the middle: the family of
// information, important and question, and the numbered steps.
Canvas Badge(int size, Color fill, Color rim, const std::string& text, int scale, bool bold)
{
    Canvas c(size, size);
    double middle = size / 2.0;
    c.FillCircle(middle, middle, middle - 0.5, rim);
    c.FillCircle(middle, middle, middle - 1.7, fill);
    c.CenteredText(middle, middle, text, White, scale, bold);
    return c;
}

Canvas Note()
{
    Canvas c(32, 32);
    std::vector<Point> page{{6.5, 2.5}, {19.5, 2.5}, {25.5, 8.5}, {25.5, 29.5}, {6.5, 29.5}};
    c.FillPolygon(page, White);
    c.Outline(page, 1.2, Ink);
    std::vector<Point> fold{{19.5, 2.5}, {19.5, 8.5}, {25.5, 8.5}};
    c.FillPolygon(fold, LightGrey);
    c.Outline(fold, 1.2, Ink);
    const Color line = Rgb(100, 130, 190);
    c.FillRect(9, 7, 8, 1, line);
    for (int y = 12; y <= 26; y += 3)
        c.FillRect(9, y, y == 26 ? 9 : 14, 1, line);
    return c;
}

Canvas Tip()
{
    // A lit bulb: an idea.
    Canvas c(32, 32);
    const Color rim = Rgb(150, 105, 0), glass = Rgb(255, 232, 70), glow = Rgb(240, 130, 0);
    std::vector<Point> neck{{11.0, 17.0}, {21.0, 17.0}, {19.5, 23.5}, {12.5, 23.5}};
    c.FillCircle(16, 11.5, 9.5, rim);
    c.FillPolygon(neck, glass);
    c.Outline(neck, 1.2, rim);
    c.FillCircle(16, 11.5, 8.3, glass);
    c.FillCircle(12.5, 8.5, 2.2, White);
    c.Line({13.5, 18.5}, {14.5, 14.5}, 1.1, glow);
    c.Line({14.5, 14.5}, {16, 18.5}, 1.1, glow);
    c.Line({16, 18.5}, {17.5, 14.5}, 1.1, glow);
    c.Line({17.5, 14.5}, {18.5, 18.5}, 1.1, glow);
    c.FillRoundRect(12, 23, 8, 6, 1.5, Grey);
    c.FillRect(12, 25, 8, 1, DarkGrey);
    c.FillRect(12, 27, 8, 1, DarkGrey);
    c.FillRect(14, 29, 4, 2, DarkGrey);
    c.Line({2.5, 11.5}, {4.5, 11.5}, 1.2, glow);
    c.Line({27.5, 11.5}, {29.5, 11.5}, 1.2, glow);
    c.Line({4.5, 2.5}, {6.5, 4.5}, 1.2, glow);
    c.Line({27.5, 2.5}, {25.5, 4.5}, 1.2, glow);
    return c;
}

Canvas Warning()
{
    Canvas c(32, 32);
    std::vector<Point> sign{{16, 2.5}, {30, 28.5}, {2, 28.5}};
    c.FillPolygon(sign, Yellow);
    c.Outline(sign, 2.0, Black);
    c.CenteredText(16, 18.5, "!", Black, 2);
    return c;
}

Canvas Caution()
{
    Canvas c(32, 32);
    std::vector<Point> sign{{16, 1.5}, {30.5, 16}, {16, 30.5}, {1.5, 16}};
    c.FillPolygon(sign, Orange);
    c.Outline(sign, 2.0, Black);
    c.CenteredText(16, 16, "!", Black, 2);
    return c;
}

Canvas Check()
{
    Canvas c(16, 16);
    c.Line({2.5, 8.5}, {6.5, 12.5}, 2.8, Green);
    c.Line({6.5, 12.5}, {13.5, 3.5}, 2.8, Green);
    return c;
}

Canvas Cross()
{
    Canvas c(16, 16);
    c.Line({3.5, 3.5}, {12.5, 12.5}, 2.8, Red);
    c.Line({12.5, 3.5}, {3.5, 12.5}, 2.8, Red);
    return c;
}

Canvas New()
{
    Canvas c(32, 32);
    std::vector<Point> burst = StarPoints(16, 16, 12, 15.5, 12.5);
    c.FillPolygon(burst, Red);
    c.Outline(burst, 1.2, DarkRed);
    c.CenteredText(16, 16, "NEW", White, 1, true);
    return c;
}

Canvas Changed()
{
    // A pencil, point down to the left, over the line it has just written.
    Canvas c(32, 32);
    const Point tip{5.0, 27.0};
    const double r = 0.70710678;
    auto at = [&](double along, double across) {
        return Point{tip.X + r * along + r * across, tip.Y - r * along + r * across};
    };
    auto band = [&](double from, double to, Color color) {
        c.FillPolygon({at(from, -3.5), at(to, -3.5), at(to, 3.5), at(from, 3.5)}, color);
    };
    c.Line({13.5, 29.5}, {29.5, 29.5}, 1.2, Blue);
    c.FillPolygon({at(0, 0), at(6, -3.5), at(6, 3.5)}, Rgb(240, 200, 150));
    c.FillPolygon({at(0, 0), at(2.4, -1.4), at(2.4, 1.4)}, Ink);
    band(6, 22, Yellow);
    c.Line(at(6, 0), at(22, 0), 1.0, Orange);
    band(22, 24.5, Grey);
    band(24.5, 29, Rgb(240, 130, 150));
    c.Outline({at(0, 0), at(6, -3.5), at(29, -3.5), at(29, 3.5), at(6, 3.5)}, 1.2, Ink);
    return c;
}

Canvas Step()
{
    Canvas c(16, 16);
    std::vector<Point> arrow{{1.5, 5.5}, {8.5, 5.5}, {8.5, 1.5}, {14.5, 8},
                             {8.5, 14.5}, {8.5, 10.5}, {1.5, 10.5}};
    c.FillPolygon(arrow, Blue);
    c.Outline(arrow, 1.2, DarkBlue);
    return c;
}

Canvas Key()
{
    // A key cap seen from above at a slant: rim, sides, and the face.
    Canvas c(32, 32, White);
    c.FillRoundRect(2, 4, 28, 25, 4, DarkGrey);
    c.FillRoundRect(3, 5, 26, 23, 3, Rgb(175, 175, 175));
    c.FillRoundRect(6, 6, 20, 17, 2, Rgb(240, 240, 240));
    c.CenteredText(16, 14.5, "A", Ink, 2);
    return c;
}

Canvas Star()
{
    Canvas c(16, 16);
    std::vector<Point> star = StarPoints(8, 8.6, 5, 7.6, 3.3);
    c.FillPolygon(star, Yellow);
    c.Outline(star, 1.1, Rgb(190, 110, 0));
    return c;
}

Canvas Pin()
{
    Canvas c(16, 16, White);
    c.Line({7.0, 9.0}, {1.5, 14.5}, 1.6, DarkGrey);
    c.FillCircle(10, 6, 5.0, DarkRed);
    c.FillCircle(10, 6, 3.9, Red);
    c.FillCircle(8.7, 4.7, 1.3, Rgb(255, 170, 170));
    return c;
}

Canvas Book()
{
    // A closed book with its pages showing: "see also", references.
    Canvas c(32, 32, White);
    c.FillRect(8, 4, 19, 25, Ink);
    c.FillRect(9, 5, 17, 23, Rgb(250, 245, 225));
    for (int y = 7; y < 27; y += 2)
        c.FillRect(25, y, 1, 1, Grey);
    c.FillRect(4, 3, 20, 26, DarkBlue);
    c.FillRect(5, 4, 18, 24, Blue);
    c.FillRect(5, 4, 3, 24, DarkBlue);
    c.FillRect(11, 9, 10, 6, Rgb(250, 245, 225));
    c.FillRect(12, 11, 8, 1, Grey);
    c.FillRect(12, 13, 6, 1, Grey);
    return c;
}

struct Symbol {
    std::string FileName;
    std::function<Canvas()> Draw;
};

std::vector<Symbol> Symbols()
{
    return {
        {"Note.gif", Note},
        {"Tip.gif", Tip},
        {"Warning.gif", Warning},
        {"Caution.gif", Caution},
        {"Important.gif", [] { return Badge(32, Red, DarkRed, "!", 2, false); }},
        {"Information.gif", [] { return Badge(32, Blue, DarkBlue, "i", 2, false); }},
        {"Question.gif", [] { return Badge(32, Purple, DarkPurple, "?", 2, false); }},
        {"Check.gif", Check},
        {"Cross.gif", Cross},
        {"New.gif", New},
        {"Changed.gif", Changed},
        {"Step.gif", Step},
        {"Step1.gif", [] { return Badge(16, Blue, DarkBlue, "1", 1, true); }},
        {"Step2.gif", [] { return Badge(16, Blue, DarkBlue, "2", 1, true); }},
        {"Step3.gif", [] { return Badge(16, Blue, DarkBlue, "3", 1, true); }},
        {"Star.gif", Star},
        {"Key.bmp", Key},
        {"Pin.bmp", Pin},
        {"Book.bmp", Book},
    };
}

} // namespace
} // namespace lorivex::symbols

int lorivex::platform::ProgramMain(const std::vector<std::string>& arguments)
{
    using namespace lorivex;
    if (arguments.size() != 1) {
        std::cerr << "usage: make_symbols FOLDER\n";
        return 2;
    }
    std::string folder = platform::Utf8ToAnsi(arguments[0]);
    try {
        platform::ForceDirectories(folder);
        for (const auto& symbol : symbols::Symbols()) {
            platform::Image picture = symbol.Draw().Picture();
            bool gif = platform::ExtractFileExt(symbol.FileName) == ".gif";
            platform::WriteFileBytes(platform::JoinPath(folder, symbol.FileName),
                                     gif ? symbols::EncodeGif(picture) : symbols::EncodeBmp(picture));
        }
    } catch (const std::exception& e) {
        std::cerr << "make_symbols: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
