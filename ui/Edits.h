#pragma once
// Text entry: the one-line edit and the multi-line memo.
#include <string>

#include "ui/Control.h"
#include "ui/Strings.h"

namespace lorivex::ui {

class TEdit : public TControl {
public:
    TEdit() { Color = clWindow; }
    const std::string& Text() const { return text_; }
    // Runs OnChange when the text changes, as typing does.
    void SetText(const std::string& text);
    bool ReadOnly = false;
    TNotifyEvent OnChange;

private:
    std::string text_;
};

class TMemo : public TControl {
public:
    TMemo();
    TStrings Lines;
    bool WordWrap = true;
    bool ReadOnly = false;
    std::string Text() const { return Lines.Text(); }
    void SetText(const std::string& text) { Lines.SetText(text); }
    TNotifyEvent OnChange;
};

} // namespace lorivex::ui
