#include "host/com/HostFactory.h"

#include "host/HostRegistration.h"
#include "host/com/OfficeAddin.h"
#include "host/com/ServerLocks.h"

namespace lorivex::hostcom {

using word::com::ComPtr;

THostFactory::THostFactory(const CLSID& clsid, THostAddin::ModuleFactory createModule, std::string dllPath)
    : clsid_(clsid), createModule_(std::move(createModule)), dllPath_(std::move(dllPath)),
      dllFolder_(HostFileFolder(dllPath_))
{
}

HRESULT STDMETHODCALLTYPE THostFactory::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (riid != IID_IUnknown && riid != IID_IClassFactory) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

// The factory lives as long as the DLL: the count is kept, nothing freed.
ULONG STDMETHODCALLTYPE THostFactory::AddRef()
{
    return ULONG(InterlockedIncrement(&refs_));
}

ULONG STDMETHODCALLTYPE THostFactory::Release()
{
    return ULONG(InterlockedDecrement(&refs_));
}

ComPtr<ITypeInfo> THostFactory::AddinTypeInfo()
{
    if (!typeInfo_) {
        ComPtr<ITypeLib> library;
        if (SUCCEEDED(LoadTypeLibEx(platform::win32::Widen(dllPath_).c_str(), REGKIND_NONE, library.Receive())))
            library->GetTypeInfoOfGuid(IID_IOfficeAddin, typeInfo_.Receive());
    }
    return typeInfo_;
}

HRESULT STDMETHODCALLTYPE THostFactory::CreateInstance(IUnknown* outer, REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    try {
        auto* addin = new TOfficeAddin(createModule_, AddinTypeInfo());
        const HRESULT hr = addin->QueryInterface(riid, object);
        addin->Release();
        return hr;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const std::exception&) {
        return E_FAIL;
    }
}

HRESULT STDMETHODCALLTYPE THostFactory::LockServer(BOOL lock)
{
    ServerLock(lock != FALSE);
    return S_OK;
}

HRESULT THostFactory::GetClassObject(REFCLSID clsid, REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (clsid != clsid_) {
        *object = nullptr;
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return QueryInterface(riid, object);
}

} // namespace lorivex::hostcom
