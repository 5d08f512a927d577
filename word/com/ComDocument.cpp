// Word's Document.
#include "word/com/Bound.h"

namespace lorivex::word::com {

namespace {

class ComDocument : public Bound, public Document {
public:
    using Bound::Bound;
    ApplicationPtr Application() override { return WrapApplication(o_.Child(L"Application", L"Application")); }
    std::u16string FullName() override { return GetText(L"FullName"); }
    std::u16string Name() override { return GetText(L"Name"); }

    RangePtr Content() override { return WrapRange(o_.Child(L"Content", L"Range")); }
    RangePtr Range(long start, long end) override { return WrapRange(o_.CallChild(L"Range", L"Range", {start, end})); }
    ParagraphsPtr Paragraphs() override { return WrapParagraphs(o_.Child(L"Paragraphs", L"Paragraphs")); }
    FieldsPtr Fields() override { return WrapFields(o_.Child(L"Fields", L"Fields")); }
    BookmarksPtr Bookmarks() override { return WrapBookmarks(o_.Child(L"Bookmarks", L"Bookmarks")); }
    StylesPtr Styles() override { return WrapStyles(o_.Child(L"Styles", L"Styles")); }
    IndexesPtr Indexes() override { return WrapIndexes(o_.Child(L"Indexes", L"Indexes")); }
    DocumentPropertiesPtr BuiltInDocumentProperties() override
    {
        return WrapDocumentProperties(o_.Child(L"BuiltInDocumentProperties", L"DocumentProperties"));
    }
    DocumentPropertiesPtr CustomDocumentProperties() override
    {
        return WrapDocumentProperties(o_.Child(L"CustomDocumentProperties", L"DocumentProperties"));
    }
    WindowPtr ActiveWindow() override { return WrapWindow(o_.Child(L"ActiveWindow", L"Window")); }
    CommandBarsPtr CommandBars() override { return WrapCommandBars(o_.Child(L"CommandBars", L"CommandBars")); }

    void AddStyleSheet(const std::u16string& fileName, long linkType, const std::u16string& title,
                       long precedence) override
    {
        o_.Child(L"StyleSheets", L"StyleSheets").Call(L"Add", {fileName, linkType, title, precedence});
    }
    std::u16string DefaultTargetFrame() override { return GetText(L"DefaultTargetFrame"); }
    void SetDefaultTargetFrame(const std::u16string& frame) override { Set(L"DefaultTargetFrame", frame); }
    bool LanguageDetected() override { return GetBool(L"LanguageDetected"); }
    void SetLanguageDetected(bool detected) override { Set(L"LanguageDetected", detected); }
    void DetectLanguage() override { o_.Call(L"DetectLanguage"); }

    void SaveAs(const std::u16string& fileName, long fileFormat, bool addToRecentFiles) override
    {
        o_.Call(L"SaveAs", {Named(L"FileName", fileName), Named(L"FileFormat", fileFormat),
                            Named(L"AddToRecentFiles", addToRecentFiles)});
    }
    void Close(long saveChanges) override { o_.Call(L"Close", {saveChanges}); }
};

} // namespace

DocumentPtr WrapDocument(AutoObject object) { return WrapAs<ComDocument, Document>(std::move(object)); }

} // namespace lorivex::word::com
