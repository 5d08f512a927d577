#include "host/com/Win32KeyboardHook.h"

#include "base/Exception.h"
#include "host/HostShortcuts.h"
#include "host/com/ThisModule.h"

namespace lorivex::hostcom {

namespace {

using platform::win32::Narrow;
using platform::win32::Widen;

constexpr wchar_t WindowClassName[] = L"TLorivexShortcutWindow";

// The hook of this thread, which the hook procedure serves.
thread_local TWin32KeyboardHook* threadHook = nullptr;

bool Down(int key)
{
    return GetKeyState(key) < 0;
}

} // namespace

std::string ShortcutKeyName(unsigned keyCode)
{
    if ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9'))
        return std::string(1, char(keyCode));
    if (keyCode >= VK_F1 && keyCode <= VK_F24) {
        std::string name(1, 'F');
        name += std::to_string(keyCode - VK_F1 + 1);
        return name;
    }
    LONG scanCode = LONG(MapVirtualKeyW(keyCode, MAPVK_VK_TO_VSC)) << 16;
    wchar_t name[64] = {};
    const int length = GetKeyNameTextW(scanCode, name, int(std::size(name)));
    return length > 0 ? Narrow(std::wstring_view(name, size_t(length))) : std::string();
}

TWin32KeyboardHook::~TWin32KeyboardHook()
{
    Remove();
}

void TWin32KeyboardHook::Install(THostShortcutHandler& handler)
{
    if (threadHook)
        threadHook->Remove();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &WindowProcedure;
    windowClass.hInstance = ThisModule();
    windowClass.lpszClassName = WindowClassName;
    if (!RegisterClassW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw Exception("Cannot register the shortcut window's class: " +
                        platform::win32::SystemErrorText(GetLastError()));
    window_ = CreateWindowExW(0, WindowClassName, Widen(handler.WindowName()).c_str(), WS_POPUP, 0, 0, 0, 0,
                              nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window_)
        throw Exception("Cannot create the shortcut window: " + platform::win32::SystemErrorText(GetLastError()));
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&handler));
    hook_ = SetWindowsHookExW(WH_KEYBOARD, &HookProcedure, nullptr, GetCurrentThreadId());
    if (!hook_) {
        const DWORD error = GetLastError();
        Remove();
        throw Exception("Cannot install the keyboard hook: " + platform::win32::SystemErrorText(error));
    }
    handler_ = &handler;
    threadHook = this;
    // The window belongs to this thread: the message is handled at once,
    // before the hook procedure returns.
    HWND window = window_;
    handler.Deliver = [window](int index) {
        SendMessageCallbackW(window, WM_KEYDOWN, WPARAM(index), 0, nullptr, 0);
    };
}

void TWin32KeyboardHook::Remove()
{
    if (hook_)
        UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    if (window_)
        DestroyWindow(window_);
    window_ = nullptr;
    if (handler_) {
        THostShortcutHandler* handler = handler_;
        handler->Deliver = [handler](int index) { handler->Run(index); };
    }
    handler_ = nullptr;
    if (threadHook == this)
        threadHook = nullptr;
}

bool TWin32KeyboardHook::KeyMessage(WPARAM keyCode, LPARAM keyData)
{
    if (!handler_ || !window_ || !IsWindow(window_))
        return false;
    const unsigned key = unsigned(keyCode);
    const bool ctrl = Down(VK_LCONTROL) || Down(VK_RCONTROL);
    const bool shift = Down(VK_LSHIFT) || Down(VK_RSHIFT);
    const bool alt = Down(VK_LMENU) || Down(VK_RMENU);
    const auto event = THostKeyEvent::FromKeyData(key, std::uint32_t(keyData), ShortcutKeyName(key), ctrl, shift, alt);
    return handler_->KeyEvent(event);
}

LRESULT CALLBACK TWin32KeyboardHook::HookProcedure(int code, WPARAM keyCode, LPARAM keyData)
{
    TWin32KeyboardHook* hook = threadHook;
    try {
        if (code == HC_ACTION && hook && hook->KeyMessage(keyCode, keyData))
            return 1;
    } catch (const std::exception&) {
        // Nothing may leave a hook procedure; the key goes on to Word.
    }
    return CallNextHookEx(hook ? hook->hook_ : nullptr, code, keyCode, keyData);
}

LRESULT CALLBACK TWin32KeyboardHook::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN) {
        auto* handler = reinterpret_cast<THostShortcutHandler*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (handler)
            handler->Run(int(wParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace lorivex::hostcom
