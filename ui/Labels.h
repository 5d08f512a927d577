#pragma once
// Static text. A label sizes itself to its text unless it wraps words (then
// its width is fixed and the text breaks into lines inside it).
#include "ui/Control.h"

namespace lorivex::ui {

enum class TAlignment { LeftJustify, Center, RightJustify };

class TLabel : public TControl {
public:
    bool Transparent = false;
    TAlignment Alignment = TAlignment::LeftJustify;
    bool WordWrap = false;
    bool AutoSize = true;
    void SetCaption(const std::string& caption) override;
    // Measures again after a change of font or of the sizing rules.
    void AdjustSize();
};

} // namespace lorivex::ui
