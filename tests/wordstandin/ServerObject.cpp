#include "tests/wordstandin/ServerObject.h"

#include <cwchar>

namespace lorivex::test::standin {

using word::com::ComPtr;

namespace {

// The connection point errors (olectl.h's CONNECT_E_ codes).
constexpr HRESULT NoConnection = static_cast<HRESULT>(0x80040200);
constexpr HRESULT CannotConnect = static_cast<HRESULT>(0x80040202);

// Asked of an IDispatch to tell whether the stand-in made it.
const IID IID_StandInObject = {0x6b1f2a10, 0x4c3d, 0x4e5f, {0x9a, 0x8b, 0x7c, 0x6d, 0x5e, 0x4f, 0x30, 0x21}};

DISPID DispidAt(const ClassTable& table, std::size_t index)
{
    if (table.members[index].name == L"_NewEnum")
        return DISPID_NEWENUM;
    // One identifier per name: the position of its first member, from 1.
    for (std::size_t i = 0; i < index; ++i)
        if (_wcsicmp(table.members[i].name.c_str(), table.members[index].name.c_str()) == 0)
            return DispidAt(table, i);
    return static_cast<DISPID>(index + 1);
}

void SetException(EXCEPINFO* exception, const char* message)
{
    if (!exception)
        return;
    *exception = EXCEPINFO{};
    exception->wCode = 1001;
    exception->bstrSource = SysAllocString(L"Microsoft Word");
    exception->bstrDescription = SysAllocString(platform::win32::Widen(message).c_str());
}

class ServerObject;

class ConnectionPoint : public CountedObject, public IConnectionPoint {
public:
    explicit ConnectionPoint(ServerObject& owner);
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (iid != IID_IUnknown && iid != IID_IConnectionPoint) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return CountedAddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return CountedRelease(); }
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** out) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

private:
    void Gone() override;
    ServerObject* owner_;
};

class ServerObject : public CountedObject, public IDispatch, public IConnectionPointContainer {
public:
    ServerObject(word::DispatchPtr target, const ClassTable& table) : target_(std::move(target)), table_(table) {}

    const word::DispatchPtr& Target() const { return target_; }
    const ClassTable& Table() const { return table_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_StandInObject)
            *out = static_cast<IDispatch*>(this);
        else if (iid == IID_IConnectionPointContainer && table_.events)
            *out = static_cast<IConnectionPointContainer*>(this);
        if (!*out)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return CountedAddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return CountedRelease(); }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* badArgument) override;

    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override
    {
        if (!table_.events || iid != table_.events->iid) {
            *out = nullptr;
            return NoConnection;
        }
        *out = new ConnectionPoint(*this);
        return S_OK;
    }

    DWORD AddSink(ComPtr<IDispatch> sink)
    {
        if (sinks_.empty())
            table_.events->start(*target_, [this](DISPID id, std::vector<ComValue> args) { FireAll(id, args); });
        sinks_[++lastCookie_] = std::move(sink);
        return lastCookie_;
    }
    bool RemoveSink(DWORD cookie)
    {
        if (!sinks_.erase(cookie))
            return false;
        if (sinks_.empty())
            table_.events->stop(*target_);
        return true;
    }

private:
    void Gone() override
    {
        if (!sinks_.empty())
            table_.events->stop(*target_);
        sinks_.clear();
        target_.reset();
    }
    void FireAll(DISPID id, std::vector<ComValue>& args)
    {
        std::vector<VARIANT> reversed;
        for (auto arg = args.rbegin(); arg != args.rend(); ++arg)
            reversed.push_back(arg->Raw());
        DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        auto sinks = sinks_;
        for (auto& [cookie, sink] : sinks)
            sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    }
    const Member* Find(DISPID id, bool put) const
    {
        for (std::size_t i = 0; i < table_.members.size(); ++i)
            if (DispidAt(table_, i) == id && table_.members[i].put == put)
                return &table_.members[i];
        return nullptr;
    }

    word::DispatchPtr target_;
    const ClassTable& table_;
    std::map<DWORD, ComPtr<IDispatch>> sinks_;
    DWORD lastCookie_ = 0;
};


HRESULT ServerObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    ++Counts().nameLookups;
    for (UINT i = 0; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    const Member* member = nullptr;
    for (std::size_t m = 0; m < table_.members.size() && !member; ++m)
        if (_wcsicmp(table_.members[m].name.c_str(), names[0]) == 0 && !table_.members[m].put) {
            member = &table_.members[m];
            ids[0] = DispidAt(table_, m);
        }
    for (std::size_t m = 0; m < table_.members.size() && ids[0] == DISPID_UNKNOWN; ++m)
        if (_wcsicmp(table_.members[m].name.c_str(), names[0]) == 0)
            ids[0] = DispidAt(table_, m);
    if (ids[0] == DISPID_UNKNOWN)
        return DISP_E_UNKNOWNNAME;
    HRESULT hr = S_OK;
    for (UINT i = 1; i < count; ++i) {
        for (std::size_t p = 0; member && p < member->params.size(); ++p)
            if (_wcsicmp(member->params[p].c_str(), names[i]) == 0)
                ids[i] = static_cast<DISPID>(p);
        if (ids[i] == DISPID_UNKNOWN)
            hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

HRESULT ServerObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                             EXCEPINFO* exception, UINT*)
{
    const bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    const Member* member = Find(id, put);
    if (!member)
        return DISP_E_MEMBERNOTFOUND;
    if (!target_)
        return E_UNEXPECTED;
    DISPPARAMS none{};
    try {
        Call call(params ? *params : none, member->params.size(), put);
        call.SetSelf(target_);
        ComValue value = member->handler(*target_, call);
        if (result)
            *result = value.Detach();
        return S_OK;
    } catch (const CallFault& fault) {
        return fault.hr;
    } catch (const std::exception& e) {
        SetException(exception, e.what());
        return DISP_E_EXCEPTION;
    }
}

ConnectionPoint::ConnectionPoint(ServerObject& owner) : owner_(&owner)
{
    owner_->AddRef();
}

void ConnectionPoint::Gone()
{
    owner_->Release();
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid)
{
    *iid = owner_->Table().events->iid;
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out)
{
    return owner_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(out));
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie)
{
    IDispatch* events = nullptr;
    if (!sink || FAILED(sink->QueryInterface(owner_->Table().events->iid, reinterpret_cast<void**>(&events))))
        return CannotConnect;
    *cookie = owner_->AddSink(ComPtr<IDispatch>::Adopt(events));
    return S_OK;
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie)
{
    return owner_->RemoveSink(cookie) ? S_OK : NoConnection;
}

} // namespace

word::DispatchPtr TargetOf(IUnknown* object)
{
    void* found = nullptr;
    if (!object || FAILED(object->QueryInterface(IID_StandInObject, &found)))
        return nullptr;
    auto* server = static_cast<ServerObject*>(static_cast<IDispatch*>(found));
    word::DispatchPtr target = server->Target();
    server->Release();
    return target;
}

ComValue Serve(word::DispatchPtr target, const ClassTable& table)
{
    if (!target)
        return ComValue(static_cast<IDispatch*>(nullptr));
    auto* object = new ServerObject(std::move(target), table);
    ComValue result(static_cast<IDispatch*>(object));
    object->Release();
    return result;
}

} // namespace lorivex::test::standin
