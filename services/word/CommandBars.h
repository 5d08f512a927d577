#pragma once
// Office command bars: toolbars and their controls.
#include <functional>
#include <string>

#include "services/word/Dispatch.h"
#include "services/word/Forward.h"

namespace lorivex::word {

enum MsoControlType { msoControlButton = 1, msoControlPopup = 10 };
enum MsoBarPosition { msoBarLeft = 0, msoBarTop = 1, msoBarRight = 2, msoBarBottom = 3, msoBarFloating = 4 };
enum MsoButtonStyle { msoButtonAutomatic = 0, msoButtonIcon = 1, msoButtonCaption = 2, msoButtonIconAndCaption = 3 };

class CommandBarControl : public virtual Dispatch {
public:
    virtual long Type() = 0;
    virtual long Id() = 0;
    virtual std::u16string Caption() = 0;
    virtual void SetCaption(const std::u16string& caption) = 0;
    virtual std::u16string Tag() = 0;
    virtual void SetTag(const std::u16string& tag) = 0;
    virtual std::u16string TooltipText() = 0;
    virtual void SetTooltipText(const std::u16string& text) = 0;
    virtual bool BeginGroup() = 0;
    virtual void SetBeginGroup(bool value) = 0;
    virtual bool Visible() = 0;
    virtual void SetVisible(bool value) = 0;
    virtual bool Enabled() = 0;
    virtual void SetEnabled(bool value) = 0;
    virtual long Style() = 0;
    virtual void SetStyle(long style) = 0;
    virtual void Delete() = 0;
    // Controls of a popup; nullptr for a button.
    virtual CommandBarControlsPtr Controls() = 0;
    virtual void SetOnClick(std::function<void()> handler) = 0;
    virtual void Execute() = 0; // as a click
};

class CommandBarControls : public virtual Enumerable {
public:
    virtual long Count() = 0;
    virtual CommandBarControlPtr Item(long index) = 0;
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
    virtual void Delete() = 0;
    virtual CommandBarControlsPtr Controls() = 0;
    // nullptr when no control matches.
    virtual CommandBarControlPtr FindControl(long type, const std::u16string& tag, bool recursive) = 0;
};

class CommandBars : public virtual Enumerable {
public:
    virtual long Count() = 0;
    virtual CommandBarPtr Item(long index) = 0;
    virtual CommandBarPtr Item(const std::u16string& name) = 0; // nullptr when absent
    virtual CommandBarPtr Add(const std::u16string& name, long position, bool temporary) = 0;
};

} // namespace lorivex::word
