#pragma once
// Office command bars: toolbars and their controls, as Word's CommandBars,
// CommandBar, CommandBarControls, CommandBarControl, CommandBarButton and
// CommandBarPopup objects have them. The button's and popup's own members
// are on CommandBarControl: a member a control of the other kind lacks
// raises Word's error, as the late-bound call on Windows does.
#include <functional>
#include <string>

#include "platform/Images.h"
#include "services/word/Dispatch.h"
#include "services/word/Forward.h"

namespace lorivex::word {

enum MsoControlType { msoControlButton = 1, msoControlPopup = 10 };
enum MsoBarPosition { msoBarLeft = 0, msoBarTop = 1, msoBarRight = 2, msoBarBottom = 3, msoBarFloating = 4 };
enum MsoBarProtection { msoBarNoProtection = 0, msoBarNoCustomize = 1 };
enum MsoButtonStyle { msoButtonAutomatic = 0, msoButtonIcon = 1, msoButtonCaption = 2, msoButtonIconAndCaption = 3 };
enum MsoButtonState { msoButtonUp = 0, msoButtonDown = -1, msoButtonMixed = 2 };

class CommandBarControl : public virtual Dispatch {
public:
    virtual long Type() = 0;
    virtual long Id() = 0;
    // True for Word's own controls (placed by a built-in identifier).
    virtual bool BuiltIn() = 0;
    // The control's position among its bar's (or popup's) controls, from 1.
    virtual long Index() = 0;
    // Moves the control in front of the control now at Before within the
    // same bar; 0 moves it to the end.
    virtual void Move(long before) = 0;
    virtual std::u16string Caption() = 0;
    virtual void SetCaption(const std::u16string& caption) = 0;
    virtual std::u16string Tag() = 0;
    virtual void SetTag(const std::u16string& tag) = 0;
    virtual std::u16string TooltipText() = 0;
    virtual void SetTooltipText(const std::u16string& text) = 0;
    virtual std::u16string DescriptionText() = 0;
    virtual void SetDescriptionText(const std::u16string& text) = 0;
    virtual std::u16string Parameter() = 0;
    virtual void SetParameter(const std::u16string& parameter) = 0;
    virtual long HelpContextId() = 0;
    virtual void SetHelpContextId(long id) = 0;
    virtual std::u16string HelpFile() = 0;
    virtual void SetHelpFile(const std::u16string& file) = 0;
    virtual long Priority() = 0;
    virtual void SetPriority(long priority) = 0;
    virtual bool BeginGroup() = 0;
    virtual void SetBeginGroup(bool value) = 0;
    virtual bool Visible() = 0;
    virtual void SetVisible(bool value) = 0;
    virtual bool Enabled() = 0;
    virtual void SetEnabled(bool value) = 0;
    virtual long Width() = 0;
    virtual void SetWidth(long width) = 0;
    virtual long Height() = 0;
    virtual void SetHeight(long height) = 0;
    virtual void Delete() = 0;

    // Buttons only.
    virtual long Style() = 0;
    virtual void SetStyle(long style) = 0;
    virtual long FaceId() = 0;
    virtual void SetFaceId(long id) = 0;
    virtual std::u16string ShortcutText() = 0;
    virtual void SetShortcutText(const std::u16string& text) = 0;
    virtual long State() = 0;
    virtual void SetState(long state) = 0;
    // The button's face, and its mask: white where the face is not drawn,
    // black where it is. Empty pictures when the button has none.
    virtual platform::Image Picture() = 0;
    virtual void SetPicture(const platform::Image& picture) = 0;
    virtual platform::Image Mask() = 0;
    virtual void SetMask(const platform::Image& mask) = 0;
    // The face becomes the clipboard's picture (a device-independent bitmap,
    // ClipboardDibFormat); raises when the clipboard holds none.
    virtual void PasteFace() = 0;
    // The Click event.
    virtual void SetOnClick(std::function<void()> handler) = 0;
    virtual void Execute() = 0; // as a click

    // Popups only: their controls.
    virtual CommandBarControlsPtr Controls() = 0;
};

class CommandBarControls : public virtual Enumerable {
public:
    virtual long Count() = 0;
    virtual CommandBarControlPtr Item(long index) = 0;
    // Before: the position the new control takes (0: at the end). Id: 1 for
    // a control of one's own, any other number places Word's built-in
    // control of that identifier.
    virtual CommandBarControlPtr Add(long type, long id = 1, const std::u16string& parameter = {},
                                     long before = 0, bool temporary = false) = 0;
};

class CommandBar : public virtual Dispatch {
public:
    virtual std::u16string Name() = 0;
    virtual std::u16string NameLocal() = 0;
    virtual bool BuiltIn() = 0;
    virtual bool Visible() = 0;
    virtual void SetVisible(bool value) = 0;
    virtual bool Enabled() = 0;
    virtual void SetEnabled(bool value) = 0;
    virtual long Position() = 0;
    virtual void SetPosition(long position) = 0;
    virtual long Protection() = 0;
    virtual void SetProtection(long protection) = 0;
    virtual long RowIndex() = 0;
    virtual void SetRowIndex(long row) = 0;
    virtual long Left() = 0;
    virtual void SetLeft(long left) = 0;
    virtual long Top() = 0;
    virtual void SetTop(long top) = 0;
    virtual void Delete() = 0;
    virtual CommandBarControlsPtr Controls() = 0;
    // The first control of that type (0: any) and tag (empty: any); with
    // Recursive the controls of popups are searched too. nullptr when no
    // control matches.
    virtual CommandBarControlPtr FindControl(long type, const std::u16string& tag, bool recursive) = 0;
};

class CommandBars : public virtual Enumerable {
public:
    virtual long Count() = 0;
    virtual CommandBarPtr Item(long index) = 0;
    virtual CommandBarPtr Item(const std::u16string& name) = 0; // nullptr when absent
    // MenuBar is left out: the add-in never makes a menu bar.
    virtual CommandBarPtr Add(const std::u16string& name, long position, bool temporary) = 0;
};

} // namespace lorivex::word
