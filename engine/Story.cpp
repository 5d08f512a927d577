#include "engine/Story.h"

#include "platform/CaseFolding.h"

namespace lorivex::engine {

const std::vector<long>& Story::ParagraphEnds()
{
    if (paragraphEndsVersion_ != Version) {
        paragraphEnds_.clear();
        for (long i = 0; i < Length(); ++i)
            if (IsParagraphEnd(Text[size_t(i)]))
                paragraphEnds_.push_back(i);
        paragraphEndsVersion_ = Version;
    }
    return paragraphEnds_;
}

namespace {

std::u16string NameKey(std::u16string_view name)
{
    std::u16string key(name);
    for (auto& c : key)
        c = platform::UpperChar16(c);
    return key;
}

} // namespace

const std::vector<uint32_t>* Story::BookmarksNamed(std::u16string_view name) const
{
    // Added bookmarks leave the version alone and are indexed as they come;
    // any other change (an edit, a removal) indexes them all again.
    auto& index = bookmarkNames_;
    if (index.Version != Version || index.Count > Bookmarks.size()) {
        index.ByName.clear();
        index.Count = 0;
        index.Version = Version;
    }
    for (; index.Count < Bookmarks.size(); ++index.Count)
        index.ByName[NameKey(Bookmarks[index.Count].Name)].push_back(uint32_t(index.Count));
    auto found = index.ByName.find(NameKey(name));
    return found == index.ByName.end() ? nullptr : &found->second;
}

} // namespace lorivex::engine
