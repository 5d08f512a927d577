#include "engine/Span.h"

#include <algorithm>

namespace lorivex::engine {

SpanPtr SpanRegistry::Make(long start, long end)
{
    auto span = std::make_shared<Span>(Span{start, end});
    // Paragraph walks create and drop a span per paragraph; dead entries are
    // swept once they outnumber the living, which keeps edits linear.
    if (spans_.size() >= compactAt_)
        Compact();
    spans_.push_back(span);
    return span;
}

void SpanRegistry::Compact()
{
    spans_.erase(std::remove_if(spans_.begin(), spans_.end(), [](const auto& w) { return w.expired(); }),
                 spans_.end());
    compactAt_ = std::max<size_t>(256, spans_.size() * 2);
}

size_t SpanRegistry::LiveCount()
{
    Compact();
    return spans_.size();
}

void SpanRegistry::Inserted(long position, long count)
{
    for (auto& weak : spans_) {
        auto span = weak.lock();
        if (!span)
            continue;
        if (span->Collapsed() && span->Start == position)
            continue;
        if (span->Start >= position)
            span->Start += count;
        if (span->End > position)
            span->End += count;
    }
}

std::vector<std::pair<SpanPtr, Span>> SpanRegistry::Enclosing(long start, long end)
{
    std::vector<std::pair<SpanPtr, Span>> found;
    for (auto& weak : spans_)
        if (auto span = weak.lock(); span && !span->Collapsed() && span->Start <= start && span->End >= end)
            found.emplace_back(span, *span);
    return found;
}

void SpanRegistry::Deleted(long start, long end)
{
    const long length = end - start;
    auto move = [&](long& p) {
        if (p >= end)
            p -= length;
        else if (p > start)
            p = start;
    };
    for (auto& weak : spans_) {
        if (auto span = weak.lock()) {
            move(span->Start);
            move(span->End);
        }
    }
}

} // namespace lorivex::engine
