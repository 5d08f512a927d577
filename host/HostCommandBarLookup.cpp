#include "host/HostCommandBarLookup.h"

#include "platform/CaseFolding.h"
#include "services/word/CommandBars.h"
#include "services/word/WordText.h"

namespace lorivex {

word::CommandBarPtr FindHostCommandBar(const word::CommandBarsPtr& bars, const std::string& name)
{
    const std::u16string wanted = word::ToWord(name);
    const long count = bars->Count();
    for (long i = 1; i <= count; ++i) {
        auto bar = bars->Item(i);
        if (platform::SameTextW(bar->Name(), wanted))
            return bar;
    }
    for (long i = 1; i <= count; ++i) {
        auto bar = bars->Item(i);
        if (platform::SameTextW(bar->NameLocal(), wanted))
            return bar;
    }
    return nullptr;
}

long HostControlType(const THostCommandBarControl& control)
{
    return control.IsPopup() ? word::msoControlPopup : word::msoControlButton;
}

} // namespace lorivex
