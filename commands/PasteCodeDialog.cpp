#include "commands/PasteCodeDialog.h"

#include "platform/Clipboard.h"
#include "platform/Registry.h"
#include "services/CaptionBanner.h"
#include "services/DialogFrame.h"

namespace lorivex {

using namespace ui;

namespace {

void AddBanner(TPanel& panel, TPaintBox*& paintBox, const std::string& name, TNotifyEvent paint)
{
    paintBox = panel.Add<TPaintBox>(name);
    paintBox->SetAlign(TAlign::Client);
    paintBox->OnPaint = std::move(paint);
}

// The highlighter an item carries; the form owns it.
const THighlighter* Carried(const TComboBox& combo, int index)
{
    return static_cast<const THighlighter*>(combo.Items.Objects(index).get());
}

} // namespace

TPasteCodeDialog::TPasteCodeDialog()
{
    SetCaption("Paste Code");
    BorderStyle = TFormBorderStyle::Dialog;
    Position = TPosition::Designed;
    SetBounds(247, 140, 547, 375);
    Panel1 = Add<TPanel>("Panel1");
    Panel1->SetAlign(TAlign::Top);
    Panel1->SetHeight(33);
    AddBanner(*Panel1, PaintBox2, "PaintBox2", Handler(&TPasteCodeDialog::PaintBoxPaint));
    Label1 = Panel1->Add<TLabel>("Label1");
    Label1->Transparent = true;
    Label1->SetBounds(12, 8, 0, 0);
    Label1->SetCaption("&Select Language.........");
    LanguageCombo = Panel1->Add<TComboBox>("LanguageCombo");
    LanguageCombo->SetBounds(108, 4, 237, 21);
    LanguageCombo->OnChange = Handler(&TPasteCodeDialog::LanguageComboChange);
    Panel2 = Add<TPanel>("Panel2");
    Panel2->SetAlign(TAlign::Bottom);
    Panel2->SetHeight(35);
    AddBanner(*Panel2, PaintBox1, "PaintBox1", Handler(&TPasteCodeDialog::PaintBoxPaint));
    BitBtn1 = Panel2->Add<TBitBtn>("BitBtn1");
    BitBtn1->SetKind(TBitBtnKind::Ok);
    BitBtn1->SetBounds(366, 5, 75, 25);
    BitBtn2 = Panel2->Add<TBitBtn>("BitBtn2");
    BitBtn2->SetKind(TBitBtnKind::Cancel);
    BitBtn2->SetBounds(454, 5, 75, 25);
    PreviewEdit = Add<TCodeViewer>("PreviewEdit");
    PreviewEdit->SetAlign(TAlign::Client);
    // Added controls take the form's font; the viewer keeps its own.
    PreviewEdit->Font.Name = "Courier New";
    PreviewEdit->Font.SetSize(10);
    RTFExporter.Font.Name = "Courier New";
    RTFExporter.Font.SetSize(10);
    RTFExporter.Title = "Untitled";
    Highlighters = CreateHighlighters();
}

void TPasteCodeDialog::PaintBoxPaint(TComponent& sender)
{
    PaintCaptionBanner(dynamic_cast<TPaintBox&>(sender), false);
}

bool TPasteCodeDialog::Execute()
{
    return Guard("Execute", [&] {
        if (!platform::ClipboardHasText())
            return false;
        PreviewEdit->SetText(platform::GetClipboardUnicodeText());
        LanguageCombo->Items.Clear();
        for (const auto& highlighter : Highlighters)
            LanguageCombo->Items.Add(highlighter->DisplayName(),
                                     std::shared_ptr<void>(std::shared_ptr<void>(), highlighter.get()));
        LanguageCombo->SetSorted(true);
        LanguageCombo->SetItemIndex(0);
        LanguageComboChange(*LanguageCombo);
        LoadSettings();
        const bool ok = ShowModalDialog(*this) == mrOk;
        SaveSettings();
        if (ok) {
            RTFExporter.ExportFrom(PreviewEdit->Lines(), {1, 1});
            RTFExporter.CopyToClipboard();
        }
        return ok;
    });
}

void TPasteCodeDialog::LanguageComboChange(TComponent&)
{
    Guard("LanguageComboChange", [&] {
        const int index = LanguageCombo->ItemIndex();
        const THighlighter* highlighter = index < 0 ? nullptr : Carried(*LanguageCombo, index);
        PreviewEdit->SetHighlighter(highlighter);
        RTFExporter.SetHighlighter(highlighter);
    });
}

void TPasteCodeDialog::LoadSettings()
{
    Guard("LoadSettings", [&] {
        auto& registry = platform::GetRegistry();
        if (!registry.KeyExists(platform::RootKey::CurrentUser, PasteCodeKey))
            return;
        std::string language;
        if (registry.GetValueKind(platform::RootKey::CurrentUser, PasteCodeKey, "Language") != platform::ValueKind::None)
            language = registry.ReadString(platform::RootKey::CurrentUser, PasteCodeKey, "Language");
        // A remembered name that is no longer in the list leaves nothing
        // selected and nothing applied: the preview keeps its language.
        try {
            LanguageCombo->SetItemIndex(LanguageCombo->Items.IndexOf(language));
            if (LanguageCombo->ItemIndex() >= 0)
                LanguageComboChange(*LanguageCombo);
        } catch (const Exception&) {
        }
    });
}

void TPasteCodeDialog::SaveSettings()
{
    Guard("SaveSettings", [&] {
        auto& registry = platform::GetRegistry();
        if (!registry.CreateKey(platform::RootKey::CurrentUser, PasteCodeKey))
            return;
        if (LanguageCombo->ItemIndex() >= 0)
            registry.WriteString(platform::RootKey::CurrentUser, PasteCodeKey, "Language", LanguageCombo->Text());
    });
}

} // namespace lorivex
