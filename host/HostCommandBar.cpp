#include "host/HostCommandBar.h"

namespace lorivex {

namespace {

template <class T>
T& Append(std::vector<std::unique_ptr<THostCommandBarControl>>& controls, const std::string& name)
{
    auto control = std::make_unique<T>();
    control->Name = name;
    T& added = *control;
    controls.push_back(std::move(control));
    return added;
}

void Collect(const std::vector<std::unique_ptr<THostCommandBarControl>>& controls,
             std::vector<THostCommandBarControl*>& into)
{
    for (const auto& control : controls) {
        into.push_back(control.get());
        if (control->IsPopup())
            Collect(static_cast<const THostCommandBarPopup&>(*control).Controls, into);
    }
}

} // namespace

THostCommandBarButton& THostCommandBarPopup::AddButton(const std::string& name)
{
    return Append<THostCommandBarButton>(Controls, name);
}

THostCommandBarButton& THostCommandBar::AddButton(const std::string& name)
{
    return Append<THostCommandBarButton>(Controls, name);
}

THostCommandBarPopup& THostCommandBar::AddPopup(const std::string& name)
{
    return Append<THostCommandBarPopup>(Controls, name);
}

std::vector<THostCommandBarControl*> THostCommandBar::AllControls() const
{
    std::vector<THostCommandBarControl*> all;
    Collect(Controls, all);
    return all;
}

} // namespace lorivex
