#pragma once
// The engine's Document: a model, its window, and the name Word gives it.
#include "engine/word/EngineWindow.h"
#include "engine/word/Internal.h"

namespace lorivex::engine::wordimpl {

class EngineDocument : public word::Document, public std::enable_shared_from_this<EngineDocument> {
public:
    EngineDocument(std::weak_ptr<EngineApplication> application, std::shared_ptr<DocumentModel> model,
                   std::u16string fullName, bool visible);
    // Binds the window to this object; called once the shared pointer exists.
    void Attach();

    const std::shared_ptr<DocumentModel>& Model() const { return model_; }
    bool Visible() const { return visible_; }
    StoryRef Main() { return {model_, weak_from_this(), 0}; }
    const std::shared_ptr<WindowState>& WindowOf() const { return window_; }

    word::ApplicationPtr Application() override;
    std::u16string FullName() override { return fullName_; }
    std::u16string Name() override;
    word::RangePtr Content() override;
    word::RangePtr Range(long start, long end) override;
    word::ParagraphsPtr Paragraphs() override;
    word::FieldsPtr Fields() override;
    word::BookmarksPtr Bookmarks() override;
    word::StylesPtr Styles() override { return MakeStyles(model_); }
    word::IndexesPtr Indexes() override { return MakeIndexes(Main()); }
    word::DocumentPropertiesPtr BuiltInDocumentProperties() override { return MakeProperties(model_, true); }
    word::DocumentPropertiesPtr CustomDocumentProperties() override { return MakeProperties(model_, false); }
    word::WindowPtr ActiveWindow() override { return MakeWindow(window_); }
    word::CommandBarsPtr CommandBars() override;
    void AddStyleSheet(const std::u16string& fileName, long linkType, const std::u16string& title,
                       long precedence) override;
    std::u16string DefaultTargetFrame() override { return model_->DefaultTargetFrame; }
    void SetDefaultTargetFrame(const std::u16string& frame) override { model_->DefaultTargetFrame = frame; }
    bool LanguageDetected() override { return languageDetected_; }
    void SetLanguageDetected(bool detected) override { languageDetected_ = detected; }
    void DetectLanguage() override;
    void SaveAs(const std::u16string& fileName, long fileFormat, bool addToRecentFiles) override;
    void Close(long saveChanges) override;

private:
    SpanPtr Whole();
    void SaveDocx(const std::u16string& fileName);
    void SaveAsHtml(const std::u16string& fileName, bool wordMarkup);
    std::weak_ptr<EngineApplication> application_;
    std::shared_ptr<DocumentModel> model_;
    std::u16string fullName_;
    bool visible_;
    bool languageDetected_ = false;
    std::shared_ptr<WindowState> window_;
};

// A new document's styles: the ones Word's Normal template always has.
void AddDefaultStyles(StyleSheet& styles);

} // namespace lorivex::engine::wordimpl
