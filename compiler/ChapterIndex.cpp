#include "compiler/ChapterIndex.h"

#include "services/StringList.h"

namespace lorivex {

TChapterIndex::TChapterIndex(const TChapterList& chapters) : chapters_(chapters)
{
    byPath_.reserve(chapters.size());
    for (const auto& chapter : chapters)
        byPath_.try_emplace(UpperCase(chapter->Path), chapter.get());
}

TDocumentChapter* TChapterIndex::Find(const std::string& path) const
{
    auto found = byPath_.find(UpperCase(path));
    return found == byPath_.end() ? nullptr : found->second;
}

} // namespace lorivex
