#pragma once
// What the add-in asks of Word's user interface, written down as data: a
// toolbar with its buttons and popups, and keyboard shortcuts. The host
// layer turns these definitions into Word command bars and a keyboard hook,
// and finds the controls again by their OfficeTag. A definition's
// PropertyChanged is its revision: Word applies it again only when it grows,
// so an author's own changes to the toolbar survive restarts.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "services/word/Forward.h"
#include "ui/Component.h"
#include "ui/Picture.h"

namespace lorivex {

// The Office applications a definition is for.
enum THostApps : unsigned { ohaWord = 1 };

class THostCommandBarControl : public ui::TComponent {
public:
    virtual ~THostCommandBarControl() = default;
    virtual bool IsPopup() const { return false; }

    long OfficeID = 1; // 1: a control of the add-in; any other: Word's built-in control of that id
    std::string OfficeTag;
    std::string Caption;
    bool BeginGroup = false;
    std::string DescriptionText;
    bool Enabled = true;
    int Height = 0;
    int HelpContextID = 0;
    std::string HelpFile;
    std::string Parameter;
    int Priority = 0;
    std::string TooltipText;
    bool Visible = true;
    int Width = 0;
    bool Temporary = false;
    int PropertyChanged = 0;
    word::CommandBarControlPtr Connected; // the control in Word, once created or found
};

class THostCommandBarButton : public THostCommandBarControl {
public:
    long FaceID = 0;
    std::string ShortcutText;
    long State = 0;
    long Style = 0; // msoButtonAutomatic
    ui::TBitmapPtr Glyph;
    ui::TNotifyEvent OnClick;
};

class THostCommandBarPopup : public THostCommandBarControl {
public:
    bool IsPopup() const override { return true; }
    std::vector<std::unique_ptr<THostCommandBarControl>> Controls;
    THostCommandBarButton& AddButton(const std::string& name);
};

class THostCommandBar : public ui::TComponent {
public:
    std::string CommandBarName;
    long Position = 1; // msoBarTop
    int RowIndex = -1, Left = -1, Top = -1; // -1: not set
    long Protection = 0;
    bool Enabled = true;
    bool Visible = true;
    bool Temporary = false;
    bool UseForRibbon = false;
    unsigned SupportedApps = ohaWord;
    int PropertyChanged = 0;
    std::vector<std::unique_ptr<THostCommandBarControl>> Controls;
    word::CommandBarPtr Connected; // the toolbar in Word, once created or found

    THostCommandBarButton& AddButton(const std::string& name);
    THostCommandBarPopup& AddPopup(const std::string& name);
    // Every control, those of popups included, in display order.
    std::vector<THostCommandBarControl*> AllControls() const;
};

class THostKeyboardShortcut : public ui::TComponent {
public:
    std::string ShortcutText; // "Ctrl+Shift+Alt+K"
    bool Enabled = true;
    unsigned SupportedApps = ohaWord;
    ui::TNotifyEvent OnAction;
};

} // namespace lorivex
