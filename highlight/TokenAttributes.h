#pragma once
// How a token kind looks: colour and font style. The defaults follow what
// programmers are used to from their editors: comments green and italic,
// keywords bold navy, strings blue, numbers teal, directives olive.
#include <array>

#include "highlight/TokenKind.h"
#include "ui/Color.h"

namespace lorivex {

struct TTokenAttributes {
    ui::TColor Color = ui::clBlack; // always an RGB value
    bool Bold = false;
    bool Italic = false;
    friend bool operator==(const TTokenAttributes&, const TTokenAttributes&) = default;
};

using TAttributeTable = std::array<TTokenAttributes, TokenKindCount>;

const TAttributeTable& DefaultAttributes();

} // namespace lorivex
