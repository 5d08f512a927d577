#include "host/HostRibbon.h"

#include "host/HostErrorRouting.h"

namespace lorivex {

std::string THostRibbon::GetCustomUI(const std::string& ribbonId)
{
    return Guard("GetCustomUI", [&] {
        if (ribbonId.starts_with("Microsoft.Word."))
            forWord_ = true;
        askedFor_ = true;
        if (module_.OnRibbonBeforeCreate)
            RunRouted(module_, [&] {
                std::string id = ribbonId;
                module_.OnRibbonBeforeCreate(module_, id);
            });
        std::string markup = std::string("<customUI xmlns=\"") + CustomUINamespace + "\" onLoad=\"" +
                             RibbonLoadedCallback + "\" loadImage=\"" + GetImagesCallback + "\">\r\n</customUI>";
        if (module_.OnRibbonBeforeLoad)
            RunRouted(module_, [&] {
                std::string replaced = markup;
                module_.OnRibbonBeforeLoad(module_, replaced);
                markup = replaced;
            });
        return markup;
    });
}

void THostRibbon::RibbonLoaded(word::DispatchPtr ribbon)
{
    ribbon_ = std::move(ribbon);
    if (module_.OnRibbonLoaded)
        RunRouted(module_, [&] { module_.OnRibbonLoaded(module_); });
}

} // namespace lorivex
