#pragma once
// TTopicVariableDialog: inserts at the cursor a DOCPROPERTY field naming one
// of the five per-topic variables, giving the property a sample value when
// it has none so that the field shows something while the author writes.
#include <string>

#include "services/word/Forward.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Panels.h"

namespace lorivex {

struct TTopicVariable {
    const char* Caption;  // the radio item
    const char* Property; // the field's text
    const char* Sample;   // written when the property is empty; null: the date format
};

// The five variables, in the order of the radio items.
extern const TTopicVariable TopicVariables[5];

class TTopicVariableDialog : public ui::TForm {
public:
    TTopicVariableDialog();

    ui::TPanel* CaptionPanel;
    ui::TPaintBox* CaptionPaintBox;
    ui::TRadioGroup* TopicVariableGroup;
    ui::TBitBtn* BitBtn1;
    ui::TBitBtn* BitBtn2;

    void Execute(const word::DocumentPtr& document);

    void CaptionPaintBoxPaint(ui::TComponent& sender);
};

} // namespace lorivex
