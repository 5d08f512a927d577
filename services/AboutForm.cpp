#include "services/AboutForm.h"

#include "platform/Shell.h"
#include "services/CaptionBanner.h"
#include "services/VersionInfo.h"

namespace lorivex {

using namespace ui;

TAboutForm::TAboutForm()
{
    SetCaption("Application information");
    BorderStyle = TFormBorderStyle::Dialog;
    Position = TPosition::ScreenCenter;
    SetBounds(0, 0, 416, 300);
    PaintBox1 = Add<TPaintBox>("PaintBox1");
    PaintBox1->SetAlign(TAlign::Client);
    PaintBox1->OnPaint = Handler(&TAboutForm::PaintBox1Paint);
    // The shadow first, so that the title is drawn over it.
    TitleShadowLabel = AddTitle("TitleShadowLabel", 4, 16, clWhite);
    TitleLabel = AddTitle("TitleLabel", 6, 19, clBlack);
    Bevel1 = Add<TBevel>("Bevel1");
    Bevel1->Shape = TBevelShape::TopLine;
    Bevel1->SetBounds(36, 72, 317, 13);
    BuildLabel = AddLabel("BuildLabel", 48, 84, "Build no:");
    VersionLabel = AddLabel("VersionLabel", 96, 84, "");
    WebPageLabel = AddLabel("WebPageLabel", 36, 104, "Web page:");
    WebPageLink = AddLink("WebPageLink", 96, 104, LorivexWebPage);
    SupportLabel = AddLabel("SupportLabel", 48, 124, "Support:");
    SupportLink = AddLink("SupportLink", 96, 124, LorivexSupportForum);
    OkButton = Add<TBitBtn>("OkButton");
    OkButton->SetKind(TBitBtnKind::Ok);
    OkButton->SetBounds(156, 256, 75, 25);
    OnCreate = Handler(&TAboutForm::FormCreate);
}

TLabel* TAboutForm::AddTitle(const std::string& name, int left, int top, TColor color)
{
    auto* title = Add<TLabel>(name);
    title->AutoSize = false;
    title->Alignment = TAlignment::Center;
    title->Transparent = true;
    title->Font.Name = "Arial";
    title->Font.Height = 32;
    title->Font.Style = fsBold;
    title->Font.Color = color;
    title->SetBounds(left, top, 377, 33);
    title->SetCaption("Lorivex 2008");
    return title;
}

TLabel* TAboutForm::AddLabel(const std::string& name, int left, int top, const std::string& caption)
{
    auto* label = Add<TLabel>(name);
    label->Transparent = true;
    label->SetBounds(left, top, 0, 0);
    label->SetCaption(caption);
    return label;
}

TLabel* TAboutForm::AddLink(const std::string& name, int left, int top, const std::string& address)
{
    auto* link = AddLabel(name, left, top, "");
    link->Font.Color = clNavy;
    link->Cursor = TCursor::HandPoint;
    link->SetCaption(address);
    link->OnClick = Handler(&TAboutForm::LinkClick);
    return link;
}

void TAboutForm::FormCreate(TComponent&)
{
    Guard("FormCreate", [&] { VersionLabel->SetCaption(GetVersionInfo(AddInBinaryPath())); });
}

void TAboutForm::PaintBox1Paint(TComponent& sender)
{
    Guard("PaintBox1Paint", [&] { PaintCaptionBanner(dynamic_cast<TPaintBox&>(sender), false); });
}

void TAboutForm::LinkClick(TComponent& sender)
{
    Guard("LinkClick", [&] {
        // Without a browser nothing opens; the box has nothing to tell.
        platform::ShellOpen(dynamic_cast<TLabel&>(sender).Caption());
    });
}

} // namespace lorivex
