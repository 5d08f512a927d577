// Word's Application, Documents, Template and DefaultWebOptions.
#include <memory>

#include "word/com/Bound.h"
#include "word/com/ComEnumerator.h"
#include "word/com/EventSink.h"
#include "word/com/WordCom.h"

namespace lorivex::word::com {

namespace {

class ComDefaultWebOptions : public Bound, public DefaultWebOptions {
public:
    using Bound::Bound;
    bool UpdateLinksOnSave() override { return GetBool(L"UpdateLinksOnSave"); }
    void SetUpdateLinksOnSave(bool value) override { Set(L"UpdateLinksOnSave", value); }
    bool RelyOnVML() override { return GetBool(L"RelyOnVML"); }
    void SetRelyOnVML(bool value) override { Set(L"RelyOnVML", value); }
    bool AlwaysSaveInDefaultEncoding() override { return GetBool(L"AlwaysSaveInDefaultEncoding"); }
    void SetAlwaysSaveInDefaultEncoding(bool value) override { Set(L"AlwaysSaveInDefaultEncoding", value); }
};

class ComTemplate : public Bound, public Template {
public:
    using Bound::Bound;
    std::u16string FullName() override { return GetText(L"FullName"); }
    bool Saved() override { return GetBool(L"Saved"); }
    void Save() override { o_.Call(L"Save"); }
};

class ComDocuments : public Bound, public Documents {
public:
    using Bound::Bound;
    long Count() override { return GetLong(L"Count"); }
    DocumentPtr Item(long index) override { return WrapDocument(o_.CallChild(L"Item", L"Document", {index})); }
    DocumentPtr Add(const std::u16string& templateName, bool visible) override
    {
        std::vector<Arg> args;
        if (!templateName.empty())
            args.push_back(Named(L"Template", templateName));
        if (!visible)
            args.push_back(Named(L"Visible", false));
        return WrapDocument(o_.CallChild(L"Add", L"Document", std::move(args)));
    }
    DocumentPtr Open(const std::u16string& fileName) override
    {
        return WrapDocument(o_.CallChild(L"Open", L"Document", {fileName}));
    }
    std::unique_ptr<Enumerator> NewEnum() override
    {
        return EnumerateCollection(o_, L"Document", [](AutoObject item) { return WrapDocument(std::move(item)); });
    }
};

class ComApplication : public Bound, public Application {
public:
    using Bound::Bound;
    DocumentPtr ActiveDocument() override { return WrapDocument(o_.Child(L"ActiveDocument", L"Document")); }
    WindowPtr ActiveWindow() override { return WrapWindow(o_.Child(L"ActiveWindow", L"Window")); }
    DocumentsPtr Documents() override { return WrapDocuments(o_.Child(L"Documents", L"Documents")); }
    std::u16string Version() override { return GetText(L"Version"); }
    bool ScreenUpdating() override { return GetBool(L"ScreenUpdating"); }
    void SetScreenUpdating(bool value) override { Set(L"ScreenUpdating", value); }
    DefaultWebOptionsPtr DefaultWebOptions() override
    {
        return WrapDefaultWebOptions(o_.Child(L"DefaultWebOptions", L"DefaultWebOptions"));
    }
    void OrganizerCopy(const std::u16string& source, const std::u16string& destination, const std::u16string& name,
                       long object) override
    {
        o_.Call(L"OrganizerCopy", {source, destination, name, object});
    }
    void OrganizerDelete(const std::u16string& source, const std::u16string& name, long object) override
    {
        o_.Call(L"OrganizerDelete", {source, name, object});
    }
    TemplatePtr NormalTemplate() override { return WrapTemplate(o_.Child(L"NormalTemplate", L"Template")); }
    long TemplatesCount() override { return o_.Child(L"Templates", L"Templates").Get(L"Count").Long(); }
    TemplatePtr Templates(long index) override
    {
        return WrapTemplate(o_.Child(L"Templates", L"Templates").CallChild(L"Item", L"Template", {index}));
    }
    CommandBarsPtr CommandBars() override { return WrapCommandBars(o_.Child(L"CommandBars", L"CommandBars")); }
    void Quit() override { o_.Call(L"Quit"); }

    void SetOnWindowActivate(WindowActivateHandler handler) override
    {
        onWindowActivate_ = std::move(handler);
        if (!onWindowActivate_) {
            events_.reset();
            return;
        }
        if (!events_)
            events_ = std::make_unique<EventConnection>(
                o_.Raw(), IID_WordApplicationEvents,
                std::map<DISPID, EventHandler>{{DISPID_WindowActivate, [this](const std::vector<ComValue>& args) {
                                                    WindowActivated(args);
                                                }}});
    }
    WindowActivateHandler OnWindowActivate() override { return onWindowActivate_; }

private:
    void WindowActivated(const std::vector<ComValue>& args)
    {
        if (!onWindowActivate_ || args.size() < 2)
            return;
        WindowActivateHandler handler = onWindowActivate_;
        handler(WrapDocument(AutoObject(args[0].Object(), L"Document")),
                WrapWindow(AutoObject(args[1].Object(), L"Window")));
    }

    WindowActivateHandler onWindowActivate_;
    std::unique_ptr<EventConnection> events_;
};

} // namespace

ApplicationPtr WrapApplication(AutoObject object) { return WrapAs<ComApplication, Application>(std::move(object)); }
DocumentsPtr WrapDocuments(AutoObject object) { return WrapAs<ComDocuments, Documents>(std::move(object)); }
TemplatePtr WrapTemplate(AutoObject object) { return WrapAs<ComTemplate, Template>(std::move(object)); }
DefaultWebOptionsPtr WrapDefaultWebOptions(AutoObject object)
{
    return WrapAs<ComDefaultWebOptions, DefaultWebOptions>(std::move(object));
}

ApplicationPtr BindApplication(IDispatch* application)
{
    return WrapApplication(AutoObject(ComPtr<IDispatch>(application), L"Application"));
}

IDispatch* WordObjectOf(const DispatchPtr& object)
{
    auto bound = std::dynamic_pointer_cast<Bound>(object);
    if (!bound)
        throw EWordError("An object that Word did not give was passed to Word");
    return bound->Object().Raw();
}

} // namespace lorivex::word::com
