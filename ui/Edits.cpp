#include "ui/Edits.h"

namespace lorivex::ui {

void TEdit::SetText(const std::string& text)
{
    if (text == text_)
        return;
    text_ = text;
    Changed(ControlChange::Caption);
    if (OnChange)
        OnChange(*this);
}

TMemo::TMemo()
{
    Color = clWindow;
    Lines.OnChange = [this] {
        Changed(ControlChange::Items);
        if (OnChange)
            OnChange(*this);
    };
}

} // namespace lorivex::ui
