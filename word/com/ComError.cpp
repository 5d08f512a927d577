#include "word/com/ComError.h"

#include <cstdio>

#include "services/word/Dispatch.h"
#include "word/com/ComValue.h"

namespace lorivex::word::com {

static std::string ExceptionText(EXCEPINFO& exception)
{
    if (exception.pfnDeferredFillIn)
        exception.pfnDeferredFillIn(&exception);
    std::wstring description = exception.bstrDescription ? exception.bstrDescription : L"";
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrHelpFile);
    exception = EXCEPINFO{};
    return platform::win32::Narrow(description);
}

void RaiseComError(HRESULT hr, const std::wstring& member, EXCEPINFO* exception)
{
    if (hr == DISP_E_EXCEPTION && exception) {
        std::string message = ExceptionText(*exception);
        if (!message.empty())
            throw EWordError(message);
    }
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
    throw EWordError("Word's " + platform::win32::Narrow(member) + " failed: " +
                     platform::win32::SystemErrorText(static_cast<DWORD>(hr)) + " (" + code + ")");
}

} // namespace lorivex::word::com
