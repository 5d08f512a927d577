#include "commands/TopicVariableDialog.h"

#include "platform/Locale.h"
#include "services/CaptionBanner.h"
#include "services/DialogFrame.h"
#include "services/LorivexUtils.h"
#include "services/word/Word.h"
#include "services/word/WordText.h"

namespace lorivex {

using namespace ui;

const TTopicVariable TopicVariables[5] = {
    {"Topic Title", "lxTopicTitle", "Topic Title"},
    {"Compiled Filename", "lxCompiledFile", "CompiledFile.chm"},
    {"Compiled date and time", "lxCompileTime", nullptr},
    {"See also (Links)", "lxSeeAlsoLinks", "Topic1, Topic2, Topic3"},
    {"See also (Popup Menu)", "lxSeeAlsoPopup", "See also"},
};

TTopicVariableDialog::TTopicVariableDialog()
{
    SetCaption("Insert Topic Variable");
    BorderStyle = TFormBorderStyle::ToolWindow;
    Position = TPosition::Designed;
    SetBounds(488, 575, 356, 174);
    CaptionPanel = Add<TPanel>("CaptionPanel");
    CaptionPanel->SetAlign(TAlign::Top);
    CaptionPanel->SetHeight(25);
    CaptionPanel->SetCaption("Insert Topic Variable");
    CaptionPaintBox = CaptionPanel->Add<TPaintBox>("CaptionPaintBox");
    CaptionPaintBox->SetAlign(TAlign::Client);
    CaptionPaintBox->OnPaint = Handler(&TTopicVariableDialog::CaptionPaintBoxPaint);
    TopicVariableGroup = Add<TRadioGroup>("TopicVariableGroup");
    TopicVariableGroup->SetBounds(0, 25, 356, 105);
    TopicVariableGroup->SetCaption("Variable type");
    for (const auto& variable : TopicVariables)
        TopicVariableGroup->Items.Add(variable.Caption);
    BitBtn1 = Add<TBitBtn>("BitBtn1");
    BitBtn1->SetKind(TBitBtnKind::Ok);
    BitBtn1->SetBounds(8, 140, 75, 25);
    BitBtn2 = Add<TBitBtn>("BitBtn2");
    BitBtn2->SetKind(TBitBtnKind::Cancel);
    BitBtn2->SetBounds(100, 140, 75, 25);
}

void TTopicVariableDialog::CaptionPaintBoxPaint(TComponent& sender)
{
    PaintCaptionBanner(dynamic_cast<TPaintBox&>(sender), true);
}

void TTopicVariableDialog::Execute(const word::DocumentPtr& document)
{
    Guard("Execute", [&] {
        TopicVariableGroup->SetItemIndex(0);
        if (ShowModalDialog(*this) != mrOk)
            return;
        std::string dateFormat = GetDocProperty(document, "lxDateFormat");
        if (dateFormat.empty())
            dateFormat = platform::UserFormatSettings().LongDateFormat;
        auto range = document->ActiveWindow()->Selection()->Range();
        const int item = TopicVariableGroup->ItemIndex();
        if (item < 0 || item >= int(std::size(TopicVariables)))
            return;
        const TTopicVariable& variable = TopicVariables[item];
        if (GetDocProperty(document, variable.Property).empty())
            SetDocProperty(document, variable.Property, variable.Sample ? variable.Sample : dateFormat);
        document->Fields()->Add(range, word::wdFieldDocProperty, word::ToWord(variable.Property), true);
    });
}

} // namespace lorivex
