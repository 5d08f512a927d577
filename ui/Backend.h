#pragma once
// What the toolkit asks of the window system. The Win32 back end makes real
// windows (owned by the application's owner window), runs real modal loops
// and draws on device contexts; the headless back end (ui/headless/) hands
// dialogs to answerers and records what is painted.
#include <memory>
#include <string>

#include "ui/Canvas.h"
#include "ui/Dialogs.h"
#include "ui/Geometry.h"

namespace lorivex::ui {

class TControl;
class TForm;
class TPopupMenu;
enum class TCursor;

class Backend {
public:
    virtual ~Backend() = default;

    // The modal loop of a shown form: returns once the form's modal result
    // is set and TForm::CloseModal agrees; the result is the modal result.
    virtual TModalResult RunModal(TForm& form) = 0;
    virtual void FormVisibilityChanged(TForm& form) = 0;
    virtual TModalResult ShowMessageBox(const MessageBoxRequest& request) = 0;
    virtual bool ExecuteFileDialog(TFileDialog& dialog) = 0;
    // Returns when the menu has closed, after the chosen item's handler ran.
    virtual void Popup(TPopupMenu& menu, TPoint at) = 0;

    // Dispatches waiting window messages without blocking.
    virtual void PumpMessages() = 0;
    // Called from any thread when a synchronized call is waiting.
    virtual void WakeUp() = 0;

    virtual TPoint CursorPos() = 0;
    virtual void CursorChanged(TCursor cursor) = 0;
    virtual TSize ScreenSize() = 0;
    virtual TSize MeasureText(const std::string& text, const TFont& font) = 0;
    // A device for the control's canvas outside painting (for measuring).
    virtual std::shared_ptr<CanvasDevice> MeasuringDevice(TControl& control) = 0;
    virtual void Invalidate(TControl& control) = 0;
};

} // namespace lorivex::ui
