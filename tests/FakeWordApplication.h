#pragma once
// A Word application that knows only its version: the real Word cannot run
// here, and the dialogs ask it for nothing else.
#include <string>

#include "services/word/Application.h"

namespace lorivex::test {

class FakeWordApplication : public word::Application {
public:
    explicit FakeWordApplication(std::u16string version) : version_(std::move(version)) {}
    std::u16string Version() override { return version_; }

    word::DocumentPtr ActiveDocument() override { return Unexpected<word::DocumentPtr>(); }
    word::WindowPtr ActiveWindow() override { return Unexpected<word::WindowPtr>(); }
    word::DocumentsPtr Documents() override { return Unexpected<word::DocumentsPtr>(); }
    bool ScreenUpdating() override { return Unexpected<bool>(); }
    void SetScreenUpdating(bool) override { Unexpected<void>(); }
    word::DefaultWebOptionsPtr DefaultWebOptions() override { return Unexpected<word::DefaultWebOptionsPtr>(); }
    void OrganizerCopy(const std::u16string&, const std::u16string&, const std::u16string&, long) override
    {
        Unexpected<void>();
    }
    void OrganizerDelete(const std::u16string&, const std::u16string&, long) override { Unexpected<void>(); }
    word::TemplatePtr NormalTemplate() override { return Unexpected<word::TemplatePtr>(); }
    long TemplatesCount() override { return Unexpected<long>(); }
    word::TemplatePtr Templates(long) override { return Unexpected<word::TemplatePtr>(); }
    word::CommandBarsPtr CommandBars() override { return Unexpected<word::CommandBarsPtr>(); }
    void Quit() override { Unexpected<void>(); }
    void SetOnWindowActivate(WindowActivateHandler) override { Unexpected<void>(); }
    WindowActivateHandler OnWindowActivate() override { return Unexpected<WindowActivateHandler>(); }

private:
    template <class T>
    static T Unexpected()
    {
        throw word::EWordError("The fake Word application was asked for more than its version");
    }
    std::u16string version_;
};

} // namespace lorivex::test
