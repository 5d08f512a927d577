#include "commands/LorivexModule.h"

#include "base/Finally.h"
#include "commands/Glyphs.h"
#include "commands/PasteCodeDialog.h"
#include "commands/SeeAlsoDialog.h"
#include "commands/StyleSheetDialog.h"
#include "commands/TextPopupDialog.h"
#include "commands/TopicVariableDialog.h"
#include "compiler/LvxDocumentHelper.h"
#include "platform/Desktop.h"
#include "platform/FileSystem.h"
#include "services/AboutForm.h"
#include "services/AddInModuleError.h"
#include "services/DialogFrame.h"
#include "services/HtmlHelp.h"
#include "services/LorivexUtils.h"
#include "services/word/Word.h"
#include "services/word/WordText.h"
#include "ui/Application.h"

namespace lorivex {

namespace {

constexpr char NeedsOpenDocument[] = "At least one document needs to be open for this command to function.";
constexpr char NeedsActiveDocument[] = "This command requires an active document.";

} // namespace

TLorivexModule::TLorivexModule()
{
    Name = "LorivexModule";
    AddInName = "Lorivex OfficeAddin";
    Description = "Lorivex for Microsoft Word";
    RegisterForAllUsers = true;
    SupportedApps = ohaWord;
    HandleShortcuts = true;
    OnError = [this](const std::exception& e, bool& handled) { AddInModuleError(e, handled); };
    OnAddInInitialize = [this](THostAddInModule& module) { OnLorivexInitialize(module); };
    OnAddInFinalize = [this](THostAddInModule& module) { OnLorivexFinalize(module); };
    // The module has no ribbon of its own.
    OnRibbonBeforeCreate = [](THostAddInModule&, std::string&) {};
    OnRibbonBeforeLoad = [](THostAddInModule&, std::string&) {};
    OnRibbonLoaded = [](THostAddInModule&) {};
    DefineToolbar();

    RecentImages.Add(MakeGlyph(TGlyph::WordDocument));
    RecentImages.Add(MakeGlyph(TGlyph::HelpFile));
    RecentMenu.Name = "RecentMenu";
    RecentMenu.Images = &RecentImages;
    TemplatesPopup.Name = "TemplatesPopup";
    TemplatesPopup.Images = &RecentImages;
    SymbolsPopup.Name = "SymbolsPopup";
    OpenStyleSheetDlg.Name = "OpenStyleSheetDlg";
    OpenStyleSheetDlg.DefaultExt = ".css";
    OpenStyleSheetDlg.Filter = "Style Sheet Files (*.css)|*.css|Any file (*.*)|*.*";
    OpenStyleSheetDlg.FilterIndex = 1;
}

template <class Body>
void TLorivexModule::KeepingHiddenText(Body&& body)
{
    SaveShowHiddenText();
    Finally(std::forward<Body>(body), [&] { RestoreShowHiddenText(); });
}

void TLorivexModule::CompileHtmlHelpClick(ui::TComponent&)
{
    Guard("CompileHtmlHelpClick", [&] {
        if (!WordApp || WordApp->Documents()->Count() == 0)
            throw Exception("This command cannot be executed when no document is active.");
        auto document = WordApp->ActiveDocument();
        auto run = std::make_unique<TLvxDocumentHelper>();
        ui::Application().SetScreenCursor(ui::TCursor::HourGlass);
        auto options = WordApp->DefaultWebOptions();
        const bool updateLinks = options->UpdateLinksOnSave();
        const bool relyOnVml = options->RelyOnVML();
        const bool defaultEncoding = options->AlwaysSaveInDefaultEncoding();
        options->SetUpdateLinksOnSave(false);
        options->SetRelyOnVML(false);
        options->SetAlwaysSaveInDefaultEncoding(true);
        Finally([&] { run->CreateHtmlHelp(document); },
                [&] {
                    options->SetUpdateLinksOnSave(updateLinks);
                    options->SetRelyOnVML(relyOnVml);
                    options->SetAlwaysSaveInDefaultEncoding(defaultEncoding);
                    // Freeing the run waits for the compiler, then removes the work folder.
                    run.reset();
                    ui::Application().SetScreenCursor(ui::TCursor::Default);
                });
    });
}

void TLorivexModule::AboutLorivexClick(ui::TComponent&)
{
    Guard("AboutLorivexClick", [&] {
        auto about = CreateLorivexForm<TAboutForm>(0);
        ShowModalDialog(*about);
    });
}

void TLorivexModule::ShowApplicationHelpClick(ui::TComponent&)
{
    Guard("ShowApplicationHelpClick", [&] {
        const std::string path = platform::IncludeTrailingPathDelimiter(GetLorivexDir()) + LorivexHelpFileName;
        HelpFile = path;
        if (!platform::FileExists(path))
            throw Exception("The Lorivex help file could not be located. (" + path + ")");
        ShowHelp();
    });
}

void TLorivexModule::InsertKeywordShortcutAction(ui::TComponent&)
{
    Guard("InsertIndexShortcutAction", [&] {
        auto document = WordApp->ActiveDocument();
        std::u16string entry = document->ActiveWindow()->Selection()->Range()->Text();
        document->Indexes()->MarkEntry(document->ActiveWindow()->Selection()->Range(), entry);
    });
}

void TLorivexModule::TextPopupClick(ui::TComponent&)
{
    Guard("TextPopupClick", [&] {
        KeepingHiddenText([&] {
            if (WordApp->Documents()->Count() <= 0)
                throw Exception(NeedsOpenDocument);
            auto dialog = CreateLorivexForm<TTextPopupDialog>(0);
            dialog->Execute(WordApp->ActiveDocument());
        });
    });
}

void TLorivexModule::InsertTopicVariableClick(ui::TComponent&)
{
    Guard("InsertTopicVariableClick", [&] {
        KeepingHiddenText([&] {
            if (WordApp->Documents()->Count() == 0)
                throw Exception(NeedsActiveDocument);
            auto dialog = CreateLorivexForm<TTopicVariableDialog>(0);
            dialog->Execute(WordApp->ActiveDocument());
        });
    });
}

void TLorivexModule::SeeAlsoClick(ui::TComponent&)
{
    Guard("SeeAlsoClick", [&] {
        KeepingHiddenText([&] {
            auto dialog = CreateLorivexForm<TSeeAlsoDialog>(0);
            dialog->Execute(WordApp->ActiveDocument());
        });
    });
}

void TLorivexModule::PasteCodeClick(ui::TComponent&)
{
    Guard("PasteCodeClick", [&] {
        if (!WordApp || WordApp->Documents()->Count() <= 0)
            throw Exception(NeedsOpenDocument);
        auto dialog = CreateLorivexForm<TPasteCodeDialog>(0);
        if (dialog->Execute())
            WordApp->ActiveWindow()->Selection()->Paste();
    });
}

void TLorivexModule::IncludeCustomStyleSheetClick(ui::TComponent&)
{
    Guard("IncludeCustomStyleSheetClick", [&] {
        KeepingHiddenText([&] {
            if (WordApp->Documents()->Count() <= 0)
                throw Exception(NeedsActiveDocument);
            word::DocumentPtr document;
            try {
                document = WordApp->ActiveDocument();
            } catch (const Exception&) {
            }
            if (!document)
                throw Exception(NeedsActiveDocument);
            const std::string current = GetDocProperty(document, "lxCustomStyleSheet");
            bool choose = true;
            if (!current.empty()) {
                auto dialog = CreateLorivexForm<TStyleSheetDialog>(0);
                switch (dialog->Execute(current)) {
                case TStyleSheetChoice::Keep:
                case TStyleSheetChoice::Cancelled: choose = false; break;
                case TStyleSheetChoice::Remove:
                    choose = false;
                    SetDocProperty(document, "lxCustomStyleSheet", "");
                    break;
                case TStyleSheetChoice::ChooseNew: break;
                }
            }
            if (choose && OpenStyleSheetDlg.Execute())
                SetDocProperty(document, "lxCustomStyleSheet", OpenStyleSheetDlg.FileName);
        });
    });
}

void TLorivexModule::DoWindowActivate(const word::ApplicationPtr&, const word::DocumentPtr& doc,
                                      const word::WindowPtr& wn)
{
    Guard("DoWindowActivate", [&] {
        ui::Application().SetHandle(platform::ActiveWindow());
        if (!wn || !doc)
            return;
        // A window that edits an e-mail message shows Word's envelope bar:
        // the toolbar has no business there.
        auto envelope = doc->CommandBars()->Item(u"Envelope");
        if (envelope && envelope->Visible()) {
            LorivexCommandBar.Visible = false;
            if (LorivexCommandBar.Connected) {
                LorivexCommandBar.Connected->Delete();
                LorivexCommandBar.Connected.reset();
            }
        }
    });
}

void TLorivexModule::AddInModuleError(const std::exception& e, bool& handled)
{
    lorivex::AddInModuleError(e, handled, WordApp);
}

void TLorivexModule::SaveShowHiddenText()
{
    Guard("SaveShowHiddenText", [&] {
        if (WordApp->Documents()->Count() > 0)
            SavedShowHiddenText = WordApp->ActiveDocument()->ActiveWindow()->View()->ShowHiddenText();
    });
}

void TLorivexModule::RestoreShowHiddenText()
{
    Guard("RestoreShowHiddenText", [&] {
        if (WordApp->Documents()->Count() > 0)
            WordApp->ActiveDocument()->ActiveWindow()->View()->SetShowHiddenText(SavedShowHiddenText);
    });
}

void TLorivexModule::OnLorivexInitialize(THostAddInModule&)
{
    if (WordApp)
        WordApp->SetOnWindowActivate([this](const word::DocumentPtr& doc, const word::WindowPtr& wn) {
            DoWindowActivate(WordApp, doc, wn);
        });
}

void TLorivexModule::OnLorivexFinalize(THostAddInModule&)
{
    ui::Application().SetHandle(0);
}

void TLorivexModule::ShowAtCursor(ui::TPopupMenu& menu)
{
    ui::TPoint at = ui::Application().CursorPos();
    menu.Popup(at.X, at.Y);
}

} // namespace lorivex
