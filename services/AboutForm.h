#pragma once
// TAboutForm, the program information box: the product title over the
// banner gradient, the build number of the installed add-in, and links to
// the product's web page and support forum.
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Labels.h"
#include "ui/Panels.h"

namespace lorivex {

inline constexpr char LorivexWebPage[] = "https://www.lorivex.com/";
inline constexpr char LorivexSupportForum[] = "https://www.lorivex.com/forum/";

class TAboutForm : public ui::TForm {
public:
    TAboutForm();

    ui::TPaintBox* PaintBox1;
    ui::TLabel* TitleShadowLabel;
    ui::TLabel* TitleLabel;
    ui::TBevel* Bevel1;
    ui::TLabel* BuildLabel;
    ui::TLabel* VersionLabel;
    ui::TLabel* WebPageLabel;
    ui::TLabel* WebPageLink;
    ui::TLabel* SupportLabel;
    ui::TLabel* SupportLink;
    ui::TBitBtn* OkButton;

    void FormCreate(ui::TComponent& sender);
    void PaintBox1Paint(ui::TComponent& sender);
    // Shared by both links; sender is the link clicked.
    void LinkClick(ui::TComponent& sender);

private:
    ui::TLabel* AddTitle(const std::string& name, int left, int top, ui::TColor color);
    ui::TLabel* AddLabel(const std::string& name, int left, int top, const std::string& caption);
    ui::TLabel* AddLink(const std::string& name, int left, int top, const std::string& address);
};

} // namespace lorivex
