#include "services/ExceptionDialog.h"

#include <cstdio>

#include "platform/Clipboard.h"
#include "platform/CodePages.h"
#include "services/CaptionBanner.h"
#include "services/VersionInfo.h"
#include "ui/Application.h"

namespace lorivex {

using namespace ui;

namespace {

TPanel* AddBannerPanel(TForm& form, const std::string& name, TAlign align, int height)
{
    auto* panel = form.Add<TPanel>(name);
    panel->BevelOuter = TPanelBevel::None;
    panel->SetHeight(height);
    panel->SetAlign(align);
    return panel;
}

TLabel* AddLabel(TWinControl& parent, const std::string& name, int left, int top, const std::string& caption)
{
    auto* label = parent.Add<TLabel>(name);
    label->Transparent = true;
    label->SetBounds(left, top, 0, 0);
    label->SetCaption(caption);
    return label;
}

// A clipboard: a brown board with a clip, a sheet of paper on it.
TBitmapPtr ClipboardPicture()
{
    const TColor board = Rgb(128, 64, 0), paper = clWhite, clip = Rgb(128, 128, 128), background = Rgb(255, 0, 255);
    auto bitmap = std::make_shared<TBitmap>(16, 16, background);
    for (int y = 1; y < 16; ++y)
        for (int x = 2; x < 14; ++x)
            bitmap->SetPixel(x, y, y >= 3 && y < 15 && x >= 4 && x < 12 ? paper : board);
    for (int x = 5; x < 11; ++x)
        bitmap->SetPixel(x, 0, clip), bitmap->SetPixel(x, 1, clip);
    return bitmap;
}

std::string FormatTime(const platform::DateTime& t)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.Year, t.Month, t.Day, t.Hour, t.Minute);
    return text;
}

} // namespace

TlxExceptionDialog::TlxExceptionDialog()
{
    SetCaption("Lorivex Application Error");
    BorderStyle = TFormBorderStyle::Dialog;
    Position = TPosition::ScreenCenter;
    SetBounds(0, 0, 327, 94);
    CreateExceptionPanel();
    CreateTracePanel();
    CreateBottomPanel();
    OnShow = Handler(&TlxExceptionDialog::FormShow);
    ApplyDetails();
}

void TlxExceptionDialog::CreateExceptionPanel()
{
    ExceptionPanel = AddBannerPanel(*this, "ExceptionPanel", TAlign::Top, 53);
    PaintBox1 = ExceptionPanel->Add<TPaintBox>("PaintBox1");
    PaintBox1->SetAlign(TAlign::Client);
    PaintBox1->OnPaint = Handler(&TlxExceptionDialog::PaintBox1Paint);
    ExceptionLabel = ExceptionPanel->Add<TLabel>("ExceptionLabel");
    ExceptionLabel->Transparent = true;
    ExceptionLabel->WordWrap = true;
    ExceptionLabel->AutoSize = false;
    ExceptionLabel->Font.Color = clRed;
    ExceptionLabel->SetBounds(12, 8, 293, 37);
}

void TlxExceptionDialog::CreateTracePanel()
{
    TracePanel = AddBannerPanel(*this, "TracePanel", TAlign::Top, 108);
    TracePanel->SetVisible(false);
    PaintBox2 = TracePanel->Add<TPaintBox>("PaintBox2");
    PaintBox2->SetAlign(TAlign::Client);
    PaintBox2->OnPaint = Handler(&TlxExceptionDialog::PaintBox1Paint);
    CallStackLabel = TracePanel->Add<TLabel>("CallStackLabel");
    CallStackLabel->Font.Style = fsBold;
    CallStackLabel->Font.Color = clRed;
    CallStackLabel->Transparent = true;
    CallStackLabel->SetBounds(9, 4, 0, 0);
    CallStackLabel->SetCaption("Call stack");
    TraceListBox = TracePanel->Add<TListBox>("TraceListBox");
    TraceListBox->SetBounds(8, 20, 313, 65);
    TraceListBox->Color = clBtnFace;
    TraceListBox->Ctl3D = false;
    TraceListBox->ItemHeight = 13;
    VersionLabel = AddLabel(*TracePanel, "VersionLabel", 12, 88, "");
    CopyToClipboardImg = TracePanel->Add<TImage>("CopyToClipboardImg");
    CopyToClipboardImg->SetBounds(303, 3, 16, 16);
    CopyToClipboardImg->Picture = ClipboardPicture();
    CopyToClipboardImg->Transparent = true;
    CopyToClipboardImg->Hint = "Copy error details to clipboard";
    CopyToClipboardImg->ShowHint = true;
    CopyToClipboardImg->OnMouseDown = Handler(&TlxExceptionDialog::CopyToClipboardImgMouseDown);
}

void TlxExceptionDialog::CreateBottomPanel()
{
    BottomPanel = AddBannerPanel(*this, "BottomPanel", TAlign::Bottom, 41);
    PaintBox3 = BottomPanel->Add<TPaintBox>("PaintBox3");
    PaintBox3->SetAlign(TAlign::Client);
    PaintBox3->OnPaint = Handler(&TlxExceptionDialog::PaintBox1Paint);
    OkButton = BottomPanel->Add<TBitBtn>("OkButton");
    OkButton->SetKind(TBitBtnKind::Ok);
    OkButton->SetBounds(8, 8, 75, 25);
    DetailsCheckBox = BottomPanel->Add<TCheckBox>("DetailsCheckBox");
    DetailsCheckBox->SetBounds(232, 12, 14, 15);
    DetailsCheckBox->OnClick = Handler(&TlxExceptionDialog::DetailsCheckBoxClick);
    ShowDetailsLabel = AddLabel(*BottomPanel, "ShowDetailsLabel", 250, 12, "Show details");
    ShowDetailsLabel->OnClick = Handler(&TlxExceptionDialog::ShowDetailsLabelClick);
}

void TlxExceptionDialog::FormShow(TComponent&)
{
    Guard("FormShow", [&] {
        VersionLabel->SetCaption(VersionText());
        ApplyDetails();
    });
}

std::string TlxExceptionDialog::VersionText()
{
    // The dialog reports a failure; a version that cannot be read must not
    // swallow that report, so it shows as unknown instead.
    std::string lorivexVersion = "unknown", wordVersion = "unknown";
    try {
        lorivexVersion = GetVersionInfo(AddInBinaryPath());
    } catch (const Exception&) {
    }
    try {
        if (WordApp)
            wordVersion = platform::Utf16ToAnsi(WordApp->Version());
    } catch (const Exception&) {
    }
    return "Lorivex version: " + lorivexVersion + ", MS Word version: " + wordVersion;
}

void TlxExceptionDialog::PaintBox1Paint(TComponent& sender)
{
    Guard("PaintBox1Paint", [&] { PaintCaptionBanner(dynamic_cast<TPaintBox&>(sender), false); });
}

void TlxExceptionDialog::DetailsCheckBoxClick(TComponent&)
{
    ApplyDetails();
}

void TlxExceptionDialog::ApplyDetails()
{
    TracePanel->SetVisible(DetailsCheckBox->Checked());
    SetClientHeight(ExceptionPanel->Height() + (TracePanel->Visible() ? TracePanel->Height() : 0)
                    + BottomPanel->Height());
}

void TlxExceptionDialog::ShowDetailsLabelClick(TComponent&)
{
    if (DetailsCheckBox->Enabled())
        DetailsCheckBox->SetChecked(!DetailsCheckBox->Checked());
}

void TlxExceptionDialog::CopyToClipboardImgMouseDown(TComponent&, TMouseButton, TShiftState, int, int)
{
    Guard("CopyToClipboardImgMouseDown", [&] { platform::SetClipboardText(Report()); });
}

std::string TlxExceptionDialog::Report()
{
    const std::string rule(45, '~');
    return "Time of Error: " + FormatTime(Clock()) + "\r\n" + "Message: " + ExceptionLabel->Caption() + "\r\n"
         + rule + "\r\n" + "Call stack: " + "\r\n" + TraceListBox->Items.Text() + "\r\n\r\n" + rule + "\r\n"
         + VersionLabel->Caption();
}

} // namespace lorivex
