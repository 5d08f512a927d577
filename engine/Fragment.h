#pragma once
// A piece of a story taken out with everything it carries, ready to be put
// into the same or another document: what FormattedText moves around.
#include <string>
#include <vector>

#include "engine/Records.h"
#include "engine/Story.h"

namespace lorivex::engine {

class DocumentModel;

struct Fragment {
    // Formats and styles of Attrs are those of Source; Ext indexes Records
    // (1-based, 0 for none).
    const DocumentModel* Source = nullptr;
    std::u16string Text;
    std::vector<CharAttr> Attrs;
    std::vector<ExtRecord> Records;

    struct Anchored {
        long Start = 0, End = 0; // relative to the fragment
    };
    struct Bookmark : Anchored { BookmarkRecord Record; };
    struct Hyperlink : Anchored { HyperlinkRecord Record; };
    struct Marker : Anchored { MarkerRecord Record; };
    std::vector<Bookmark> Bookmarks;
    std::vector<Hyperlink> Hyperlinks;
    std::vector<Marker> Markers;
};

} // namespace lorivex::engine
