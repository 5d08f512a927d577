// Case and collation from the C library's locale data. The case of a letter
// does not depend on the user's language here (C.UTF-8 knows all of
// Unicode); the order does, and comes from LC_COLLATE as setlocale would
// read it, without touching the process's global locale.
#include <clocale>
#include <cwctype>
#include <locale.h>
#include <memory>
#include <mutex>
#include <string>
#include <wchar.h>

#include "platform/CaseFolding.h"
#include "platform/CaseMapping.h"
#include "platform/CodePages.h"
#include "platform/posix/LocaleEnvironment.h"

namespace lorivex::platform {

namespace {

struct LocaleHandle {
    locale_t Handle = locale_t(nullptr);
    ~LocaleHandle()
    {
        if (Handle)
            freelocale(Handle);
    }
};

locale_t OpenFirst(int mask, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (locale_t handle = newlocale(mask, name, locale_t(nullptr)))
            return handle;
    return locale_t(nullptr);
}

locale_t CaseLocale()
{
    static LocaleHandle handle{OpenFirst(LC_CTYPE_MASK, {"C.UTF-8", "C.utf8", "en_US.UTF-8"})};
    return handle.Handle;
}

bool IsPlainC(const std::string& name)
{
    return name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
}

// The collation of the user's LC_COLLATE locale; the plain C locale sorts
// by code point, which no Windows user ever sees, so English order stands
// in for it. Remembered per locale name, as the environment may change.
locale_t CollateLocale()
{
    static std::mutex mutex;
    static std::string lastName;
    static std::shared_ptr<LocaleHandle> last;
    std::string name = posix::LocaleNameFor("LC_COLLATE");
    std::lock_guard lock(mutex);
    if (last && name == lastName)
        return last->Handle;
    auto handle = std::make_shared<LocaleHandle>();
    if (!IsPlainC(name))
        handle->Handle = OpenFirst(LC_COLLATE_MASK | LC_CTYPE_MASK, {name.c_str()});
    if (!handle->Handle)
        handle->Handle = OpenFirst(LC_COLLATE_MASK | LC_CTYPE_MASK, {"en_US.UTF-8", "C.UTF-8"});
    lastName = name;
    last = handle;
    return last->Handle;
}

char16_t Map(char16_t c, wint_t (*map)(wint_t, locale_t))
{
    locale_t locale = CaseLocale();
    if (!locale || (c >= 0xD800 && c <= 0xDFFF))
        return c;
    wint_t mapped = map(wint_t(c), locale);
    return mapped <= 0xFFFF ? char16_t(mapped) : c;
}

std::wstring FoldedWide(const std::string& ansi)
{
    std::u16string text = AnsiToUtf16(ansi);
    std::wstring wide;
    wide.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c < 0x10000) {
            c = Map(char16_t(c), towlower_l);
        }
        wide += wchar_t(c);
    }
    return wide;
}

} // namespace

char16_t PlatformUpperChar16(char16_t c)
{
    return Map(c, towupper_l);
}

char16_t PlatformLowerChar16(char16_t c)
{
    return Map(c, towlower_l);
}

int LocaleCompareText(const std::string& a, const std::string& b)
{
    std::wstring x = FoldedWide(a), y = FoldedWide(b);
    locale_t locale = CollateLocale();
    int order = locale ? wcscoll_l(x.c_str(), y.c_str(), locale) : x.compare(y);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

} // namespace lorivex::platform
