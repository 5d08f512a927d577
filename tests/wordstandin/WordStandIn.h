#pragma once
// An in-process automation server that exposes a Word interface
// implementation through IDispatch with Word's member names, argument order,
// named and optional arguments, errors (DISP_E_EXCEPTION with the message)
// and enumerators, so that the IDispatch binding can be driven without Word.
// Every object it hands out is counted (RefCounts.h).
#include "platform/win32/Win32Api.h"
#include "services/word/Application.h"
#include "tests/wordstandin/RefCounts.h"

namespace lorivex::test::standin {

// The application's dispatch object, with one reference for the caller.
IDispatch* ExposeApplication(word::ApplicationPtr application);

} // namespace lorivex::test::standin
