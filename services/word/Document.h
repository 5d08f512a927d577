#pragma once
#include <string>

#include "services/word/Dispatch.h"
#include "services/word/Forward.h"

namespace lorivex::word {

enum SaveFormat { wdFormatDocument = 0, wdFormatHTML = 8, wdFormatFilteredHTML = 10,
                  wdFormatXMLDocument = 12 };
enum SaveOptions { wdDoNotSaveChanges = 0, wdSaveChanges = -1 };

class Document : public virtual Dispatch {
public:
    virtual ApplicationPtr Application() = 0;
    // The path the document was opened from or saved to; for a document that
    // was never saved, Word's name for it ("Document1"), without a folder.
    virtual std::u16string FullName() = 0;
    virtual std::u16string Name() = 0;

    virtual RangePtr Content() = 0;
    virtual RangePtr Range(long start, long end) = 0;
    virtual ParagraphsPtr Paragraphs() = 0;
    virtual FieldsPtr Fields() = 0;
    virtual BookmarksPtr Bookmarks() = 0;
    virtual StylesPtr Styles() = 0;
    virtual IndexesPtr Indexes() = 0;
    virtual DocumentPropertiesPtr BuiltInDocumentProperties() = 0;
    virtual DocumentPropertiesPtr CustomDocumentProperties() = 0;
    virtual WindowPtr ActiveWindow() = 0;
    virtual CommandBarsPtr CommandBars() = 0;

    // StyleSheets.Add: links (or imports) a stylesheet into the page Word
    // writes for this document.
    virtual void AddStyleSheet(const std::u16string& fileName, long linkType, const std::u16string& title,
                               long precedence) = 0;
    virtual std::u16string DefaultTargetFrame() = 0;
    virtual void SetDefaultTargetFrame(const std::u16string& frame) = 0;
    virtual bool LanguageDetected() = 0;
    virtual void SetLanguageDetected(bool detected) = 0;
    virtual void DetectLanguage() = 0;

    virtual void SaveAs(const std::u16string& fileName, long fileFormat, bool addToRecentFiles = true) = 0;
    virtual void Close(long saveChanges = wdDoNotSaveChanges) = 0;
};

} // namespace lorivex::word
