#include "word/com/ComEnumerator.h"

#include "word/com/ComError.h"

namespace lorivex::word::com {

namespace {

class VariantEnumerator : public Enumerator {
public:
    VariantEnumerator(ComPtr<IEnumVARIANT> items, std::wstring itemClass, ItemWrapper wrap)
        : items_(std::move(items)), itemClass_(std::move(itemClass)), wrap_(std::move(wrap))
    {
    }

    DispatchPtr Next() override
    {
        ComValue item;
        ULONG fetched = 0;
        HRESULT hr = items_->Next(1, item.Receive(), &fetched);
        if (FAILED(hr))
            RaiseComError(hr, itemClass_ + L" enumeration", nullptr);
        if (hr != S_OK || fetched == 0)
            return nullptr;
        ComPtr<IDispatch> object = item.Object();
        if (!object)
            return nullptr;
        return wrap_(AutoObject(object, itemClass_));
    }

private:
    ComPtr<IEnumVARIANT> items_;
    std::wstring itemClass_;
    ItemWrapper wrap_;
};

} // namespace

std::unique_ptr<Enumerator> EnumerateCollection(const AutoObject& collection, const wchar_t* itemClass,
                                                ItemWrapper wrap)
{
    DISPPARAMS none{};
    ComValue result;
    EXCEPINFO exception{};
    HRESULT hr = collection.Raw()->Invoke(DISPID_NEWENUM, IID_NULL, LOCALE_USER_DEFAULT,
                                          DISPATCH_METHOD | DISPATCH_PROPERTYGET, &none, result.Receive(),
                                          &exception, nullptr);
    if (FAILED(hr))
        RaiseComError(hr, collection.ClassName() + L"._NewEnum", &exception);
    ComPtr<IUnknown> unknown = result.Unknown();
    ComPtr<IEnumVARIANT> items = unknown.As<IEnumVARIANT>();
    if (!items)
        throw EWordError("Word's " + platform::win32::Narrow(collection.ClassName()) +
                         "._NewEnum gave no enumerator");
    return std::make_unique<VariantEnumerator>(std::move(items), itemClass, std::move(wrap));
}

} // namespace lorivex::word::com
