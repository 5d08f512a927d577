#include "ui/win32/WindowClasses.h"

#include <mutex>

#include "ui/win32/Failures.h"
#include "ui/win32/WindowPeer.h"

namespace lorivex::ui::win32 {

namespace {

ATOM formAtom = 0;

LRESULT CALLBACK PeerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        if (auto* peer = static_cast<WindowPeer*>(create->lpCreateParams))
            peer->Attach(window, nullptr);
    }
    WindowPeer* peer = WindowPeer::FromHandle(window);
    if (!peer)
        return DefWindowProcW(window, message, wParam, lParam);
    try {
        return peer->WindowProc(message, wParam, lParam);
    } catch (...) {
        KeepFailure(std::current_exception());
        return 0;
    }
}

ATOM Register(const wchar_t* name, UINT style, HBRUSH background)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = PeerProc;
    wc.hInstance = ModuleInstance();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassExW(&wc);
}

} // namespace

HINSTANCE ModuleInstance()
{
    // The add-in is a DLL inside Word: the classes belong to the module that
    // holds this code, not to the process's executable.
    static HINSTANCE instance = [] {
        HMODULE module = nullptr;
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCWSTR>(&ModuleInstance), &module);
        return module;
    }();
    return instance;
}

void RegisterWindowClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        // Our windows paint their whole area themselves, double-buffered.
        formAtom = Register(FormClass, CS_DBLCLKS, nullptr);
        Register(ContainerClass, CS_DBLCLKS, nullptr);
        Register(GraphicClass, CS_DBLCLKS, nullptr);
    });
}

bool IsFormWindow(HWND window)
{
    return window && formAtom && GetClassLongPtrW(window, GCW_ATOM) == formAtom;
}

} // namespace lorivex::ui::win32
