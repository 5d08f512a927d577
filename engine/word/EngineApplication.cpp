#include "engine/word/EngineApplication.h"

#include <algorithm>

#include "engine/Engine.h"
#include "engine/Utf.h"
#include "engine/docx/DocxReader.h"
#include "engine/word/EngineDocument.h"
#include "platform/CodePages.h"

namespace lorivex::engine {

word::ApplicationPtr CreateApplication(const std::u16string& version)
{
    return std::make_shared<wordimpl::EngineApplication>(version);
}

} // namespace lorivex::engine

namespace lorivex::engine::wordimpl {

namespace {

constexpr char16_t NormalTemplateName[] = u"Normal.dotm";

class EngineWebOptions : public word::DefaultWebOptions {
public:
    bool UpdateLinksOnSave() override { return updateLinks_; }
    void SetUpdateLinksOnSave(bool value) override { updateLinks_ = value; }
    bool RelyOnVML() override { return relyOnVml_; }
    void SetRelyOnVML(bool value) override { relyOnVml_ = value; }
    bool AlwaysSaveInDefaultEncoding() override { return defaultEncoding_; }
    void SetAlwaysSaveInDefaultEncoding(bool value) override { defaultEncoding_ = value; }

private:
    bool updateLinks_ = true, relyOnVml_ = false, defaultEncoding_ = false;
};

// The Normal template lives in memory: what is customised in it lasts as
// long as the application.
class EngineTemplate : public word::Template {
public:
    explicit EngineTemplate(std::shared_ptr<Customization> customization)
        : customization_(std::move(customization)) {}
    std::u16string FullName() override { return NormalTemplateName; }
    bool Saved() override { return customization_->Saved; }
    void Save() override { customization_->Saved = true; }

private:
    std::shared_ptr<Customization> customization_;
};

class EngineDocuments : public word::Documents {
public:
    explicit EngineDocuments(std::shared_ptr<EngineApplication> application) : application_(std::move(application)) {}

    long Count() override { return long(application_->OpenDocuments().size()); }

    word::DocumentPtr Item(long index) override
    {
        auto& documents = application_->OpenDocuments();
        if (index < 1 || index > long(documents.size()))
            Raise(NoSuchMember);
        return documents[size_t(index - 1)];
    }

    word::DocumentPtr Add(const std::u16string& templateName, bool visible) override
    {
        std::shared_ptr<DocumentModel> model;
        if (templateName.empty()) {
            model = std::make_shared<DocumentModel>();
            AddDefaultStyles(model->Styles);
        } else {
            model = docx::ReadDocx(platform::Utf16ToAnsi(templateName));
            model->SourcePath.clear();
            model->Properties.FindBuiltIn(u"Template")->Value = word::Variant::Text(templateName);
        }
        return application_->Adopt(std::move(model), application_->NextDocumentName(), visible);
    }

    word::DocumentPtr Open(const std::u16string& fileName) override
    {
        for (auto& document : application_->OpenDocuments())
            if (SameTextW(document->FullName(), fileName))
                return document;
        return application_->Adopt(docx::ReadDocx(platform::Utf16ToAnsi(fileName)), fileName, true);
    }

    std::unique_ptr<word::Enumerator> NewEnum() override
    {
        std::vector<word::DispatchPtr> items(application_->OpenDocuments().begin(),
                                             application_->OpenDocuments().end());
        return EnumerateList(std::move(items));
    }

private:
    std::shared_ptr<EngineApplication> application_;
};

} // namespace

EngineApplication::EngineApplication(std::u16string version)
    : version_(std::move(version)), customization_(std::make_shared<Customization>()),
      webOptions_(std::make_shared<EngineWebOptions>()), normal_(std::make_shared<EngineTemplate>(customization_)),
      commandBars_(MakeCommandBars(customization_))
{
}

std::u16string EngineApplication::Number(int n)
{
    return Utf8ToUtf16(std::to_string(n));
}

word::DocumentPtr EngineApplication::ActiveDocument()
{
    for (auto it = activation_.rbegin(); it != activation_.rend(); ++it)
        if (auto document = it->lock())
            return document;
    Raise(NoDocumentOpen);
}

word::WindowPtr EngineApplication::ActiveWindow()
{
    return ActiveDocument()->ActiveWindow();
}

word::DocumentsPtr EngineApplication::Documents()
{
    return std::make_shared<EngineDocuments>(shared_from_this());
}

word::DocumentPtr EngineApplication::Adopt(std::shared_ptr<DocumentModel> model, std::u16string fullName, bool visible)
{
    auto document = std::make_shared<EngineDocument>(weak_from_this(), std::move(model), std::move(fullName), visible);
    document->Attach();
    documents_.push_back(document);
    // Invisible documents never become the active one.
    if (visible) {
        activation_.push_back(document);
        if (onWindowActivate_)
            onWindowActivate_(document, document->ActiveWindow());
    }
    return document;
}

void EngineApplication::Remove(EngineDocument& document)
{
    std::erase_if(activation_, [&](const auto& weak) {
        auto locked = weak.lock();
        return !locked || locked.get() == &document;
    });
    std::erase_if(documents_, [&](const auto& open) { return open.get() == &document; });
}

std::shared_ptr<EngineDocument> EngineApplication::FindByFullName(const std::u16string& fullName)
{
    for (auto& document : documents_)
        if (SameTextW(document->FullName(), fullName))
            return document;
    Raise("The document \"" + Utf16ToUtf8(fullName) + "\" is not open.");
}

void EngineApplication::OrganizerCopy(const std::u16string& source, const std::u16string& destination,
                                      const std::u16string& name, long object)
{
    if (object != word::wdOrganizerObjectStyles)
        NotImplementedYet("Application.OrganizerCopy of object kind " + std::to_string(object));
    auto& from = *FindByFullName(source)->Model();
    auto& to = *FindByFullName(destination)->Model();
    const StyleRecord* style = from.Styles.ByName(name);
    if (!style)
        Raise("The style \"" + Utf16ToUtf8(name) + "\" does not exist in " + Utf16ToUtf8(source) + ".");
    StyleRecord copy = *style;
    copy.MarkedInUse = true;
    // The styles it is based on come along when the destination lacks them.
    std::u16string base = copy.BasedOn;
    to.Styles.Put(std::move(copy));
    for (int hops = 0; hops < 64 && !base.empty() && !to.Styles.ById(base); ++hops) {
        const StyleRecord* parent = from.Styles.ById(base);
        if (!parent)
            break;
        to.Styles.Put(*parent);
        base = parent->BasedOn;
    }
}

void EngineApplication::OrganizerDelete(const std::u16string& source, const std::u16string& name, long object)
{
    if (object == word::wdOrganizerObjectCommandBars) {
        // The command bars live in the Normal template only.
        auto bar = SameTextW(source, NormalTemplateName) ? commandBars_->Item(name) : nullptr;
        if (!bar)
            Raise("The toolbar \"" + Utf16ToUtf8(name) + "\" does not exist in " + Utf16ToUtf8(source) + ".");
        bar->Delete();
        return;
    }
    if (object != word::wdOrganizerObjectStyles)
        NotImplementedYet("Application.OrganizerDelete of object kind " + std::to_string(object));
    auto& model = *FindByFullName(source)->Model();
    const StyleRecord* style = model.Styles.ByName(name);
    if (!style)
        Raise("The style \"" + Utf16ToUtf8(name) + "\" does not exist in " + Utf16ToUtf8(source) + ".");
    model.Styles.Remove(style->Id);
}

word::TemplatePtr EngineApplication::Templates(long index)
{
    if (index != 1)
        Raise(NoSuchMember);
    return normal_;
}

void EngineApplication::Quit()
{
    activation_.clear();
    documents_.clear();
}

} // namespace lorivex::engine::wordimpl
