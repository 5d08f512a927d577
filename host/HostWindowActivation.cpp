#include "host/HostWindowActivation.h"

#include "host/HostErrorRouting.h"
#include "services/word/Document.h"

namespace lorivex {

THostWindowActivation::THostWindowActivation(THostAddInModule& module, THostToolbarBuilder& builder)
    : module_(module), builder_(builder)
{
}

void THostWindowActivation::Chain(const word::ApplicationPtr& application)
{
    Guard("Chain", [&] {
        application_ = application;
        next_ = application->OnWindowActivate();
        application->SetOnWindowActivate(
            [this](const word::DocumentPtr& doc, const word::WindowPtr& wn) { WindowActivate(doc, wn); });
    });
}

void THostWindowActivation::Unchain()
{
    if (!application_)
        return;
    try {
        application_->SetOnWindowActivate(nullptr);
    } catch (const std::exception&) {
        // A Word that is going away takes its events with it.
    }
    application_.reset();
    next_ = nullptr;
}

void THostWindowActivation::WindowActivate(const word::DocumentPtr& doc, const word::WindowPtr& wn)
{
    RunRouted(module_, [&] {
        Guard("WindowActivate", [&] {
            auto bars = doc ? doc->CommandBars() : application_->CommandBars();
            for (auto* definition : module_.CommandBars)
                if (SupportsWord(definition->SupportedApps))
                    RunRouted(module_, [&] {
                        if (!builder_.Reconnect(bars, *definition))
                            builder_.Create(bars, *definition);
                    });
        });
    });
    if (next_) {
        try {
            next_(doc, wn);
        } catch (const std::exception&) {
            // The module's window handling is a courtesy; a failure of it
            // must not put a dialog in front of every window the author opens.
        }
    }
}

} // namespace lorivex
