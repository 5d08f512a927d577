// Saving a document as .docx (Document.SaveAs with wdFormatXMLDocument or
// the default format, and Close with wdSaveChanges).
#include "engine/Utf.h"
#include "engine/docx/DocxWriter.h"
#include "engine/word/EngineDocument.h"
#include "platform/CodePages.h"

namespace lorivex::engine::wordimpl {

void EngineDocument::SaveDocx(const std::u16string& fileName)
{
    // Word would ask for a name here; the engine has nobody to ask.
    if (fileName.empty())
        Raise("The document \"" + Utf16ToUtf8(fullName_) + "\" has never been saved and has no file name.");
    docx::WriteDocx(*model_, platform::Utf16ToAnsi(fileName));
    fullName_ = fileName;
}

} // namespace lorivex::engine::wordimpl
