#pragma once
// A contiguous part of a story. Positions count UTF-16 characters of the
// story as Word does: a paragraph ends with a mark (13), a field is begin
// mark (19), code, separator (20), result, end mark (21). Ranges are live:
// every edit of the document moves the positions of every range held.
#include <optional>
#include <string>

#include "services/word/Dispatch.h"
#include "services/word/Forward.h"

namespace lorivex::word {

enum LanguageId : long { wdUndefined = 9999999, wdLanguageNone = 0 };
enum Units { wdCharacter = 1 };

// What Text gives of a range. Each starts as the window's view option of the
// same meaning (field codes shown, hidden text shown) until it is set.
class TextRetrievalMode : public virtual Dispatch {
public:
    virtual bool IncludeFieldCodes() = 0;
    virtual void SetIncludeFieldCodes(bool include) = 0;
    virtual bool IncludeHiddenText() = 0;
    virtual void SetIncludeHiddenText(bool include) = 0;
};

// A search inside the range it came from.
class Find : public virtual Dispatch {
public:
    // True when the text occurs in the range; the range is then the first
    // occurrence, as Word redefines the range it searched.
    virtual bool Execute(const std::u16string& findText, bool matchCase = false) = 0;
};

class Range : public virtual Dispatch {
public:
    // What a reader sees: field results without their codes and hidden text
    // left out, unless the range's TextRetrievalMode says otherwise.
    virtual std::u16string Text() = 0;
    virtual TextRetrievalModePtr TextRetrievalMode() = 0;
    // Replaces the range's content; the range then spans the new text.
    virtual void SetText(const std::u16string& text) = 0;
    virtual long Start() = 0;
    virtual long End() = 0;
    virtual void SetStart(long position) = 0;
    virtual void SetEnd(long position) = 0;
    virtual void SetRange(long start, long end) = 0;
    virtual RangePtr Duplicate() = 0;

    virtual DocumentPtr Document() = 0;
    // A copy of the range with all its formatting, fields, bookmarks and
    // links; assigning one replaces this range's content with a copy of it.
    virtual RangePtr FormattedText() = 0;
    virtual void SetFormattedText(const RangePtr& source) = 0;

    virtual long LanguageID() = 0; // wdUndefined when mixed
    virtual void SetLanguageID(long id) = 0;

    virtual FieldsPtr Fields() = 0;
    virtual BookmarksPtr Bookmarks() = 0;
    virtual HyperlinksPtr Hyperlinks() = 0;
    virtual ParagraphsPtr Paragraphs() = 0;
    virtual FontPtr Font() = 0;
    virtual InlineShapesPtr InlineShapes() = 0;
    virtual FindPtr Find() = 0;

    // Both extend this range over the inserted text.
    virtual void InsertBefore(const std::u16string& text) = 0;
    virtual void InsertAfter(const std::u16string& text) = 0;
    virtual void InsertParagraphAfter() = 0;
    // Inserts the file's content at the range, replacing it.
    virtual void InsertFile(const std::u16string& fileName) = 0;
    // Deletes the range, or when it is collapsed Count units after it.
    virtual long Delete(Units unit = wdCharacter, long count = 1) = 0;
};

class Font : public virtual Dispatch {
public:
    // 0 or -1 (true); wdUndefined (9999999) when the range is mixed.
    virtual long Hidden() = 0;
    virtual void SetHidden(long hidden) = 0;
};

class InlineShape : public virtual Dispatch {};

class InlineShapes : public virtual Dispatch {
public:
    virtual long Count() = 0;
    // Inserts the picture in place of the range it belongs to.
    virtual InlineShapePtr AddPicture(const std::u16string& fileName) = 0;
};

} // namespace lorivex::word
