#include "host/HostAddin.h"

#include "base/Finally.h"
#include "host/HostErrorRouting.h"
#include "host/HostToolbarRemoval.h"
#include "platform/CaseFolding.h"
#include "services/word/Application.h"

namespace lorivex {

THostAddin::THostAddin(ModuleFactory createModule, std::string progId, platform::Registry& registry)
    : createModule_(std::move(createModule)), progId_(std::move(progId)),
      records_(registry, HostAddInKeyPath(WordHostKeyName, progId_))
{
}

THostAddin::~THostAddin()
{
    // Word let go without disconnecting: nothing of ours may stay bound.
    try {
        ReleaseConnection();
    } catch (const std::exception&) {
    }
}

void THostAddin::OnConnection(const word::ApplicationPtr& application, long connectMode)
{
    Guard("OnConnection", [&] {
        if (module_)
            ReleaseConnection();
        application_ = application;
        module_ = createModule_();
        ribbon_ = std::make_unique<THostRibbon>(*module_);
        if (connectMode != ext_cm_Startup)
            OnStartupComplete();
    });
}

void THostAddin::OnStartupComplete()
{
    Guard("OnStartupComplete", [&] {
        // Word reports its start-up once; an add-in connected later has run
        // these steps already.
        if (!module_ || startedUp_)
            return;
        startedUp_ = true;
        module_->WordApp = application_;
        const std::u16string version = application_->Version();
        records_.Open();
        startMode_ = records_.StartMode();
        auto bars = application_->CommandBars();
        if (module_->OnAddInInitialize)
            RunRouted(*module_, [&] { module_->OnAddInInitialize(*module_); });
        builder_ = std::make_unique<THostToolbarBuilder>(*module_, records_, *ribbon_, version);
        builder_->CreateAll(bars);
        if (module_->OnAddInStartupComplete)
            RunRouted(*module_, [&] { module_->OnAddInStartupComplete(*module_); });
        if (platform::AnsiSameText(startMode_, StartModeFirstStart))
            records_.SetStartMode(StartModeNormal);
        activation_ = std::make_unique<THostWindowActivation>(*module_, *builder_);
        activation_->Chain(application_);
        if (module_->HandleShortcuts) {
            if (hook_)
                hook_->Remove();
            shortcuts_ = std::make_unique<THostShortcutHandler>(*module_);
            shortcuts_->Activate();
            if (hook_)
                hook_->Install(*shortcuts_);
        }
    });
}

void THostAddin::OnBeginShutdown()
{
    Guard("OnBeginShutdown", [&] {
        if (module_ && module_->OnAddInBeginShutdown)
            RunRouted(*module_, [&] { module_->OnAddInBeginShutdown(*module_); });
    });
}

void THostAddin::OnDisconnection(long removeMode)
{
    Guard("OnDisconnection", [&] {
        if (!module_)
            return;
        Finally(
            [&] {
                if (removeMode != ext_dm_UserClosed)
                    return;
                OnBeginShutdown();
                RunRouted(*module_, [&] {
                    // A Word with a ribbon never had the toolbar in its
                    // Normal template.
                    const bool fromNormalTemplate = !ribbon_->AskedFor();
                    for (auto* definition : module_->CommandBars)
                        if (SupportsWord(definition->SupportedApps))
                            RemoveHostToolbar(application_, *definition, fromNormalTemplate);
                    records_.DeleteToolbarRecords();
                });
            },
            [&] { ReleaseConnection(); });
    });
}

void THostAddin::ReleaseConnection()
{
    if (hook_)
        hook_->Remove();
    if (shortcuts_)
        shortcuts_->Deactivate();
    if (activation_)
        activation_->Unchain();
    if (builder_)
        builder_->Disconnect();
    if (module_ && module_->OnAddInFinalize)
        RunRouted(*module_, [&] { module_->OnAddInFinalize(*module_); });
    shortcuts_.reset();
    activation_.reset();
    builder_.reset();
    ribbon_.reset();
    if (module_)
        module_->WordApp.reset();
    module_.reset();
    application_.reset();
    startedUp_ = false;
}

std::string THostAddin::GetCustomUI(const std::string& ribbonId)
{
    return Guard("GetCustomUI", [&] {
        if (!ribbon_)
            throw Exception("The add-in is not connected.");
        return ribbon_->GetCustomUI(ribbonId);
    });
}

void THostAddin::RibbonLoaded(word::DispatchPtr ribbon)
{
    Guard("RibbonLoaded", [&] {
        if (ribbon_)
            ribbon_->RibbonLoaded(std::move(ribbon));
    });
}

} // namespace lorivex
