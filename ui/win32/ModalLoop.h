#pragma once
// The message loop of the back end: dispatching one message the way our
// forms want it (Tab, arrows, Enter and Escape go through the dialog
// manager of the form they are meant for), dispatching what is waiting
// without blocking, and the modal loop of a form.
#include "ui/Form.h"
#include "ui/win32/Win32Ui.h"

namespace lorivex::ui::win32 {

void DispatchOne(MSG& msg);

// Dispatches every waiting message and returns; false when WM_QUIT came
// (it is posted again, for the loop that owns the thread).
bool DispatchWaiting();

// While it lives, the windows a modal form shuts out are disabled: its
// owner and every other visible window of the thread. Afterwards they are
// enabled again, the modal window is hidden, the previously active window
// is active again and the focus is back where it was. A failure on the way
// does not change that. Made before the modal window shows, so that what
// was active before is known.
class ModalScope {
public:
    explicit ModalScope(HWND modal);
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
    // Re-enables the windows before the modal window is hidden, so that the
    // system hands the activation back to the owner.
    void Release();

private:
    HWND modal_;
    HWND active_, focus_;
    std::vector<HWND> disabled_;
    bool released_ = false;
};

// Runs until the form's modal result is set and the form agrees to close
// (or the form is hidden: Cancel). Synchronized calls of workers run while
// it waits; a failure of a handler ends the loop and is raised.
TModalResult RunModalLoop(TForm& form, HWND window, ModalScope& scope);

} // namespace lorivex::ui::win32
