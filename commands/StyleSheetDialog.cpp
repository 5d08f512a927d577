#include "commands/StyleSheetDialog.h"

#include "platform/FileSystem.h"
#include "services/CaptionBanner.h"
#include "services/DialogFrame.h"

namespace lorivex {

using namespace ui;

namespace {

// The file name part of a path written on either platform: Windows paths
// travel inside documents wherever they are opened.
std::string FileNamePart(const std::string& path)
{
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

TStyleSheetDialog::TStyleSheetDialog()
{
    SetCaption("External Stylesheet");
    BorderStyle = TFormBorderStyle::ToolWindow;
    Position = TPosition::ScreenCenter;
    SetBounds(0, 0, 371, 185);
    CaptionPanel = Add<TPanel>("CaptionPanel");
    CaptionPanel->SetAlign(TAlign::Top);
    CaptionPanel->SetHeight(25);
    CaptionPanel->SetCaption("Set External Stylesheet");
    CaptionPaintBox = CaptionPanel->Add<TPaintBox>("CaptionPaintBox");
    CaptionPaintBox->SetAlign(TAlign::Client);
    CaptionPaintBox->OnPaint = Handler(&TStyleSheetDialog::CaptionPaintBoxPaint);
    Label1 = Add<TLabel>("Label1");
    Label1->SetBounds(8, 32, 0, 0);
    Label1->SetCaption("This document already has a linked stylesheet, what would you like to do?");
    RadioGroup = Add<TRadioGroup>("RadioGroup");
    RadioGroup->SetBounds(8, 52, 357, 89);
    RadioGroup->SetCaption("What would you like to do?");
    RadioGroup->Items.Add("Keep existing stylesheet (%s)");
    RadioGroup->Items.Add("Select a new stylesheet");
    RadioGroup->Items.Add("Remove existing stylesheet");
    BitBtn1 = Add<TBitBtn>("BitBtn1");
    BitBtn1->SetKind(TBitBtnKind::Ok);
    BitBtn1->SetBounds(12, 152, 75, 25);
    BitBtn2 = Add<TBitBtn>("BitBtn2");
    BitBtn2->SetKind(TBitBtnKind::Cancel);
    BitBtn2->SetBounds(96, 152, 75, 25);
}

void TStyleSheetDialog::CaptionPaintBoxPaint(TComponent& sender)
{
    PaintCaptionBanner(dynamic_cast<TPaintBox&>(sender), true);
}

TStyleSheetChoice TStyleSheetDialog::Execute(const std::string& current)
{
    return Guard("Execute", [&] {
        RadioGroup->Items.Set(0, "Keep existing stylesheet (" + FileNamePart(current) + ")");
        RadioGroup->SetItemIndex(1);
        if (ShowModalDialog(*this) != mrOk)
            return TStyleSheetChoice::Cancelled;
        switch (RadioGroup->ItemIndex()) {
        case 0: return TStyleSheetChoice::Keep;
        case 1: return TStyleSheetChoice::ChooseNew;
        case 2: return TStyleSheetChoice::Remove;
        default: return TStyleSheetChoice::Cancelled;
        }
    });
}

} // namespace lorivex
