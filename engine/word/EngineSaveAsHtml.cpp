// Document.SaveAs in Word's two HTML formats.
#include "engine/html/HtmlPage.h"
#include "engine/word/EngineApplication.h"
#include "engine/word/EngineDocument.h"
#include "platform/CodePages.h"

namespace lorivex::engine::wordimpl {

void EngineDocument::SaveAsHtml(const std::u16string& fileName, bool wordMarkup)
{
    html::HtmlOptions options;
    options.WordMarkup = wordMarkup;
    if (auto application = application_.lock()) {
        // Word writes VML only into its own format. The other two web
        // options mean nothing here: the page is always in the ANSI code
        // page (the default encoding) and has no linked files to update.
        options.RelyOnVML = wordMarkup && application->DefaultWebOptions()->RelyOnVML();
    }
    html::SaveHtml(*model_, platform::Utf16ToAnsi(fileName), options);
    // As in Word, the document now is the page it was saved as.
    fullName_ = fileName;
}

} // namespace lorivex::engine::wordimpl
