#pragma once
// What the stand-in counts over every COM object it hands out, so that a
// test can tell a leak or a double release.
#include <cstddef>

namespace lorivex::test::standin {

struct RefCounts {
    std::size_t created = 0;   // objects handed out (each with one reference)
    std::size_t addRefs = 0;
    std::size_t releases = 0;
    std::size_t alive = 0;     // objects whose count has not reached zero
    std::size_t overReleases = 0; // Release or AddRef on an object already gone
    std::size_t nameLookups = 0;  // GetIDsOfNames calls
};

RefCounts& Counts();
// Frees the objects that went (kept until now so that a late Release is
// counted instead of touching freed memory) and zeroes the counts.
void ResetCounts();

} // namespace lorivex::test::standin
