#pragma once
// Failed automation calls as the system's errors: Word's own message when
// Word raised one (DISP_E_EXCEPTION), else a message naming the member.
#include <string>

#include "platform/win32/Win32Api.h"

namespace lorivex::word::com {

// Raises EWordError. The EXCEPINFO's strings are freed.
[[noreturn]] void RaiseComError(HRESULT hr, const std::wstring& member, EXCEPINFO* exception);

} // namespace lorivex::word::com
