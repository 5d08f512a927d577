#pragma once
// TLorivexModule: the add-in module, one per running Word. It owns the
// toolbar and shortcut definitions, the popup menus and the handlers behind
// every command; each handler checks its precondition, calls the part of
// the system that does the work and reports failures through the error
// chain.
#include <exception>
#include <memory>

#include "host/HostAddInModule.h"
#include "ui/Dialogs.h"
#include "ui/Menus.h"

namespace lorivex {

class TLorivexModule : public THostAddInModule {
public:
    TLorivexModule();

    THostCommandBar LorivexCommandBar;
    THostKeyboardShortcut InsertKeywordShortcut;
    ui::TPopupMenu RecentMenu;
    ui::TImageList RecentImages;
    ui::TOpenDialog OpenStyleSheetDlg;
    ui::TPopupMenu SymbolsPopup;
    ui::TPopupMenu TemplatesPopup;
    bool SavedShowHiddenText = false;

    // The toolbar's commands; the sender is the control clicked (ignored).
    void CompileHtmlHelpClick(ui::TComponent& sender);
    void AboutLorivexClick(ui::TComponent& sender);
    void ShowApplicationHelpClick(ui::TComponent& sender);
    void RecentFilesClick(ui::TComponent& sender);
    void TemplatesClick(ui::TComponent& sender);
    void SymbolsClick(ui::TComponent& sender);
    void TextPopupClick(ui::TComponent& sender);
    void InsertTopicVariableClick(ui::TComponent& sender);
    void SeeAlsoClick(ui::TComponent& sender);
    void PasteCodeClick(ui::TComponent& sender);
    void IncludeCustomStyleSheetClick(ui::TComponent& sender);
    // The menus' items; the sender is the item chosen.
    void HistoryItemClick(ui::TComponent& sender);
    void NewFromTemplateClick(ui::TComponent& sender);
    void InsertSymbolClick(ui::TComponent& sender);
    // "Ctrl+Shift+Alt+K": the selection becomes an index entry.
    void InsertKeywordShortcutAction(ui::TComponent& sender);

    // Word's WindowActivate event.
    void DoWindowActivate(const word::ApplicationPtr& application, const word::DocumentPtr& doc,
                          const word::WindowPtr& wn);
    // The module's error handler: shows the failure in the application error
    // dialog and sets handled.
    void AddInModuleError(const std::exception& e, bool& handled);

    void SaveShowHiddenText();
    void RestoreShowHiddenText();
    void OnLorivexInitialize(THostAddInModule& module);
    void OnLorivexFinalize(THostAddInModule& module);

private:
    void DefineToolbar();
    // Runs a command that changes the document with the hidden-text view
    // option kept: saved first, put back however the command ends.
    template <class Body>
    void KeepingHiddenText(Body&& body);
    // Shows a rebuilt popup menu where the mouse is.
    void ShowAtCursor(ui::TPopupMenu& menu);
};

// The product's own help file, beside the add-in.
inline constexpr char LorivexHelpFileName[] = "Lorivex2008.chm";

} // namespace lorivex
