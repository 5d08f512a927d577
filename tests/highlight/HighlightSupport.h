#pragma once
// Scanning sample lines for the tests: each line's tokens as (kind, text)
// pairs without the blanks between them, so that expectations read like
// the code they describe. Every scan also checks what all scanners owe
// their callers: tokens that cover the line in order, none empty, no two
// neighbours of one kind.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "highlight/Highlighter.h"

namespace lorivex {

inline void PrintTo(TTokenKind kind, std::ostream* os) { *os << TokenKindName(kind); }

namespace test {

using K = TTokenKind;

struct Piece {
    TTokenKind Kind;
    std::string Text; // UTF-8
    friend bool operator==(const Piece&, const Piece&) = default;
    friend void PrintTo(const Piece& piece, std::ostream* os)
    {
        *os << "{" << TokenKindName(piece.Kind) << ", \"" << piece.Text << "\"}";
    }
};
using Pieces = std::vector<Piece>;

// Lines given in UTF-8, as the engine takes them.
std::vector<std::u16string> Lines(const std::vector<std::string>& utf8);

// Lines in UTF-8, scanned one after the other from the start state.
std::vector<Pieces> ScanLines(const THighlighter& highlighter, const std::vector<std::string>& lines);
Pieces ScanLine(const THighlighter& highlighter, const std::string& line);
// The state after the lines.
TLineState StateAfter(const THighlighter& highlighter, const std::vector<std::string>& lines);

// Tokens must cover the line in order, without empty tokens or two
// neighbours of one kind; a failure describes the first breach.
::testing::AssertionResult WellFormed(const std::vector<TToken>& tokens, std::size_t lineLength);

} // namespace test
} // namespace lorivex
