#pragma once
// THostAddin: the add-in object's connection lifecycle, the part of the COM
// class that does not depend on COM. The Windows server's object forwards
// IDTExtensibility2 and IRibbonExtensibility to it: Word connects the
// add-in, reports its start-up complete, asks for ribbon markup, begins to
// shut down and disconnects; this class creates and drives the module,
// builds its toolbars, chains window activation and sets up the shortcuts.
// Failures of the module's handlers go to the module's error routing; a
// failure that leaves a method here is the call's failure for Word.
#include <functional>
#include <memory>
#include <string>

#include "base/Guarded.h"
#include "host/HostAddInModule.h"
#include "host/HostKeyboardHook.h"
#include "host/HostRibbon.h"
#include "host/HostShortcuts.h"
#include "host/HostToolbarBuilder.h"
#include "host/HostUserRecords.h"
#include "host/HostWindowActivation.h"
#include "platform/Registry.h"

namespace lorivex {

// IDTExtensibility2's connection modes (ext_ConnectMode).
enum ext_ConnectMode : long {
    ext_cm_AfterStartup = 0,
    ext_cm_Startup = 1,
    ext_cm_External = 2,
    ext_cm_CommandLine = 3,
    ext_cm_Solution = 4,
    ext_cm_UISetup = 5
};
// IDTExtensibility2's disconnection modes (ext_DisconnectMode).
enum ext_DisconnectMode : long {
    ext_dm_HostShutdown = 0,
    ext_dm_UserClosed = 1,
    ext_dm_UISetupComplete = 2,
    ext_dm_SolutionClosed = 3
};

// The host application's key name in the registry's add-in lists.
inline constexpr char WordHostKeyName[] = "Word";

class THostAddin : public TObject {
public:
    using ModuleFactory = std::function<std::unique_ptr<THostAddInModule>()>;

    THostAddin(ModuleFactory createModule, std::string progId,
               platform::Registry& registry = platform::GetRegistry());
    ~THostAddin() override;
    THostAddin(const THostAddin&) = delete;
    THostAddin& operator=(const THostAddin&) = delete;

    // The Windows keyboard hook; none by default.
    void SetKeyboardHook(THostKeyboardHook* hook) { hook_ = hook; }

    // Creates the module and hands it the application; a connection after
    // Word's start-up (ext_cm_AfterStartup, from Word's list of COM add-ins)
    // runs the start-up steps at once, since Word reports no start-up then.
    void OnConnection(const word::ApplicationPtr& application, long connectMode);
    void OnStartupComplete();
    void OnBeginShutdown();
    void OnAddInsUpdate() {}
    // ext_dm_UserClosed (the author unloads the add-in) also takes the
    // toolbar out of Word; closing Word leaves it there for the next start.
    void OnDisconnection(long removeMode);

    std::string GetCustomUI(const std::string& ribbonId);
    void RibbonLoaded(word::DispatchPtr ribbon);

    // The module of this connection; nullptr outside one.
    THostAddInModule* Module() const { return module_.get(); }
    THostShortcutHandler* Shortcuts() const { return shortcuts_.get(); }
    THostUserRecords& Records() { return records_; }
    bool StartedUp() const { return startedUp_; }
    // What the per-user StartMode said when start-up began.
    const std::string& StartModeAtStartup() const { return startMode_; }

private:
    void ReleaseConnection();

    ModuleFactory createModule_;
    std::string progId_;
    THostUserRecords records_;
    THostKeyboardHook* hook_ = nullptr;

    word::ApplicationPtr application_;
    std::unique_ptr<THostAddInModule> module_;
    std::unique_ptr<THostRibbon> ribbon_;
    std::unique_ptr<THostToolbarBuilder> builder_;
    std::unique_ptr<THostWindowActivation> activation_;
    std::unique_ptr<THostShortcutHandler> shortcuts_;
    bool startedUp_ = false;
    std::string startMode_;
};

} // namespace lorivex
