#include "word/com/DispidCache.h"

#include <cwctype>

#include "platform/win32/Win32Api.h"
#include "word/com/ComError.h"

namespace lorivex::word::com {

DispidCache& DispidCache::Shared()
{
    static DispidCache cache;
    return cache;
}

// Names are case-insensitive in automation: one key for every spelling.
static std::wstring KeyOf(const std::wstring& className, const std::vector<std::wstring>& names)
{
    std::wstring key = className;
    for (const std::wstring& name : names) {
        key += L'|';
        for (wchar_t c : name)
            key += static_cast<wchar_t>(std::towlower(c));
    }
    return key;
}

std::vector<DISPID> DispidCache::Lookup(IDispatch* object, const std::wstring& className,
                                        const std::vector<std::wstring>& names)
{
    const std::wstring key = KeyOf(className, names);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto found = ids_.find(key);
        if (found != ids_.end())
            return found->second;
    }
    std::vector<LPOLESTR> pointers;
    for (const std::wstring& name : names)
        pointers.push_back(const_cast<LPOLESTR>(name.c_str()));
    std::vector<DISPID> ids(names.size(), DISPID_UNKNOWN);
    HRESULT hr = object->GetIDsOfNames(IID_NULL, pointers.data(), static_cast<UINT>(pointers.size()),
                                       LOCALE_USER_DEFAULT, ids.data());
    if (FAILED(hr))
        RaiseComError(hr, className + L"." + names.front(), nullptr);
    std::lock_guard<std::mutex> lock(mutex_);
    ids_[key] = ids;
    return ids;
}

} // namespace lorivex::word::com
