#pragma once
// Turns the module's toolbar definitions into Word command bars and keeps
// them connected: a toolbar is found by name or added, its controls found
// by OfficeTag or added, their clicks connected to the definitions. The
// definitions are applied only where the per-user records show that their
// revision has not been applied yet, so that what the author moved, hid or
// deleted in Word stays so until a new build raises a revision.
#include <string>
#include <vector>

#include "base/Guarded.h"
#include "host/HostAddInModule.h"
#include "host/HostRibbon.h"
#include "host/HostUserRecords.h"

namespace lorivex {

// Whether a definition is meant for Word.
bool SupportsWord(unsigned supportedApps);

class THostToolbarBuilder : public TObject {
public:
    THostToolbarBuilder(THostAddInModule& module, THostUserRecords& records, const THostRibbon& ribbon,
                        std::u16string wordVersion);

    // Every toolbar definition for Word, each on its own: a failure is
    // routed to the module and the others are still built.
    void CreateAll(const word::CommandBarsPtr& bars);
    // One toolbar in the given command bars (the application's, or a
    // document's window's).
    void Create(const word::CommandBarsPtr& bars, THostCommandBar& definition);
    // Connects the definition and its controls to the toolbar of that name
    // when there is one; false when there is none.
    bool Reconnect(const word::CommandBarsPtr& bars, THostCommandBar& definition);
    // Word keeps no more clicks for the module: it is about to go.
    void Disconnect();

private:
    using Definitions = std::vector<std::unique_ptr<THostCommandBarControl>>;

    void ApplyToolbar(const word::CommandBarPtr& bar, const THostCommandBar& definition);
    // Fresh: the controls' parent was added just now, so the records say
    // nothing about what the author did with these controls.
    void CreateControls(const word::CommandBarPtr& bar, const word::CommandBarControlsPtr& parent,
                        Definitions& definitions, bool fresh);
    // Position: the control's place among its siblings, from 1.
    void ApplyControl(const word::CommandBarControlPtr& control, THostCommandBarControl& definition,
                      long position, long siblings);
    void ConnectClick(THostCommandBarControl& definition);
    void ReconnectControls(const word::CommandBarPtr& bar, Definitions& definitions);

    THostAddInModule& module_;
    THostUserRecords& records_;
    const THostRibbon& ribbon_;
    std::u16string wordVersion_;
};

} // namespace lorivex
