#include "platform/CodePages.h"

#include <climits>

#include "platform/win32/Win32Api.h"
#include "base/Exception.h"

namespace lorivex::platform {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 text is passed to the W APIs as is");

int Length(size_t size)
{
    if (size > size_t(INT_MAX))
        throw Exception("Text of " + std::to_string(size) + " characters is too long to convert");
    return int(size);
}

// Code pages for which WideCharToMultiByte accepts neither flags nor a default
// character; all of them can encode every character anyway.
bool TakesNoFlags(UINT codePage)
{
    return codePage == CP_UTF8 || codePage == CP_UTF7 || codePage == 42 || codePage == 52936 ||
           codePage == 54936 || (codePage >= 50220 && codePage <= 50229) ||
           (codePage >= 57002 && codePage <= 57011);
}

template <class WideString>
WideString Decode(UINT codePage, std::string_view bytes)
{
    WideString result;
    if (bytes.empty())
        return result;
    int size = Length(bytes.size());
    int needed = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (needed <= 0)
        return result;
    result.resize(size_t(needed));
    MultiByteToWideChar(codePage, 0, bytes.data(), size,
                        reinterpret_cast<wchar_t*>(result.data()), needed);
    return result;
}

// Characters the code page cannot hold become '?'. No best-fit mapping: a
// "ł" silently turned into "l" would make AnsiCanHold lie and the text differ
// from what the POSIX side produces.
std::string Encode(UINT codePage, const void* wide, size_t length, bool* lost = nullptr)
{
    std::string result;
    if (lost)
        *lost = false;
    if (length == 0)
        return result;
    const auto* text = static_cast<const wchar_t*>(wide);
    int size = Length(length);
    DWORD flags = 0;
    const char* defaultChar = nullptr;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = nullptr;
    if (!TakesNoFlags(codePage)) {
        flags = WC_NO_BEST_FIT_CHARS;
        defaultChar = "?";
        usedDefaultOut = &usedDefault;
    }
    int needed = WideCharToMultiByte(codePage, flags, text, size, nullptr, 0, defaultChar,
                                     usedDefaultOut);
    if (needed <= 0)
        return result;
    result.resize(size_t(needed));
    WideCharToMultiByte(codePage, flags, text, size, result.data(), needed, defaultChar,
                        usedDefaultOut);
    if (lost)
        *lost = usedDefault != FALSE;
    return result;
}

} // namespace

namespace win32 {

std::wstring Widen(std::string_view ansi)
{
    return Decode<std::wstring>(CP_ACP, ansi);
}

std::string Narrow(std::wstring_view wide)
{
    return Encode(CP_ACP, wide.data(), wide.size());
}

std::string SystemErrorText(DWORD code)
{
    wchar_t* buffer = nullptr;
    DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    // FormatMessage allocates with LocalAlloc.
    std::unique_ptr<wchar_t, decltype(&LocalFree)> owner(buffer, &LocalFree);
    std::wstring text(buffer ? buffer : L"", length);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' ||
                             text.back() == L'.'))
        text.pop_back();
    if (text.empty())
        return "error " + std::to_string(code);
    return Narrow(text);
}

} // namespace win32

unsigned AnsiCodePage()
{
    return GetACP();
}

unsigned OemCodePage()
{
    return GetOEMCP();
}

std::string Utf16ToAnsi(const std::u16string& text)
{
    return Encode(CP_ACP, text.data(), text.size());
}

std::u16string AnsiToUtf16(const std::string& text)
{
    return Decode<std::u16string>(CP_ACP, text);
}

std::string OemToAnsi(const std::string& text)
{
    std::wstring wide = Decode<std::wstring>(CP_OEMCP, text);
    return Encode(CP_ACP, wide.data(), wide.size());
}

std::string Utf8ToAnsi(const std::string& text)
{
    std::wstring wide = Decode<std::wstring>(CP_UTF8, text);
    return Encode(CP_ACP, wide.data(), wide.size());
}

std::string AnsiToUtf8(const std::string& text)
{
    std::wstring wide = Decode<std::wstring>(CP_ACP, text);
    return Encode(CP_UTF8, wide.data(), wide.size());
}

bool AnsiCanHold(const std::u16string& text)
{
    bool lost = false;
    Encode(CP_ACP, text.data(), text.size(), &lost);
    return !lost;
}

std::u16string Utf8ToUtf16(const std::string& text)
{
    return Decode<std::u16string>(CP_UTF8, text);
}

std::string Utf16ToUtf8(const std::u16string& text)
{
    return Encode(CP_UTF8, text.data(), text.size());
}

} // namespace lorivex::platform

namespace lorivex::platform {

bool IsAnsiLeadByte(char byte)
{
    return IsDBCSLeadByte(static_cast<BYTE>(byte)) != 0;
}

} // namespace lorivex::platform
