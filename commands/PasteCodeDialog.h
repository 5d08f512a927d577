#pragma once
// TPasteCodeDialog: shows the clipboard's text highlighted in a language the
// author picks, and on OK replaces the clipboard's content by that text as
// RTF in the language's colours, ready for Word to paste. The last language
// shown is remembered.
#include "highlight/CodeViewer.h"
#include "highlight/Highlighters.h"
#include "highlight/RtfExporter.h"
#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/Labels.h"
#include "ui/Panels.h"

namespace lorivex {

inline constexpr char PasteCodeKey[] = "software\\Vantrell\\Lorivex2008\\PasteCode";

class TPasteCodeDialog : public ui::TForm {
public:
    TPasteCodeDialog();

    ui::TPanel* Panel1;
    ui::TPaintBox* PaintBox2;
    ui::TLabel* Label1;
    ui::TComboBox* LanguageCombo;
    TCodeViewer* PreviewEdit;
    ui::TPanel* Panel2;
    ui::TPaintBox* PaintBox1;
    ui::TBitBtn* BitBtn1;
    ui::TBitBtn* BitBtn2;
    TRtfExporter RTFExporter;
    // The seventeen languages, owned by the form.
    THighlighterList Highlighters;

    // True when RTF has been put on the clipboard for pasting.
    bool Execute();
    void LoadSettings();
    void SaveSettings();

    void LanguageComboChange(ui::TComponent& sender);
    void PaintBoxPaint(ui::TComponent& sender);
};

} // namespace lorivex
