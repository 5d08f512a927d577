#include "base/Guarded.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace lorivex {

std::string DemangledClassName(const std::type_info& type)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    std::string full = (status == 0 && name) ? name.get() : type.name();
    // Drop namespaces; template arguments never occur in our class names.
    auto colon = full.rfind("::");
    return colon == std::string::npos ? full : full.substr(colon + 2);
}

std::string TObject::ClassName() const
{
    return DemangledClassName(typeid(*this));
}

} // namespace lorivex
