#pragma once
// What a scanner needs to know at the start of a line about the lines
// before it: an open block comment, a string or here-document still
// running (with the delimiter that ends it), a script block inside HTML.
// States compare equal exactly when the rest of the text scans the same
// from them, which lets a viewer stop re-scanning after an edit as soon as
// a line ends in the state it ended in before.
#include <cstdint>
#include <string>

namespace lorivex {

// The state of one scanner; what Mode, Flags and Text mean is the
// scanner's own business (0, 0 and empty are the start of a file).
struct TScanState {
    std::uint16_t Mode = 0;
    std::uint16_t Flags = 0;
    // Closing delimiters, here-document terminators, nesting stacks.
    std::u16string Text;
    friend bool operator==(const TScanState&, const TScanState&) = default;
};

struct TLineState {
    TScanState Code;     // the language's own code
    TScanState Markup;   // HTML or XML around or instead of code
    TScanState Embedded; // a script or style block inside that markup
    friend bool operator==(const TLineState&, const TLineState&) = default;
};

} // namespace lorivex
