#pragma once
// TTextPopupDialog: turns a piece of text into a link that opens a small
// popup window with a text of the author's choice in the compiled help. The
// document gets a hidden bookmark numbering the popup, a hyperlink calling
// the help control's popup method, and just before the link a script block
// that defines the popup's text and font.
#include "services/word/Forward.h"
#include "ui/Buttons.h"
#include "ui/Edits.h"
#include "ui/Form.h"
#include "ui/Labels.h"
#include "ui/Panels.h"

namespace lorivex {

inline constexpr char PopupBookmarkPrefix[] = "_lxPopupBookmark";

class TTextPopupDialog : public ui::TForm {
public:
    TTextPopupDialog();

    ui::TPanel* Panel1;
    ui::TPaintBox* CaptionPaintBox;
    ui::TLabel* Label2;
    ui::TLabel* Label1;
    ui::TEdit* LinkTextEdit;
    ui::TLabel* Label3;
    ui::TMemo* PopupTextMemo;
    ui::TBitBtn* BitBtn1;
    ui::TBitBtn* BitBtn2;
    ui::TMemo* PopupCodeMemo;

    void Execute(const word::DocumentPtr& document);
    int GetPopupIx(const word::DocumentPtr& document);
    std::string GetScriptFileName(int popupIx);

    void CaptionPaintBoxPaint(ui::TComponent& sender);
};

} // namespace lorivex
