#pragma once
// The host layer's handler of Word's WindowActivate event: every window
// that comes to the front gets the add-in's toolbars (Word may show another
// set of command bars there, or the toolbar may have been deleted), then the
// module's own handler runs. The host layer binds in front of the module's
// handler and calls it on, so the module sees the toolbar already there.
#include "base/Guarded.h"
#include "host/HostToolbarBuilder.h"
#include "services/word/Application.h"

namespace lorivex {

class THostWindowActivation : public TObject {
public:
    THostWindowActivation(THostAddInModule& module, THostToolbarBuilder& builder);

    // Takes the handler bound to the application's WindowActivate (the
    // module's) and binds this one in its place.
    void Chain(const word::ApplicationPtr& application);
    // Word calls no handler of the add-in any more.
    void Unchain();

    // Doc and Wn may be absent: then the application's command bars count.
    void WindowActivate(const word::DocumentPtr& doc, const word::WindowPtr& wn);

private:
    THostAddInModule& module_;
    THostToolbarBuilder& builder_;
    word::ApplicationPtr application_;
    word::Application::WindowActivateHandler next_;
};

} // namespace lorivex
