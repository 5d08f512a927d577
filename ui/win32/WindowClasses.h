#pragma once
// The window classes of the back end. Forms, containers (panels, radio
// groups, custom controls) and graphic controls (labels, paint boxes,
// bevels, images) are windows of our own classes whose procedure hands
// every message to the control's peer; the other controls are the system's
// and their peers subclass them.
#include "ui/win32/Win32Ui.h"

namespace lorivex::ui::win32 {

inline constexpr wchar_t FormClass[] = L"LorivexForm";
inline constexpr wchar_t ContainerClass[] = L"LorivexContainer";
inline constexpr wchar_t GraphicClass[] = L"LorivexGraphic";

// Registers the classes once per process; the common controls too.
void RegisterWindowClasses();
HINSTANCE ModuleInstance();
// Whether the window is a form of ours.
bool IsFormWindow(HWND window);

} // namespace lorivex::ui::win32
