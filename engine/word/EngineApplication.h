#pragma once
// The engine's Application: the open documents, the active window, the
// application-wide settings and the command bars.
#include <vector>

#include "engine/word/Internal.h"

namespace lorivex::engine::wordimpl {

// What the Normal template holds of the user interface: the command bars.
// Any change to them leaves the template unsaved, as in Word.
struct Customization {
    bool Saved = true;
};

class EngineApplication : public word::Application, public std::enable_shared_from_this<EngineApplication> {
public:
    explicit EngineApplication(std::u16string version);

    word::DocumentPtr ActiveDocument() override;
    word::WindowPtr ActiveWindow() override;
    word::DocumentsPtr Documents() override;
    std::u16string Version() override { return version_; }
    bool ScreenUpdating() override { return screenUpdating_; }
    void SetScreenUpdating(bool value) override { screenUpdating_ = value; }
    word::DefaultWebOptionsPtr DefaultWebOptions() override { return webOptions_; }
    void OrganizerCopy(const std::u16string& source, const std::u16string& destination, const std::u16string& name,
                       long object) override;
    void OrganizerDelete(const std::u16string& source, const std::u16string& name, long object) override;
    word::TemplatePtr NormalTemplate() override { return normal_; }
    long TemplatesCount() override { return 1; }
    word::TemplatePtr Templates(long index) override;
    word::CommandBarsPtr CommandBars() override { return commandBars_; }
    void Quit() override;
    void SetOnWindowActivate(WindowActivateHandler handler) override { onWindowActivate_ = std::move(handler); }
    WindowActivateHandler OnWindowActivate() override { return onWindowActivate_; }

    // Used by Documents and Document.
    std::vector<std::shared_ptr<EngineDocument>>& OpenDocuments() { return documents_; }
    word::DocumentPtr Adopt(std::shared_ptr<DocumentModel> model, std::u16string fullName, bool visible);
    std::u16string NextDocumentName() { return u"Document" + Number(++created_); }
    void Remove(EngineDocument& document);

private:
    static std::u16string Number(int n);
    std::shared_ptr<EngineDocument> FindByFullName(const std::u16string& fullName);

    std::vector<std::shared_ptr<EngineDocument>> documents_;
    std::vector<std::weak_ptr<EngineDocument>> activation_; // most recent last
    std::u16string version_;
    bool screenUpdating_ = true;
    std::shared_ptr<Customization> customization_;
    word::DefaultWebOptionsPtr webOptions_;
    word::TemplatePtr normal_;
    word::CommandBarsPtr commandBars_;
    WindowActivateHandler onWindowActivate_;
    int created_ = 0;
};

word::CommandBarsPtr MakeCommandBars(std::shared_ptr<Customization> customization);

} // namespace lorivex::engine::wordimpl
