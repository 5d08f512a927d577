// Word's Range and what hangs off it: TextRetrievalMode, Find, Font,
// InlineShapes.
#include "word/com/Bound.h"

namespace lorivex::word::com {

namespace {

class ComTextRetrievalMode : public Bound, public TextRetrievalMode {
public:
    using Bound::Bound;
    bool IncludeFieldCodes() override { return GetBool(L"IncludeFieldCodes"); }
    void SetIncludeFieldCodes(bool include) override { Set(L"IncludeFieldCodes", include); }
    bool IncludeHiddenText() override { return GetBool(L"IncludeHiddenText"); }
    void SetIncludeHiddenText(bool include) override { Set(L"IncludeHiddenText", include); }
};

class ComFind : public Bound, public Find {
public:
    using Bound::Bound;
    bool Execute(const std::u16string& findText, bool matchCase) override
    {
        return o_.Call(L"Execute", {Named(L"FindText", findText), Named(L"MatchCase", matchCase)}).Bool();
    }
};

class ComFont : public Bound, public Font {
public:
    using Bound::Bound;
    long Hidden() override { return GetLong(L"Hidden"); }
    void SetHidden(long hidden) override { Set(L"Hidden", hidden); }
};

class ComInlineShape : public Bound, public InlineShape {
public:
    using Bound::Bound;
};

class ComInlineShapes : public Bound, public InlineShapes {
public:
    using Bound::Bound;
    long Count() override { return GetLong(L"Count"); }
    InlineShapePtr AddPicture(const std::u16string& fileName) override
    {
        return WrapInlineShape(o_.CallChild(L"AddPicture", L"InlineShape", {fileName}));
    }
};

class ComRange : public Bound, public Range {
public:
    using Bound::Bound;
    std::u16string Text() override { return GetText(L"Text"); }
    TextRetrievalModePtr TextRetrievalMode() override
    {
        return WrapTextRetrievalMode(o_.Child(L"TextRetrievalMode", L"TextRetrievalMode"));
    }
    void SetText(const std::u16string& text) override { Set(L"Text", text); }
    long Start() override { return GetLong(L"Start"); }
    long End() override { return GetLong(L"End"); }
    void SetStart(long position) override { Set(L"Start", position); }
    void SetEnd(long position) override { Set(L"End", position); }
    void SetRange(long start, long end) override { o_.Call(L"SetRange", {start, end}); }
    RangePtr Duplicate() override { return WrapRange(o_.Child(L"Duplicate", L"Range")); }

    DocumentPtr Document() override { return WrapDocument(o_.Child(L"Document", L"Document")); }
    RangePtr FormattedText() override { return WrapRange(o_.Child(L"FormattedText", L"Range")); }
    void SetFormattedText(const RangePtr& source) override { Set(L"FormattedText", WordObjectOf(source)); }

    long LanguageID() override { return GetLong(L"LanguageID"); }
    void SetLanguageID(long id) override { Set(L"LanguageID", id); }

    FieldsPtr Fields() override { return WrapFields(o_.Child(L"Fields", L"Fields")); }
    BookmarksPtr Bookmarks() override { return WrapBookmarks(o_.Child(L"Bookmarks", L"Bookmarks")); }
    HyperlinksPtr Hyperlinks() override { return WrapHyperlinks(o_.Child(L"Hyperlinks", L"Hyperlinks")); }
    ParagraphsPtr Paragraphs() override { return WrapParagraphs(o_.Child(L"Paragraphs", L"Paragraphs")); }
    FontPtr Font() override { return WrapFont(o_.Child(L"Font", L"Font")); }
    InlineShapesPtr InlineShapes() override { return WrapInlineShapes(o_.Child(L"InlineShapes", L"InlineShapes")); }
    FindPtr Find() override { return WrapFind(o_.Child(L"Find", L"Find")); }
    void SetStyle(BuiltinStyle style) override { Set(L"Style", static_cast<long>(style)); }

    void InsertBefore(const std::u16string& text) override { o_.Call(L"InsertBefore", {text}); }
    void InsertAfter(const std::u16string& text) override { o_.Call(L"InsertAfter", {text}); }
    void InsertParagraphAfter() override { o_.Call(L"InsertParagraphAfter"); }
    void InsertFile(const std::u16string& fileName) override { o_.Call(L"InsertFile", {fileName}); }
    long Delete(Units unit, long count) override
    {
        return o_.Call(L"Delete", {static_cast<long>(unit), count}).Long();
    }
};

} // namespace

RangePtr WrapRange(AutoObject object) { return WrapAs<ComRange, Range>(std::move(object)); }
TextRetrievalModePtr WrapTextRetrievalMode(AutoObject object)
{
    return WrapAs<ComTextRetrievalMode, TextRetrievalMode>(std::move(object));
}
FindPtr WrapFind(AutoObject object) { return WrapAs<ComFind, Find>(std::move(object)); }
FontPtr WrapFont(AutoObject object) { return WrapAs<ComFont, Font>(std::move(object)); }
InlineShapesPtr WrapInlineShapes(AutoObject object) { return WrapAs<ComInlineShapes, InlineShapes>(std::move(object)); }
InlineShapePtr WrapInlineShape(AutoObject object) { return WrapAs<ComInlineShape, InlineShape>(std::move(object)); }

} // namespace lorivex::word::com
