// On Windows a process starts with real windows.
#include "ui/Application.h"
#include "ui/win32/Win32Backend.h"

namespace lorivex::ui {

std::unique_ptr<Backend> CreateDefaultBackend()
{
    return std::make_unique<win32::Win32Backend>();
}

} // namespace lorivex::ui
