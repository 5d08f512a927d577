#include "host/com/OfficeAddin.h"

#include "host/LorivexServerInfo.h"
#include "host/com/ComResult.h"
#include "host/com/ServerLocks.h"
#include "services/word/WordText.h"
#include "word/com/AutoObject.h"
#include "word/com/ComValue.h"
#include "word/com/WordCom.h"

namespace lorivex::hostcom {

namespace {

using word::com::ComPtr;

// The dispatch ids of the callbacks the ribbon markup names, outside the
// type library's.
constexpr DISPID DispidRibbonLoaded = 0x4C520001;
constexpr DISPID DispidGetImages = 0x4C520002;
constexpr struct {
    const wchar_t* Name;
    DISPID Id;
} Callbacks[] = {{L"RibbonLoaded_Callback", DispidRibbonLoaded}, {L"GetImages_Callback", DispidGetImages}};

// The ribbon object Word hands to the callback, kept by the host layer.
class TRibbonObject : public word::Dispatch {
public:
    explicit TRibbonObject(IDispatch* ribbon) : ribbon_(ribbon) {}

private:
    ComPtr<IDispatch> ribbon_;
};

} // namespace

TOfficeAddin::TOfficeAddin(THostAddin::ModuleFactory createModule, ComPtr<ITypeInfo> typeInfo)
    : typeInfo_(std::move(typeInfo)), addin_(std::move(createModule), LorivexProgId)
{
    addin_.SetKeyboardHook(&hook_);
    ServerObjectCreated();
}

TOfficeAddin::~TOfficeAddin()
{
    ServerObjectDestroyed();
}

HRESULT STDMETHODCALLTYPE TOfficeAddin::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IOfficeAddin ||
        riid == __uuidof(IDTExtensibility2))
        *object = static_cast<IDTExtensibility2*>(this);
    else if (riid == __uuidof(IRibbonExtensibility))
        *object = static_cast<IRibbonExtensibility*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG STDMETHODCALLTYPE TOfficeAddin::AddRef()
{
    return ULONG(InterlockedIncrement(&refs_));
}

ULONG STDMETHODCALLTYPE TOfficeAddin::Release()
{
    const long refs = InterlockedDecrement(&refs_);
    if (refs == 0)
        delete this;
    return ULONG(refs);
}

HRESULT STDMETHODCALLTYPE TOfficeAddin::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = typeInfo_ ? 1 : 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE TOfficeAddin::GetTypeInfo(UINT index, LCID, ITypeInfo** typeInfo)
{
    if (!typeInfo)
        return E_POINTER;
    *typeInfo = nullptr;
    if (index != 0 || !typeInfo_)
        return DISP_E_BADINDEX;
    typeInfo_->AddRef();
    *typeInfo = typeInfo_.Get();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE TOfficeAddin::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (!names || !ids || count == 0)
        return E_INVALIDARG;
    for (const auto& callback : Callbacks)
        if (count == 1 && _wcsicmp(names[0], callback.Name) == 0) {
            ids[0] = callback.Id;
            return S_OK;
        }
    if (!typeInfo_)
        return DISP_E_UNKNOWNNAME;
    return typeInfo_->GetIDsOfNames(names, count, ids);
}

HRESULT STDMETHODCALLTYPE TOfficeAddin::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                               VARIANT* result, EXCEPINFO*, UINT* argumentError)
{
    if ((id != DispidRibbonLoaded && id != DispidGetImages) || !(flags & DISPATCH_METHOD))
        return DISP_E_MEMBERNOTFOUND;
    if (!params || params->cArgs != 1)
        return DISP_E_BADPARAMCOUNT;
    if (id == DispidGetImages) {
        // Word asks for the picture an element of the markup names; the
        // module's markup names none, so whatever is asked for has no
        // picture, and Word shows the element without one.
        if (result)
            VariantInit(result);
        return S_OK;
    }
    const VARIANT& argument = params->rgvarg[0];
    IDispatch* ribbon = argument.vt == VT_DISPATCH                ? argument.pdispVal
                        : argument.vt == (VT_DISPATCH | VT_BYREF) ? *argument.ppdispVal
                                                                  : nullptr;
    if (!ribbon) {
        if (argumentError)
            *argumentError = 0;
        return DISP_E_TYPEMISMATCH;
    }
    return ComResult([&] { addin_.RibbonLoaded(std::make_shared<TRibbonObject>(ribbon)); });
}

HRESULT STDMETHODCALLTYPE TOfficeAddin::OnConnection(IDispatch* Application, int ConnectMode, IDispatch* AddInInst,
                                                     SAFEARRAY**)
{
    return ComResult([&] {
        if (!Application)
            throw Exception("Word gave no Application object.");
        addin_.OnConnection(word::com::BindApplication(Application), ConnectMode);
        // Word's COMAddIn object hands the add-in to whoever asks for it.
        if (AddInInst)
            word::com::AutoObject(ComPtr<IDispatch>(AddInInst), L"COMAddIn")
                .Put(L"Object", word::com::ComValue(AsDispatch()));
    });
}

HRESULT STDMETHODCALLTYPE TOfficeAddin::OnDisconnection(int RemoveMode, SAFEARRAY**)
{
    return ComResult([&] { addin_.OnDisconnection(RemoveMode); });
}

HRESULT STDMETHODCALLTYPE TOfficeAddin::OnAddInsUpdate(SAFEARRAY**)
{
    return ComResult([&] { addin_.OnAddInsUpdate(); });
}

HRESULT STDMETHODCALLTYPE TOfficeAddin::OnStartupComplete(SAFEARRAY**)
{
    return ComResult([&] { addin_.OnStartupComplete(); });
}

HRESULT STDMETHODCALLTYPE TOfficeAddin::OnBeginShutdown(SAFEARRAY**)
{
    return ComResult([&] { addin_.OnBeginShutdown(); });
}

HRESULT STDMETHODCALLTYPE TOfficeAddin::GetCustomUI(BSTR RibbonID, BSTR* RibbonXml)
{
    if (!RibbonXml)
        return E_POINTER;
    *RibbonXml = nullptr;
    return ComResult([&] {
        const std::string id = RibbonID ? word::FromWord(word::com::FromBstr(RibbonID)) : std::string();
        const std::string markup = addin_.GetCustomUI(id);
        *RibbonXml = word::com::AllocBstr(word::ToWord(markup));
    });
}

} // namespace lorivex::hostcom
