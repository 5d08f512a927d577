#pragma once
// The topics of a run by path, without regard to case: every page looks up
// the topics its related-topics field names, and a walk over all topics
// for each of them made a compile of such a document quadratic.
#include <string>
#include <unordered_map>

#include "compiler/DocumentChapter.h"

namespace lorivex {

class TChapterIndex {
public:
    // The list must outlive the index and stay as it is.
    explicit TChapterIndex(const TChapterList& chapters);

    bool Indexes(const TChapterList& chapters) const { return &chapters == &chapters_; }
    // What FindChapter gives: the first topic of that path, or null.
    TDocumentChapter* Find(const std::string& path) const;

private:
    const TChapterList& chapters_;
    std::unordered_map<std::string, TDocumentChapter*> byPath_;
};

} // namespace lorivex
