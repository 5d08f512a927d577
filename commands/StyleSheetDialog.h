#pragma once
// TStyleSheetDialog: when the document already names a stylesheet, asks
// whether to keep it, choose another one or remove it.
#include <string>

#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Labels.h"
#include "ui/Panels.h"

namespace lorivex {

enum class TStyleSheetChoice { Keep, ChooseNew, Remove, Cancelled };

class TStyleSheetDialog : public ui::TForm {
public:
    TStyleSheetDialog();

    ui::TPanel* CaptionPanel;
    ui::TPaintBox* CaptionPaintBox;
    ui::TLabel* Label1;
    ui::TRadioGroup* RadioGroup;
    ui::TBitBtn* BitBtn1;
    ui::TBitBtn* BitBtn2;

    TStyleSheetChoice Execute(const std::string& current);

    void CaptionPaintBoxPaint(ui::TComponent& sender);
};

} // namespace lorivex
