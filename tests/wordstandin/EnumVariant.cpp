// The stand-in's IEnumVARIANT: a Word enumerator's items, one at a time,
// each served with the item class's table.
#include "tests/wordstandin/ServerObject.h"

namespace lorivex::test::standin {

namespace {

class EnumVariant : public CountedObject, public IEnumVARIANT {
public:
    EnumVariant(std::unique_ptr<word::Enumerator> items, const ClassTable& itemTable)
        : items_(std::move(items)), itemTable_(itemTable)
    {
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (iid != IID_IUnknown && iid != IID_IEnumVARIANT) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<IEnumVARIANT*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return CountedAddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return CountedRelease(); }

    HRESULT STDMETHODCALLTYPE Next(ULONG wanted, VARIANT* out, ULONG* fetched) override
    {
        ULONG n = 0;
        try {
            for (; n < wanted; ++n) {
                word::DispatchPtr item = items_ ? items_->Next() : nullptr;
                if (!item)
                    break;
                out[n] = Serve(std::move(item), itemTable_).Detach();
            }
        } catch (const std::exception&) {
            return E_FAIL;
        }
        if (fetched)
            *fetched = n;
        return n == wanted ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override
    {
        for (ULONG i = 0; i < count; ++i)
            if (!items_ || !items_->Next())
                return S_FALSE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Reset() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT**) override { return E_NOTIMPL; }

private:
    void Gone() override { items_.reset(); }
    std::unique_ptr<word::Enumerator> items_;
    const ClassTable& itemTable_;
};

} // namespace

ComValue ServeEnumerator(std::unique_ptr<word::Enumerator> items, const ClassTable& itemTable)
{
    auto* enumerator = new EnumVariant(std::move(items), itemTable);
    ComValue result;
    VARIANT* v = result.Receive();
    v->vt = VT_UNKNOWN;
    v->punkVal = static_cast<IEnumVARIANT*>(enumerator);
    return result;
}

} // namespace lorivex::test::standin
