#pragma once
// The back end that shows the toolkit's forms as real windows: each control
// gets a peer with a window when its form is first shown; modal forms run a
// real modal loop with their owner shut out; message boxes, file dialogs
// and popup menus are the system's; painting goes to GDI; system colours
// come from GetSysColor while the back end is installed.
//
// Made on the user-interface thread: its hidden window, through which
// workers wake that thread, belongs to the thread that makes it.
#include <memory>
#include <vector>

#include "ui/Backend.h"
#include "ui/SystemColors.h"
#include "ui/win32/ModalLoop.h"
#include "ui/win32/UtilityWindow.h"
#include "ui/win32/Win32Ui.h"

namespace lorivex::ui::win32 {

class Win32Backend : public Backend {
public:
    Win32Backend();
    ~Win32Backend() override;

    TModalResult RunModal(TForm& form) override;
    void FormVisibilityChanged(TForm& form) override;
    TModalResult ShowMessageBox(const MessageBoxRequest& request) override;
    bool ExecuteFileDialog(TFileDialog& dialog) override;
    void Popup(TPopupMenu& menu, TPoint at) override;
    void PumpMessages() override;
    void WakeUp() override;
    TPoint CursorPos() override;
    void CursorChanged(TCursor cursor) override;
    TSize ScreenSize() override;
    TSize MeasureText(const std::string& text, const TFont& font) override;
    std::shared_ptr<CanvasDevice> MeasuringDevice(TControl& control) override;
    void Invalidate(TControl& control) override;

    // Who owns the system's dialogs: the innermost modal form, else the
    // application's owner window, else the thread's active window.
    HWND DialogOwner() const;

private:
    std::unique_ptr<SystemColors> previousColors_;
    UtilityWindow utility_;
    std::vector<TForm*> modal_;
    // Made when a modal form is shown, taken over by its loop.
    std::unique_ptr<ModalScope> pendingScope_;
    TForm* pendingForm_ = nullptr;
};

// The window of a control that this back end has shown; nullptr when it has
// none.
HWND WindowOf(const TControl& control);

} // namespace lorivex::ui::win32
