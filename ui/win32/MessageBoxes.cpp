#include "ui/win32/CommonDialogs.h"

namespace lorivex::ui::win32 {

TModalResult RunMessageBox(const MessageBoxRequest& request, HWND owner)
{
    UINT flags = 0;
    switch (request.Icon) {
    case MessageIcon::Error:
        flags |= MB_ICONERROR;
        break;
    case MessageIcon::Warning:
        flags |= MB_ICONWARNING;
        break;
    case MessageIcon::Information:
        flags |= MB_ICONINFORMATION;
        break;
    case MessageIcon::Question:
        flags |= MB_ICONQUESTION;
        break;
    case MessageIcon::None:
        break;
    }
    switch (request.Buttons) {
    case MessageButtons::Ok:
        flags |= MB_OK;
        break;
    case MessageButtons::OkCancel:
        flags |= MB_OKCANCEL;
        break;
    case MessageButtons::YesNo:
        flags |= MB_YESNO;
        break;
    case MessageButtons::YesNoCancel:
        flags |= MB_YESNOCANCEL;
        break;
    case MessageButtons::RetryCancel:
        flags |= MB_RETRYCANCEL;
        break;
    case MessageButtons::AbortRetryIgnore:
        flags |= MB_ABORTRETRYIGNORE;
        break;
    }
    // Without an owner the box still keeps the person out of our windows.
    if (!owner)
        flags |= MB_TASKMODAL;
    std::wstring text = Wide(request.Text), caption = Wide(request.Caption);
    return MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

} // namespace lorivex::ui::win32
