#pragma once
// The HRESULT a COM method returns for a body that may raise: S_OK, or the
// failure's code with its message left as the thread's error information
// for the caller (Word shows it).
#include <functional>

#include "platform/win32/Win32Api.h"

namespace lorivex::hostcom {

// E_OUTOFMEMORY for std::bad_alloc, E_ABORT for EAbort, else E_FAIL.
HRESULT ComResult(const std::function<void()>& body);

} // namespace lorivex::hostcom
