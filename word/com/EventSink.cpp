#include "word/com/EventSink.h"

#include <atomic>

#include "services/word/Dispatch.h"
#include "word/com/ComError.h"

namespace lorivex::word::com {

const IID IID_WordApplicationEvents = {0x00020A01, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_CommandBarButtonEvents = {0x000C0351, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

namespace {

class Sink : public IDispatch {
public:
    Sink(const IID& events, std::map<DISPID, EventHandler> handlers) : events_(events), handlers_(std::move(handlers)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == events_) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        ULONG left = --refs_;
        if (left == 0)
            delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override
    {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                     EXCEPINFO* exception, UINT*) override
    {
        auto handler = handlers_.find(id);
        if (handler == handlers_.end())
            return S_OK; // events nobody asked for
        std::vector<ComValue> args;
        for (UINT i = params ? params->cArgs : 0; i-- > 0;) {
            const VARIANT& arg = params->rgvarg[i];
            ComValue value;
            // By-reference arguments (CancelDefault) are read through.
            VariantCopyInd(value.Receive(), const_cast<VARIANT*>(&arg));
            args.push_back(std::move(value));
        }
        try {
            handler->second(args);
        } catch (const std::exception& e) {
            if (exception) {
                *exception = EXCEPINFO{};
                exception->scode = E_FAIL;
                exception->bstrDescription = SysAllocString(platform::win32::Widen(e.what()).c_str());
            }
            return DISP_E_EXCEPTION;
        }
        return S_OK;
    }

private:
    virtual ~Sink() = default;
    std::atomic<ULONG> refs_{1};
    IID events_;
    std::map<DISPID, EventHandler> handlers_;
};

} // namespace

EventConnection::EventConnection(IDispatch* source, const IID& events, std::map<DISPID, EventHandler> handlers)
{
    ComPtr<IConnectionPointContainer> container = ComPtr<IDispatch>(source).As<IConnectionPointContainer>();
    if (!container)
        throw EWordError("The Word object has no events");
    HRESULT hr = container->FindConnectionPoint(events, point_.Receive());
    if (FAILED(hr))
        RaiseComError(hr, L"FindConnectionPoint", nullptr);
    Sink* sink = new Sink(events, std::move(handlers));
    hr = point_->Advise(sink, &cookie_);
    sink->Release();
    if (FAILED(hr))
        RaiseComError(hr, L"Advise", nullptr);
}

EventConnection::~EventConnection()
{
    if (point_ && cookie_)
        point_->Unadvise(cookie_);
}

} // namespace lorivex::word::com
