#pragma once
// The back end without a screen. A modal form is handed to the answer
// registered for its class, round after round while it stays open (a
// handler may clear the modal result to keep it open; the answer then sees
// it again), up to MaxAnswerRounds rounds. A form, file dialog or popup menu
// that no one answers is a failure naming it, never a hang; a message box
// with only an OK button is answered OK when no one else answers it.
// Everything shown is written to the DialogLog.
#include "ui/Backend.h"

namespace lorivex::ui::headless {

inline constexpr int MaxAnswerRounds = 20;

class HeadlessBackend : public Backend {
public:
    TModalResult RunModal(TForm& form) override;
    void FormVisibilityChanged(TForm&) override {}
    TModalResult ShowMessageBox(const MessageBoxRequest& request) override;
    bool ExecuteFileDialog(TFileDialog& dialog) override;
    void Popup(TPopupMenu& menu, TPoint at) override;
    void PumpMessages() override {}
    void WakeUp() override {}
    TPoint CursorPos() override { return cursorPos_; }
    void CursorChanged(TCursor) override {}
    TSize ScreenSize() override { return screenSize_; }
    TSize MeasureText(const std::string& text, const TFont& font) override;
    std::shared_ptr<CanvasDevice> MeasuringDevice(TControl& control) override;
    void Invalidate(TControl&) override {}

    // Where the mouse is (tests and the command line place it).
    void SetCursorPos(TPoint pos) { cursorPos_ = pos; }
    void SetScreenSize(TSize size) { screenSize_ = size; }

private:
    TPoint cursorPos_;
    TSize screenSize_{1024, 768};
};

} // namespace lorivex::ui::headless
