#pragma once
// Word over IDispatch: the Word automation interface implemented by
// late-bound calls on a running Word's Application object.
#include "platform/win32/Win32Api.h"
#include "services/word/Application.h"

namespace lorivex::word::com {

// Shares the reference: the binding holds its own for as long as any
// object it handed out is alive.
ApplicationPtr BindApplication(IDispatch* application);

} // namespace lorivex::word::com
