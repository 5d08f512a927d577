#pragma once
// The base of an add-in module: the definition the host layer registers and
// builds from (names, the applications it supports, its toolbars and
// shortcuts) and the events through which the host layer drives it. The
// host layer sets WordApp when Word has started and calls the handlers on
// Word's user-interface thread.
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "host/HostCommandBar.h"
#include "services/word/Forward.h"
#include "ui/Component.h"

namespace lorivex {

class THostAddInModule : public ui::TComponent {
public:
    using ErrorEvent = std::function<void(const std::exception& failure, bool& handled)>;
    using ModuleEvent = std::function<void(THostAddInModule& module)>;
    // OnRibbonBeforeCreate receives the ribbon id; OnRibbonBeforeLoad the
    // markup, which it may replace.
    using RibbonEvent = std::function<void(THostAddInModule& module, std::string& text)>;

    std::string AddInName;
    std::string Description;
    bool RegisterForAllUsers = false;
    unsigned SupportedApps = ohaWord;
    bool HandleShortcuts = false;
    int LoadBehavior = 3; // loaded at start-up, loaded now

    ErrorEvent OnError;
    ModuleEvent OnAddInInitialize;
    ModuleEvent OnAddInStartupComplete;
    ModuleEvent OnAddInBeginShutdown;
    ModuleEvent OnAddInFinalize;
    RibbonEvent OnRibbonBeforeCreate;
    RibbonEvent OnRibbonBeforeLoad;
    ModuleEvent OnRibbonLoaded;

    // The Word the module works in; present from start-up to disconnection.
    word::ApplicationPtr WordApp;

    // The module's toolbars and shortcuts, which the host layer builds.
    std::vector<THostCommandBar*> CommandBars;
    std::vector<THostKeyboardShortcut*> Shortcuts;
};

} // namespace lorivex
