#include "ui/Labels.h"

#include "ui/Application.h"

namespace lorivex::ui {

void TLabel::SetCaption(const std::string& caption)
{
    TControl::SetCaption(caption);
    AdjustSize();
}

void TLabel::AdjustSize()
{
    if (!AutoSize || WordWrap)
        return;
    TSize size = Application().Backend().MeasureText(Caption(), Font);
    SetBounds(Left(), Top(), size.Width, size.Height);
}

} // namespace lorivex::ui
