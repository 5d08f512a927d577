#pragma once
// A font as the forms describe it: face, height in pixels, style, colour.
// Heights are pixels of the character cell without internal leading (a
// negative lfHeight on Windows); 8 points at 96 dots per inch are 11 pixels.
#include <string>

#include "ui/Color.h"

namespace lorivex::ui {

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

struct TFont {
    std::string Name = "MS Sans Serif";
    int Height = 11;
    TFontStyles Style = 0;
    TColor Color = clWindowText;

    // Points at 96 dots per inch, rounded as MulDiv rounds.
    int Size() const { return (Height * 72 + 48) / 96; }
    void SetSize(int points) { Height = (points * 96 + 36) / 72; }
    bool Bold() const { return (Style & fsBold) != 0; }
    friend bool operator==(const TFont&, const TFont&) = default;
};

} // namespace lorivex::ui
