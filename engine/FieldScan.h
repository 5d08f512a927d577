#pragma once
// Fields are found in the characters themselves (begin, separator, end
// marks), so that every edit keeps them consistent without bookkeeping.
#include <optional>
#include <string>
#include <vector>

namespace lorivex::engine {

struct FieldSpan {
    long Begin = 0;                 // the begin mark
    std::optional<long> Separator;  // none for fields without a result (XE)
    long End = 0;                   // the end mark
};

// The field whose begin mark stands at Begin; none when the mark there is
// not a begin mark or has no end.
std::optional<FieldSpan> FieldAt(const std::u16string& text, long begin);
// Fields whose begin mark lies inside [start, end), outer ones before inner
// ones. As in Word, a field that begins in a range belongs to it even when
// the range ends inside the field: a range over a heading's text and the
// next character sees the index entry that follows the text.
std::vector<FieldSpan> FieldsIn(const std::u16string& text, long start, long end);

// Word's field type for the keyword a code starts with (wdFieldEmpty when
// unknown).
long FieldTypeOfCode(std::u16string_view code);
std::u16string FieldKeyword(long type); // empty when the type has none

// The arguments of a field code, quotes removed: " HYPERLINK "a b" \l x "
// gives {"HYPERLINK", "a b", "\l", "x"}.
std::vector<std::u16string> FieldArguments(std::u16string_view code);

} // namespace lorivex::engine
