#include "compiler/CompilerForm.h"

#include "services/GradientColor.h"

namespace lorivex {

using namespace ui;

TCompilerForm::TCompilerForm()
{
    SetCaption("Compiling");
    BorderStyle = TFormBorderStyle::ToolWindow;
    Position = TPosition::ScreenCenter;
    SetBounds(0, 0, 421, 115);
    CompilerListBox = Add<TListBox>("CompilerListBox");
    CompilerListBox->SetAlign(TAlign::Client);
    CompilerListBox->Style = TListBoxStyle::OwnerDrawVariable;
    CompilerListBox->ItemHeight = 16;
    CompilerListBox->OnDrawItem = Handler(&TCompilerForm::CompilerListBoxDrawItem);
    OnCreate = Handler(&TCompilerForm::FormCreate);
    OnCloseQuery = Handler(&TCompilerForm::FormCloseQuery);
    OnClose = Handler(&TCompilerForm::FormClose);
}

void TCompilerForm::FormCreate(TComponent&)
{
    MaxWidth = 0;
    CloseAllowed = false;
}

void TCompilerForm::FormCloseQuery(TComponent&, bool& canClose)
{
    canClose = CloseAllowed;
}

void TCompilerForm::FormClose(TComponent&, TCloseAction& action)
{
    action = CloseAllowed ? caHide : caNone;
}

void TCompilerForm::UpdateHorizontalScroll()
{
    Guard("UpdateHorizontalScroll", [&] {
        MaxWidth = 0;
        TCanvas& canvas = *CompilerListBox->Canvas();
        for (int i = 0; i < CompilerListBox->Items.Count(); ++i)
            MaxWidth = std::max(MaxWidth, canvas.TextWidth(CompilerListBox->Items[i]));
        CompilerListBox->ScrollWidth = MaxWidth;
    });
}

void TCompilerForm::CompilerListBoxDrawItem(TComponent&, int index, TRect rect, TOwnerDrawState)
{
    Guard("CompilerListBoxDrawItem", [&] {
        TCanvas& canvas = *CompilerListBox->Canvas();
        for (int x = rect.Left; x <= rect.Right; ++x) {
            canvas.Pen.Color = GradientColor(clActiveCaption, clInactiveCaption, rect.Right - rect.Left, x - rect.Left);
            canvas.MoveTo(x, rect.Top);
            canvas.LineTo(x, rect.Bottom);
        }
        // Only the newest line stands out.
        canvas.Font.Style = index == CompilerListBox->Items.Count() - 1 ? TFontStyles(fsBold) : TFontStyles(0);
        canvas.Font.Color = clCaptionText;
        canvas.Brush.Style = TBrushStyle::Clear;
        canvas.TextRect(rect, rect.Left + 2, rect.Top + 2, CompilerListBox->Items[index]);
    });
}

} // namespace lorivex
