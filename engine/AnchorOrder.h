#pragma once
// Finding the bookmarks, links and kept markers inside a part of a story
// without visiting all of them: a story's anchors sorted by start, rebuilt
// only after an edit. Copying the topics of a long document one by one
// would otherwise cost the square of its length.
#include <algorithm>
#include <cstdint>
#include <vector>

namespace lorivex::engine {

struct AnchorOrder {
    uint64_t Version = UINT64_MAX;
    size_t Count = SIZE_MAX;
    std::vector<std::pair<long, uint32_t>> ByStart; // start, index into the records
};

// Indices of the records whose span lies within [start, end], in the
// records' own order. Version must change with every edit of the text and
// every record added or removed (Story::Version does).
template <class Record>
std::vector<uint32_t> AnchorsWithin(const std::vector<Record>& records, uint64_t version, AnchorOrder& order,
                                    long start, long end)
{
    if (order.Version != version || order.Count != records.size()) {
        order.ByStart.clear();
        for (uint32_t i = 0; i < records.size(); ++i)
            order.ByStart.push_back({records[i].Where->Start, i});
        std::sort(order.ByStart.begin(), order.ByStart.end());
        order.Version = version;
        order.Count = records.size();
    }
    std::vector<uint32_t> found;
    auto it = std::lower_bound(order.ByStart.begin(), order.ByStart.end(), std::pair<long, uint32_t>{start, 0});
    for (; it != order.ByStart.end() && it->first <= end; ++it)
        if (records[it->second].Where->End <= end)
            found.push_back(it->second);
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace lorivex::engine
