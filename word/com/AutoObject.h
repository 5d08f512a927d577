#pragma once
// A Word object called by name: the late-bound side of every binding class.
// Arguments are positional, or named with Named(); an optional argument is
// left out by not passing it.
#include <concepts>
#include <string>
#include <vector>

#include "platform/win32/Win32Api.h"
#include "word/com/ComPtr.h"
#include "word/com/ComValue.h"

namespace lorivex::word::com {

struct Arg {
    Arg() = default;
    template <class T>
        requires(std::constructible_from<ComValue, T> && !std::same_as<std::decay_t<T>, Arg>)
    Arg(T&& v) : value(std::forward<T>(v))
    {
    }
    Arg(const wchar_t* argumentName, ComValue v) : name(argumentName), value(std::move(v)) {}
    std::wstring name; // empty: positional
    ComValue value;
};
inline Arg Named(const wchar_t* name, ComValue value) { return Arg(name, std::move(value)); }

class AutoObject {
public:
    AutoObject() = default;
    // className is Word's class ("Range"): the identifiers of its members
    // are looked up once for all objects of the class.
    AutoObject(ComPtr<IDispatch> object, std::wstring className);

    ComValue Get(const wchar_t* member, std::vector<Arg> args = {}) const;
    void Put(const wchar_t* member, ComValue value) const;
    void PutRef(const wchar_t* member, ComValue value) const;
    ComValue Call(const wchar_t* member, std::vector<Arg> args = {}) const;
    // A property that is an object, as an object of the given class;
    // an empty AutoObject for Nothing.
    AutoObject Child(const wchar_t* member, const wchar_t* className, std::vector<Arg> args = {}) const;
    AutoObject CallChild(const wchar_t* member, const wchar_t* className, std::vector<Arg> args = {}) const;

    IDispatch* Raw() const { return object_.Get(); }
    const std::wstring& ClassName() const { return className_; }
    explicit operator bool() const { return static_cast<bool>(object_); }

private:
    ComValue Invoke(const wchar_t* member, WORD flags, std::vector<Arg> args) const;
    ComPtr<IDispatch> object_;
    std::wstring className_;
};

} // namespace lorivex::word::com
