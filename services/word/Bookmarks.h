#pragma once
#include <string>

#include "services/word/Dispatch.h"
#include "services/word/Forward.h"

namespace lorivex::word {

class Bookmark : public virtual Dispatch {
public:
    virtual std::u16string Name() = 0;
    virtual RangePtr Range() = 0;
};

// The bookmarks of a document or of a range. Names beginning with "_" are
// hidden ones, counted and listed only while ShowHidden is true.
class Bookmarks : public virtual Enumerable {
public:
    virtual bool ShowHidden() = 0;
    virtual void SetShowHidden(bool show) = 0;
    virtual long Count() = 0;
    virtual BookmarkPtr Item(long index) = 0;
    virtual BookmarkPtr Item(const std::u16string& name) = 0; // raises when absent
    virtual bool Exists(const std::u16string& name) = 0;
    // Adding under an existing name moves that bookmark.
    virtual BookmarkPtr Add(const std::u16string& name, const RangePtr& range) = 0;
};

} // namespace lorivex::word
