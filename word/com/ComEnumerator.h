#pragma once
// A Word collection's _NewEnum (dispatch id -4) walked through IEnumVARIANT,
// each item wrapped as the collection's binding wraps its items.
#include <functional>
#include <memory>

#include "services/word/Dispatch.h"
#include "word/com/AutoObject.h"

namespace lorivex::word::com {

using ItemWrapper = std::function<DispatchPtr(AutoObject)>;

std::unique_ptr<Enumerator> EnumerateCollection(const AutoObject& collection, const wchar_t* itemClass,
                                                ItemWrapper wrap);

} // namespace lorivex::word::com
