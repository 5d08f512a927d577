// Case and collation as Windows has them for the user's locale.
#include "platform/CaseFolding.h"
#include "platform/CaseMapping.h"
#include "platform/win32/Win32Api.h"

namespace lorivex::platform {

char16_t PlatformUpperChar16(char16_t c)
{
    wchar_t buffer[2] = {wchar_t(c), 0};
    CharUpperBuffW(buffer, 1);
    return char16_t(buffer[0]);
}

char16_t PlatformLowerChar16(char16_t c)
{
    wchar_t buffer[2] = {wchar_t(c), 0};
    CharLowerBuffW(buffer, 1);
    return char16_t(buffer[0]);
}

int LocaleCompareText(const std::string& a, const std::string& b)
{
    int order = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), int(a.size()), b.data(),
                               int(b.size()));
    return order == CSTR_LESS_THAN ? -1 : (order == CSTR_GREATER_THAN ? 1 : 0);
}

} // namespace lorivex::platform
