#include "engine/word/EngineDocument.h"

#include "engine/Utf.h"
#include "engine/word/EngineApplication.h"

namespace lorivex::engine::wordimpl {

EngineDocument::EngineDocument(std::weak_ptr<EngineApplication> application, std::shared_ptr<DocumentModel> model,
                               std::u16string fullName, bool visible)
    : application_(std::move(application)), model_(std::move(model)), fullName_(std::move(fullName)),
      visible_(visible), window_(std::make_shared<WindowState>())
{
}

void EngineDocument::Attach()
{
    window_->Main = Main();
    window_->Selection = model_->Main().Spans.Make(0, 0);
    window_->MainSelection = window_->Selection;
}

word::ApplicationPtr EngineDocument::Application()
{
    auto application = application_.lock();
    if (!application)
        Raise("The object has been deleted.");
    return application;
}

std::u16string EngineDocument::Name()
{
    auto slash = fullName_.find_last_of(u"/\\");
    return slash == std::u16string::npos ? fullName_ : fullName_.substr(slash + 1);
}

SpanPtr EngineDocument::Whole()
{
    return model_->Main().Spans.Make(0, model_->Main().Length());
}

word::RangePtr EngineDocument::Content()
{
    return MakeRange(Main(), 0, model_->Main().Length());
}

word::RangePtr EngineDocument::Range(long start, long end)
{
    long length = model_->Main().Length();
    if (start < 0 || end < 0 || start > length || end > length)
        Raise("Value out of range");
    return MakeRange(Main(), std::min(start, end), std::max(start, end));
}

word::ParagraphsPtr EngineDocument::Paragraphs()
{
    return MakeParagraphs(Main(), Whole());
}

word::FieldsPtr EngineDocument::Fields()
{
    return MakeFields(Main(), Whole());
}

word::BookmarksPtr EngineDocument::Bookmarks()
{
    return MakeBookmarks(Main(), Whole(), true);
}

word::CommandBarsPtr EngineDocument::CommandBars()
{
    return Application()->CommandBars();
}

void EngineDocument::AddStyleSheet(const std::u16string& fileName, long linkType, const std::u16string& title,
                                   long precedence)
{
    DocumentModel::LinkedStyleSheet sheet{fileName, linkType, title};
    if (precedence == word::wdStyleSheetPrecedenceHighest || model_->StyleSheets.empty())
        model_->StyleSheets.insert(model_->StyleSheets.begin(), sheet);
    else if (precedence == word::wdStyleSheetPrecedenceLowest || precedence > long(model_->StyleSheets.size()))
        model_->StyleSheets.push_back(sheet);
    else
        model_->StyleSheets.insert(model_->StyleSheets.begin() + std::max(0L, precedence - 1), sheet);
}

void EngineDocument::DetectLanguage()
{
    // The engine has no language detector; the text keeps the languages its
    // author marked, and callers that tolerate the failure go on with those.
    NotImplementedYet("Document.DetectLanguage");
}

void EngineDocument::SaveAs(const std::u16string& fileName, long fileFormat, bool)
{
    if (fileFormat == word::wdFormatHTML || fileFormat == word::wdFormatFilteredHTML) {
        SaveAsHtml(fileName, fileFormat == word::wdFormatHTML);
        return;
    }
    if (fileFormat == word::wdFormatXMLDocument || fileFormat == word::wdFormatDocument)
        return SaveDocx(fileName);
    NotImplementedYet("Document.SaveAs (format " + std::to_string(fileFormat) + ")");
}

void EngineDocument::Close(long saveChanges)
{
    if (saveChanges == word::wdSaveChanges)
        SaveDocx(model_->SourcePath.empty() ? u"" : fullName_);
    if (auto application = application_.lock())
        application->Remove(*this);
}

namespace {

std::string StyleXml(const char* type, const char* id, const char* name, const char* extra)
{
    return std::string("<w:style w:type=\"") + type + "\" w:styleId=\"" + id + "\"><w:name w:val=\"" + name +
           "\"/>" + extra + "</w:style>";
}

} // namespace

void AddDefaultStyles(StyleSheet& styles)
{
    StyleRecord normal{u"Normal", u"Normal", u"paragraph", u"", std::nullopt, true, false,
                       "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/>"
                       "<w:qFormat/></w:style>"};
    styles.Put(normal);
    styles.Put({u"DefaultParagraphFont", u"Default Paragraph Font", u"character", u"", std::nullopt, true, false,
                "<w:style w:type=\"character\" w:default=\"1\" w:styleId=\"DefaultParagraphFont\">"
                "<w:name w:val=\"Default Paragraph Font\"/><w:uiPriority w:val=\"1\"/><w:semiHidden/>"
                "<w:unhideWhenUsed/></w:style>"});
    for (int level = 1; level <= 9; ++level) {
        std::string id = "Heading" + std::to_string(level);
        std::string name = "heading " + std::to_string(level);
        std::string extra = "<w:basedOn w:val=\"Normal\"/><w:next w:val=\"Normal\"/><w:qFormat/><w:pPr><w:keepNext/>"
                            "<w:outlineLvl w:val=\"" + std::to_string(level - 1) + "\"/></w:pPr>";
        styles.Put({Utf8ToUtf16(id), Utf8ToUtf16(name), u"paragraph", u"Normal", level - 1, false, false,
                    StyleXml("paragraph", id.c_str(), name.c_str(), extra.c_str())});
    }
    styles.Put({u"Hyperlink", u"Hyperlink", u"character", u"DefaultParagraphFont", std::nullopt, false, false,
                StyleXml("character", "Hyperlink", "Hyperlink",
                         "<w:basedOn w:val=\"DefaultParagraphFont\"/><w:rPr><w:color w:val=\"0000FF\"/>"
                         "<w:u w:val=\"single\"/></w:rPr>")});
}

} // namespace lorivex::engine::wordimpl
