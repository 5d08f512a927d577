#include "tests/wordstandin/CountedObject.h"

#include <memory>
#include <vector>

namespace lorivex::test::standin {

namespace {

RefCounts counts;
std::vector<std::unique_ptr<CountedObject>>& Husks()
{
    static std::vector<std::unique_ptr<CountedObject>> husks;
    return husks;
}

} // namespace

RefCounts& Counts()
{
    return counts;
}

void ResetCounts()
{
    Husks().clear();
    counts = RefCounts{};
}

CountedObject::CountedObject()
{
    ++counts.created;
    ++counts.alive;
}

ULONG CountedObject::CountedAddRef()
{
    ++counts.addRefs;
    if (gone_) {
        ++counts.overReleases;
        return 0;
    }
    return static_cast<ULONG>(++refs_);
}

ULONG CountedObject::CountedRelease()
{
    ++counts.releases;
    if (gone_) {
        ++counts.overReleases;
        return 0;
    }
    if (--refs_ > 0)
        return static_cast<ULONG>(refs_);
    gone_ = true;
    --counts.alive;
    Gone();
    Husks().emplace_back(this);
    return 0;
}

} // namespace lorivex::test::standin
