#include "word/com/AutoObject.h"

#include "services/word/Dispatch.h"
#include "word/com/ComError.h"
#include "word/com/DispidCache.h"

namespace lorivex::word::com {

AutoObject::AutoObject(ComPtr<IDispatch> object, std::wstring className)
    : object_(std::move(object)), className_(std::move(className))
{
}

ComValue AutoObject::Get(const wchar_t* member, std::vector<Arg> args) const
{
    return Invoke(member, DISPATCH_PROPERTYGET | DISPATCH_METHOD, std::move(args));
}

void AutoObject::Put(const wchar_t* member, ComValue value) const
{
    Invoke(member, DISPATCH_PROPERTYPUT, {std::move(value)});
}

void AutoObject::PutRef(const wchar_t* member, ComValue value) const
{
    Invoke(member, DISPATCH_PROPERTYPUTREF, {std::move(value)});
}

ComValue AutoObject::Call(const wchar_t* member, std::vector<Arg> args) const
{
    return Invoke(member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, std::move(args));
}

AutoObject AutoObject::Child(const wchar_t* member, const wchar_t* className, std::vector<Arg> args) const
{
    return AutoObject(Get(member, std::move(args)).Object(), className);
}

AutoObject AutoObject::CallChild(const wchar_t* member, const wchar_t* className, std::vector<Arg> args) const
{
    return AutoObject(Call(member, std::move(args)).Object(), className);
}

// DISPPARAMS wants the named arguments first, then the positional ones last
// to first.
ComValue AutoObject::Invoke(const wchar_t* member, WORD flags, std::vector<Arg> args) const
{
    if (!object_)
        throw EWordError("Word's " + platform::win32::Narrow(className_ + L"." + member) +
                         " was called on Nothing");
    std::vector<std::wstring> names{member};
    std::vector<VARIANT> values;
    for (const Arg& arg : args)
        if (!arg.name.empty()) {
            names.push_back(arg.name);
            values.push_back(arg.value.Raw());
        }
    for (auto arg = args.rbegin(); arg != args.rend(); ++arg)
        if (arg->name.empty())
            values.push_back(arg->value.Raw());
    std::vector<DISPID> ids = DispidCache::Shared().Lookup(object_.Get(), className_, names);

    std::vector<DISPID> namedIds(ids.begin() + 1, ids.end());
    const bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    if (put)
        namedIds.insert(namedIds.begin(), DISPID_PROPERTYPUT);
    DISPPARAMS params{values.data(), namedIds.data(), static_cast<UINT>(values.size()),
                      static_cast<UINT>(namedIds.size())};
    ComValue result;
    EXCEPINFO exception{};
    UINT badArgument = 0;
    HRESULT hr = object_->Invoke(ids.front(), IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                 put ? nullptr : result.Receive(), &exception, &badArgument);
    if (FAILED(hr))
        RaiseComError(hr, className_ + L"." + member, &exception);
    return result;
}

} // namespace lorivex::word::com
