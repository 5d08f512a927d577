#pragma once
// Live positions. Every range, bookmark, hyperlink and kept piece of raw XML
// holds a Span that the story moves on each edit, so that what the compiler
// still holds keeps pointing at the same text, as it does in Word.
#include <memory>
#include <vector>

namespace lorivex::engine {

struct Span {
    long Start = 0;
    long End = 0;
    bool Collapsed() const { return Start == End; }
};
using SpanPtr = std::shared_ptr<Span>;

class SpanRegistry {
public:
    SpanPtr Make(long start, long end);

    // Word's rules: text inserted at a position goes after a range collapsed
    // there and in front of a range that starts there; a range that ends
    // there does not grow. The range doing the insertion adjusts itself.
    void Inserted(long position, long count);
    // Positions inside the deleted text fall back to its start.
    void Deleted(long start, long end);
    // The ranges that hold all of [start, end) and are not empty: when that
    // text is replaced they hold the new text, as in Word.
    std::vector<std::pair<SpanPtr, Span>> Enclosing(long start, long end);

    size_t LiveCount();

private:
    void Compact();
    std::vector<std::weak_ptr<Span>> spans_;
    size_t compactAt_ = 256;
};

} // namespace lorivex::engine
