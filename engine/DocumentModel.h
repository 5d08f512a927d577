#pragma once
// One document as the engine holds it: the main story and the header and
// footer stories of its sections, the interned formats, the records the
// characters point to, styles, properties, and every package part as read,
// so that the document writer can save what the engine did not understand.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "engine/Formats.h"
#include "engine/Fragment.h"
#include "engine/Properties.h"
#include "engine/Records.h"
#include "engine/Story.h"
#include "engine/StyleSheet.h"

namespace lorivex::engine {

struct HeaderFooterRef {
    std::u16string Type; // default, first, even
    int Story = 0;
};

struct SectionRecord {
    std::string Raw; // sectPr without its header and footer references
    std::vector<HeaderFooterRef> Headers;
    std::vector<HeaderFooterRef> Footers;
};

class DocumentModel {
public:
    DocumentModel(); // one main story holding one empty paragraph

    std::vector<std::unique_ptr<Story>> Stories; // [0] is the main story
    Story& Main() { return *Stories[0]; }
    int StoryIndex(const Story& story) const;

    Interned<CharFormat> CharFormats;
    Interned<ParagraphFormat> ParaFormats;
    StyleSheet Styles;
    std::vector<SectionRecord> Sections; // the last is the body's own
    PropertySet Properties;
    // Every package part as read, except the main part while BaselinePackage
    // holds it (a save takes it from there).
    std::map<std::string, std::string> Parts;
    std::string SourcePath;
    bool ShowHiddenBookmarks = false;
    std::u16string DefaultTargetFrame;
    struct LinkedStyleSheet {
        std::u16string FileName;
        long LinkType = 0;
        std::u16string Title;
    };
    std::vector<LinkedStyleSheet> StyleSheets; // first is the highest precedence
    // Whether paragraphs or characters of any story take the style, or a
    // style based on it. The text is scanned once per state of the document,
    // however many styles are asked about.
    bool StyleUsedInText(const std::u16string& id) const;

    uint32_t AddRecord(ExtRecord record);
    ExtRecord& Record(uint32_t index) { return records_.at(index); }
    const ExtRecord& Record(uint32_t index) const { return records_.at(index); }
    size_t RecordCount() const { return records_.size(); }
    // Part name -> hash of what the writer makes of that part of the
    // document as read (or last saved): a part whose XML would come out the
    // same is copied from its original bytes instead. Until the first save
    // it is worked out from BaselinePackage, the package file as read.
    std::map<std::string, uint64_t> Baseline;
    std::shared_ptr<const std::string> BaselinePackage;

    // A copy of [start, end) with everything anchored inside it.
    Fragment Extract(const Story& story, long start, long end) const;
    // Plain text as typed at Position: CR LF and lone LF become paragraph
    // marks; characters take the formatting of their neighbour.
    Fragment TextFragment(const Story& story, long position, const std::u16string& text) const;
    void Insert(Story& story, long position, const Fragment& fragment);
    void Delete(Story& story, long start, long end);
    // Replaces [start, end) as Word does, never removing the story's final
    // paragraph mark; returns the span the new content occupies.
    Span Replace(Story& story, long start, long end, const Fragment& fragment);
    // Where Word puts text inserted at Position: never after the final mark.
    long InsertionPoint(const Story& story, long position) const;

    int OutlineLevel(uint32_t paraFormat) const; // 1..9, 10 for body text
    long LanguageOf(uint32_t charFormat) const;
    bool BookmarkNameTaken(std::u16string_view name) const;

private:
    uint32_t MapCharFormat(const DocumentModel& source, uint32_t index);
    uint32_t MapParaFormat(const DocumentModel& source, uint32_t index);
    void BringStyle(const DocumentModel& source, const std::u16string& id);

    std::vector<ExtRecord> records_;
    std::set<std::u16string> ScanUsedStyles() const;
    mutable std::set<std::u16string> usedStyles_;
    mutable uint64_t usedStylesKey_ = UINT64_MAX;
    mutable std::vector<int8_t> outlineCache_;
    mutable uint64_t outlineCacheVersion_ = UINT64_MAX;

    // Bookmark names in lower case, kept up to date as bookmarks are added,
    // so that reading a document with many bookmarks stays linear.
    void RefreshBookmarkNames() const;
    struct SeenBookmarks {
        uint64_t Version = UINT64_MAX;
        size_t Count = 0;
    };
    mutable std::vector<SeenBookmarks> bookmarksSeen_;
    mutable std::unordered_set<std::u16string> bookmarkNames_;
};

} // namespace lorivex::engine
