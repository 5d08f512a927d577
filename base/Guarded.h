#pragma once
// The guarded body every function of the system runs in: failures of the
// system's hierarchy get one context line and travel on; a silent abort ends
// the function as if its body had completed (a value-returning function then
// returns the value type's default). A failure of the standard library (a
// thread that cannot be made, a file system error, a number that does not
// parse) joins the hierarchy here with its message, so that it is reported
// like any other rather than ending the program.
//
//   return Guarded("LorivexUtilsUnit", "GetTempDir", [&] { ... });
//   return Guard("CreateHtmlHelp", [&] { ... });   // inside a TObject
#include <exception>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "base/Exception.h"

namespace lorivex {

template <class Body>
auto Guarded(std::string_view context, std::string_view functionName, Body&& body)
    -> decltype(body())
{
    using Result = decltype(body());
    try {
        return std::forward<Body>(body)();
    } catch (const Exception& e) {
        RaiseWithContext(std::string(context), std::string(functionName), e);
    } catch (const std::exception& e) {
        RaiseWithContext(std::string(context), std::string(functionName), Exception(e.what()));
    }
    if constexpr (!std::is_void_v<Result>)
        return Result{};
}

// Base of the system's classes: knows its class name at run time, so that a
// method of a derived class reports the derived name, as the convention asks.
class TObject {
public:
    virtual ~TObject() = default;
    std::string ClassName() const;

protected:
    template <class Body>
    auto Guard(std::string_view functionName, Body&& body) const -> decltype(body())
    {
        return Guarded(ClassName(), functionName, std::forward<Body>(body));
    }
};

// Unqualified class name of a type as the run-time type information has it.
std::string DemangledClassName(const std::type_info& type);

} // namespace lorivex
