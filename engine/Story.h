#pragma once
// A story: the main text, or one header or footer. Word's characters with a
// parallel array of what each one carries (CharAttrs), and everything anchored to
// positions in it (bookmarks, hyperlinks, kept XML), all live.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/AnchorOrder.h"
#include "engine/CharAttrs.h"
#include "engine/Span.h"

namespace lorivex::engine {

struct BookmarkRecord {
    std::u16string Name;
    SpanPtr Where;
    std::string Raw; // other attributes of bookmarkStart (colFirst ...)
};

struct HyperlinkRecord {
    std::u16string Address;
    std::u16string SubAddress;
    std::u16string Target;
    std::u16string ScreenTip;
    std::string Raw; // other attributes (w:history, w:docLocation ...)
    SpanPtr Where;
};

// XML the reader kept without understanding it. A point marker stands
// between two characters; a wrapper (w:sdt, w:smartTag, w:ins ...) encloses
// the text of its span, and Xml is the element without that content.
struct MarkerRecord {
    std::string Xml;
    bool Wrapper = false;
    bool Block = false; // between paragraphs rather than inside one
    SpanPtr Where;
};

enum class StoryKind { Main, Header, Footer };

struct Story {
    StoryKind Kind = StoryKind::Main;
    std::string PartName; // "word/header1.xml"
    // The part around the story's content as read: the root element's
    // attributes (namespaces, mc:Ignorable) and, in the main part, what
    // stands beside w:body (w:background ...).
    std::string RootAttributes;
    std::string BeforeContent, AfterContent;
    std::u16string Text;
    CharAttrs Attrs;
    SpanRegistry Spans;
    std::vector<BookmarkRecord> Bookmarks;
    std::vector<HyperlinkRecord> Hyperlinks;
    std::vector<MarkerRecord> Markers;
    uint64_t Version = 0; // bumped by every edit of the text or of the anchors
    // Caches of AnchorsWithin, one per kind of anchor.
    mutable AnchorOrder BookmarkOrder, HyperlinkOrder, MarkerOrder;

    long Length() const { return long(Text.size()); }
    // Positions of the paragraph ends (marks 13 and 7), cached per version.
    const std::vector<long>& ParagraphEnds();
    // Indices of the bookmarks with this name (without regard to case, as
    // Word compares names), in their order; null when there is none. Links
    // look their bookmark up among thousands: a walk for each would make a
    // compile quadratic.
    const std::vector<uint32_t>* BookmarksNamed(std::u16string_view name) const;

private:
    struct NameIndex {
        uint64_t Version = UINT64_MAX;
        size_t Count = 0;
        std::unordered_map<std::u16string, std::vector<uint32_t>> ByName;
    };
    mutable NameIndex bookmarkNames_;
    std::vector<long> paragraphEnds_;
    uint64_t paragraphEndsVersion_ = UINT64_MAX;
};

inline bool IsParagraphEnd(char16_t c) { return c == 13 || c == 7; }

} // namespace lorivex::engine
