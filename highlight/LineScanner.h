#pragma once
// The cursor a scanner walks a line with. It hands out tokens from the
// current position onwards, so a scanner cannot leave a gap or go back, and
// merges a token into its predecessor when both are of one kind. The end
// can be pulled in, so that a language embedded in another (script inside
// HTML, HTML around PHP) scans only its own stretch of the line.
#include <cstddef>
#include <string_view>
#include <vector>

#include "highlight/CharClass.h"
#include "highlight/Token.h"

namespace lorivex {

class TLineScanner {
public:
    TLineScanner(std::u16string_view line, std::vector<TToken>& tokens)
        : line_(line), end_(line.size()), tokens_(tokens)
    {
    }

    std::u16string_view Line() const { return line_; }
    std::size_t Pos() const { return pos_; }
    std::size_t End() const { return end_; }
    bool AtEnd() const { return pos_ >= end_; }
    // The character AHEAD places on, or 0 past the end.
    char16_t Peek(std::size_t ahead = 0) const { return pos_ + ahead < end_ ? line_[pos_ + ahead] : 0; }
    char16_t At(std::size_t index) const { return index < end_ ? line_[index] : 0; }
    bool LookingAt(std::u16string_view text) const { return LookingAt(pos_, text); }
    bool LookingAt(std::size_t at, std::u16string_view text) const;
    // TEXT must be lower case; the line's letters are folded (ASCII).
    bool LookingAtNoCase(std::u16string_view text) const { return LookingAtNoCase(pos_, text); }
    bool LookingAtNoCase(std::size_t at, std::u16string_view text) const;
    std::u16string_view Slice(std::size_t from, std::size_t to) const { return line_.substr(from, to - from); }

    // Where TEXT next starts from FROM on, or End() when it does not.
    std::size_t Find(std::u16string_view text, std::size_t from) const;
    std::size_t FindNoCase(std::u16string_view text, std::size_t from) const;
    template <class Predicate>
    std::size_t SkipWhile(std::size_t from, Predicate predicate) const
    {
        while (from < end_ && predicate(line_[from]))
            ++from;
        return from;
    }
    std::size_t IdentifierEnd(std::size_t from) const { return SkipWhile(from, chars::IsIdentChar); }
    std::size_t SpaceEnd(std::size_t from) const { return SkipWhile(from, chars::IsSpace); }

    // Hands out the next LENGTH characters (clipped to the end) as a token.
    void Emit(TTokenKind kind, std::size_t length);
    void EmitTo(TTokenKind kind, std::size_t end) { Emit(kind, end > pos_ ? end - pos_ : 0); }
    void EmitRest(TTokenKind kind) { EmitTo(kind, end_); }
    // Blanks at the position become a Space token; true when there were any.
    bool EmitSpace();

    // Narrows the scanned stretch to end at END and returns the previous
    // end, for RestoreEnd.
    std::size_t LimitEnd(std::size_t end);
    void RestoreEnd(std::size_t end) { end_ = end; }

private:
    std::u16string_view line_;
    std::size_t pos_ = 0;
    std::size_t end_;
    std::vector<TToken>& tokens_;
};

} // namespace lorivex
