#pragma once
// One token of a line: its kind and where it lies, in UTF-16 code units
// from the start of the line. A line's tokens cover it without gaps, in
// order, and two neighbours never share a kind (they are merged).
#include <cstdint>

#include "highlight/TokenKind.h"

namespace lorivex {

struct TToken {
    TTokenKind Kind = TTokenKind::Text;
    std::uint32_t Start = 0;
    std::uint32_t Length = 0;
    friend bool operator==(const TToken&, const TToken&) = default;
};

} // namespace lorivex
