#pragma once
// A topic: the part of the author's document from one heading to the next,
// with the file its page is written to and its place in the contents.
#include <memory>
#include <string>
#include <vector>

#include "base/Guarded.h"
#include "services/word/Forward.h"

namespace lorivex {

class TDocumentChapter : public TObject {
public:
    word::RangePtr Range;
    std::string FileName; // work folder, delimiter, Id, ".html"
    std::string Id;       // 32 upper-case hexadecimal digits
    std::string Path;     // heading titles from the top level down, joined by "\"

    // The part of Path after its last backslash.
    std::string Title() const;
    // True when the heading span (Title and its paragraph mark) holds no field.
    bool CanRemoveHeader() const;
    // A new range: the topic's range without its heading span.
    word::RangePtr RemoveHeader() const;
};

using TChapterList = std::vector<std::unique_ptr<TDocumentChapter>>;

// First topic whose path equals the given one without regard to case.
TDocumentChapter* FindChapter(const TChapterList& chapters, const std::string& path);

// The range of the topic holding the start of the selection in the
// document's active window.
word::RangePtr GetCurrentChapter(const word::DocumentPtr& document);

} // namespace lorivex
