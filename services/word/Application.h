#pragma once
#include <functional>
#include <string>

#include "services/word/Dispatch.h"
#include "services/word/Forward.h"

namespace lorivex::word {

enum OrganizerObject { wdOrganizerObjectStyles = 0, wdOrganizerObjectCommandBars = 3 };

class DefaultWebOptions : public virtual Dispatch {
public:
    virtual bool UpdateLinksOnSave() = 0;
    virtual void SetUpdateLinksOnSave(bool value) = 0;
    virtual bool RelyOnVML() = 0;
    virtual void SetRelyOnVML(bool value) = 0;
    virtual bool AlwaysSaveInDefaultEncoding() = 0;
    virtual void SetAlwaysSaveInDefaultEncoding(bool value) = 0;
};

class Template : public virtual Dispatch {
public:
    virtual std::u16string FullName() = 0;
    virtual bool Saved() = 0;
    virtual void Save() = 0;
};

class Documents : public virtual Enumerable {
public:
    virtual long Count() = 0;
    virtual DocumentPtr Item(long index) = 0;
    // A new document, from a template when one is named; an invisible one
    // has no window of its own on screen.
    virtual DocumentPtr Add(const std::u16string& templateName = {}, bool visible = true) = 0;
    virtual DocumentPtr Open(const std::u16string& fileName) = 0;
};

class Application : public virtual Dispatch {
public:
    // Raises Word's error when no document is open.
    virtual DocumentPtr ActiveDocument() = 0;
    virtual WindowPtr ActiveWindow() = 0;
    virtual DocumentsPtr Documents() = 0;
    virtual std::u16string Version() = 0; // "11.0"
    virtual bool ScreenUpdating() = 0;
    virtual void SetScreenUpdating(bool value) = 0;
    virtual DefaultWebOptionsPtr DefaultWebOptions() = 0;
    virtual void OrganizerCopy(const std::u16string& source, const std::u16string& destination,
                               const std::u16string& name, long object) = 0;
    virtual void OrganizerDelete(const std::u16string& source, const std::u16string& name, long object) = 0;
    virtual TemplatePtr NormalTemplate() = 0;
    virtual long TemplatesCount() = 0;
    virtual TemplatePtr Templates(long index) = 0;
    virtual CommandBarsPtr CommandBars() = 0;
    virtual void Quit() = 0;

    // Word's WindowActivate event: one handler at a time. Whoever binds in
    // front of another reads the bound one first and calls it on.
    using WindowActivateHandler = std::function<void(const DocumentPtr&, const WindowPtr&)>;
    virtual void SetOnWindowActivate(WindowActivateHandler handler) = 0;
    virtual WindowActivateHandler OnWindowActivate() = 0;
};

} // namespace lorivex::word
