#pragma once
// Dispatch identifiers looked up once per Word class: a member name (and the
// names of the arguments passed by name) to the identifiers GetIDsOfNames
// gave for the first object of that class asked.
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/win32/Win32Api.h"

namespace lorivex::word::com {

class DispidCache {
public:
    // The identifiers of names[0] (the member) and of the argument names
    // after it, asked of object when the class has not been asked yet.
    // Raises EWordError naming the member when the object has no such name.
    std::vector<DISPID> Lookup(IDispatch* object, const std::wstring& className,
                               const std::vector<std::wstring>& names);

    // The cache every binding uses.
    static DispidCache& Shared();

private:
    std::mutex mutex_;
    std::map<std::wstring, std::vector<DISPID>> ids_;
};

} // namespace lorivex::word::com
