#include "commands/TextPopupDialog.h"

#include "base/Finally.h"
#include "compiler/TextFile.h"
#include "platform/FileSystem.h"
#include "services/CaptionBanner.h"
#include "services/DialogFrame.h"
#include "services/LorivexUtils.h"
#include "services/StringList.h"
#include "services/word/Word.h"
#include "services/word/WordText.h"

namespace lorivex {

using namespace ui;

namespace {

// The script block one popup leaves before its link: it makes sure the help
// control is on the page and defines the popup's text and font.
const char* const ScriptTemplate[] = {
    "<div style=\"display:none; width:0px; height:0px; position:absolute; left:-50px; top: -50px;\">"
    "<script language=\"JavaScript\">",
    "    hlpctrl=document.getElementById('help_popup_ctrl');\t",
    "    if (hlpctrl==null)",
    "    {",
    "      document.write('<span style=\"display:none;\"><object id=\"help_popup_ctrl\" "
    "type=\"application/x-oleobject\" classid=\"clsid:adb880a6-d8ff-11cf-9377-00aa003b7a11\"></object></span>');",
    "    }",
    "    lxPopupFont<#PopupIx>='Helvetica,10,,italic';",
    "    lxPopupText<#PopupIx>='<#PopupText>';   </script></div>",
};

// Every occurrence of what, in any letter case, replaced by with.
std::string ReplaceAll(const std::string& text, const std::string& what, const std::string& with)
{
    std::string result;
    const std::string upperText = UpperCase(text), upperWhat = UpperCase(what);
    size_t from = 0;
    for (size_t at = upperText.find(upperWhat); at != std::string::npos; at = upperText.find(upperWhat, from)) {
        result += text.substr(from, at - from) + with;
        from = at + what.size();
    }
    return result + text.substr(from);
}

// The memo's text as the person typed it: lines joined, no final break.
std::string TypedText(const TMemo& memo)
{
    std::string text;
    for (int i = 0; i < memo.Lines.Count(); ++i)
        text += (i > 0 ? "\r\n" : "") + memo.Lines[i];
    return text;
}

TLabel* AddLabel(TWinControl& parent, const std::string& name, int left, int top, const std::string& caption)
{
    auto* label = parent.Add<TLabel>(name);
    label->SetBounds(left, top, 0, 0);
    label->SetCaption(caption);
    return label;
}

} // namespace

TTextPopupDialog::TTextPopupDialog()
{
    SetCaption("Insert Text Popup window");
    BorderStyle = TFormBorderStyle::ToolWindow;
    Position = TPosition::ScreenCenter;
    SetBounds(0, 0, 376, 193);
    Panel1 = Add<TPanel>("Panel1");
    Panel1->SetAlign(TAlign::Top);
    Panel1->SetHeight(23);
    CaptionPaintBox = Panel1->Add<TPaintBox>("CaptionPaintBox");
    CaptionPaintBox->SetAlign(TAlign::Client);
    CaptionPaintBox->OnPaint = Handler(&TTextPopupDialog::CaptionPaintBoxPaint);
    Label2 = Panel1->Add<TLabel>("Label2");
    Label2->AutoSize = false;
    Label2->Alignment = TAlignment::Center;
    Label2->Transparent = true;
    Label2->Font.Style = fsBold;
    Label2->SetAlign(TAlign::Client);
    Label2->SetCaption("Text Popup ");
    Label1 = AddLabel(*this, "Label1", 11, 36, "Text to display.........");
    LinkTextEdit = Add<TEdit>("LinkTextEdit");
    LinkTextEdit->SetBounds(92, 32, 265, 21);
    LinkTextEdit->Hint = "Enter the text of the hyperlink";
    Label3 = AddLabel(*this, "Label3", 12, 64, "Popup Text...........");
    PopupTextMemo = Add<TMemo>("PopupTextMemo");
    PopupTextMemo->SetBounds(92, 60, 265, 89);
    PopupTextMemo->WordWrap = false;
    PopupTextMemo->Hint = "Enter the text of the popup window";
    BitBtn1 = Add<TBitBtn>("BitBtn1");
    BitBtn1->SetKind(TBitBtnKind::Ok);
    BitBtn1->SetBounds(92, 160, 75, 25);
    BitBtn2 = Add<TBitBtn>("BitBtn2");
    BitBtn2->SetKind(TBitBtnKind::Cancel);
    BitBtn2->SetBounds(180, 160, 75, 25);
    PopupCodeMemo = Add<TMemo>("PopupCodeMemo");
    PopupCodeMemo->WordWrap = false;
    PopupCodeMemo->SetVisible(false);
    for (const char* line : ScriptTemplate)
        PopupCodeMemo->Lines.Add(line);
}

void TTextPopupDialog::CaptionPaintBoxPaint(TComponent& sender)
{
    PaintCaptionBanner(dynamic_cast<TPaintBox&>(sender), false);
}

void TTextPopupDialog::Execute(const word::DocumentPtr& document)
{
    Guard("Execute", [&] {
        auto selection = document->ActiveWindow()->Selection();
        const bool empty = selection->Start() == selection->End();
        if (!empty) {
            LinkTextEdit->SetText(word::FromWord(selection->Text()));
            LinkTextEdit->SetEnabled(false);
        }
        if (ShowModalDialog(*this) != mrOk)
            return;
        if (empty)
            document->ActiveWindow()->Selection()->SetText(word::ToWord(LinkTextEdit->Text()));
        const int popupIx = GetPopupIx(document);
        const std::string path = GetScriptFileName(popupIx);
        const std::string n = std::to_string(popupIx);
        auto link = document->ActiveWindow()->Selection()->Range();
        document->Bookmarks()->Add(word::ToWord(PopupBookmarkPrefix + n), link);
        auto hyperlink = document->Content()->Hyperlinks()->Add(
            link, word::ToWord("JavaScript:help_popup_ctrl.TextPopup(lxPopupText" + n + ",lxPopupFont" + n
                               + ",9,9,-1,-1)"));
        hyperlink->SetTarget(u"_self");
        link->InsertBefore(u" ");
        auto script = document->Range(link->Start(), link->Start() + 1);
        script->InsertFile(word::ToWord(path));
        // The file went in with a paragraph mark of its own; it goes again.
        document->Range(script->Start() + 1, script->End() + 2)->Delete(word::wdCharacter, 1);
        platform::DeleteFile(path);
    });
}

int TTextPopupDialog::GetPopupIx(const word::DocumentPtr& document)
{
    return Guard("GetPopupIx", [&] {
        auto bookmarks = document->Bookmarks();
        const bool showHidden = bookmarks->ShowHidden();
        bookmarks->SetShowHidden(true);
        int count = 0;
        Finally(
            [&] {
                const long total = bookmarks->Count();
                for (long i = 1; i <= total; ++i)
                    if (word::FromWord(bookmarks->Item(i)->Name()).starts_with(PopupBookmarkPrefix))
                        ++count;
            },
            [&] { bookmarks->SetShowHidden(showHidden); });
        return count + 1;
    });
}

std::string TTextPopupDialog::GetScriptFileName(int popupIx)
{
    return Guard("GetScriptFileName", [&] {
        const std::string path = platform::JoinPath(GetTempDir(), "lxPopup.js");
        std::string code = PopupCodeMemo->Lines.Text();
        code = ReplaceAll(code, "<#PopupIx>", std::to_string(popupIx));
        code = ReplaceAll(code, "<#PopupText>", JavaScriptStr(TypedText(*PopupTextMemo)));
        PopupCodeMemo->Lines.SetText(code);
        std::vector<std::string> lines;
        for (int i = 0; i < PopupCodeMemo->Lines.Count(); ++i)
            lines.push_back(PopupCodeMemo->Lines[i]);
        SaveLines(path, lines);
        return path;
    });
}

} // namespace lorivex
