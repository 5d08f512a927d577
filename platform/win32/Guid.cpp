#include "platform/Guid.h"

#include "platform/win32/Win32Api.h"
#include "base/Exception.h"

namespace lorivex::platform {

std::string NewGuidString()
{
    GUID guid{};
    HRESULT result = CoCreateGuid(&guid);
    if (FAILED(result))
        throw Exception("Cannot create a GUID: " + win32::SystemErrorText(DWORD(result)));
    wchar_t text[40] = {}; // "{8-4-4-4-12}" and the terminator need 39
    int length = StringFromGUID2(guid, text, 40);
    return win32::Narrow(std::wstring_view(text, length > 0 ? size_t(length - 1) : 0));
}

} // namespace lorivex::platform
