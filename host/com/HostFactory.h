#pragma once
// The class factory of the server's one COM class: made once when the DLL is
// loaded, with the class's CLSID, the add-in module it creates and the
// DLL's folder; each CreateInstance makes a new add-in object. The type
// library's IOfficeAddin description is loaded from the DLL at the first
// creation. The factory itself is not counted for unloading, its locks are.
#include <string>

#include "host/HostAddin.h"
#include "platform/win32/Win32Api.h"
#include "word/com/ComPtr.h"

namespace lorivex::hostcom {

class THostFactory : public IClassFactory {
public:
    // dllPath: the full path of the DLL holding the type library.
    THostFactory(const CLSID& clsid, THostAddin::ModuleFactory createModule, std::string dllPath);
    virtual ~THostFactory() = default;
    THostFactory(const THostFactory&) = delete;
    THostFactory& operator=(const THostFactory&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

    const CLSID& Clsid() const { return clsid_; }
    const std::string& DllPath() const { return dllPath_; }
    // With its trailing backslash.
    const std::string& DllFolder() const { return dllFolder_; }
    const THostAddin::ModuleFactory& ModuleFactory() const { return createModule_; }

    // DllGetClassObject: the factory's interface for this CLSID;
    // CLASS_E_CLASSNOTAVAILABLE and null for any other.
    HRESULT GetClassObject(REFCLSID clsid, REFIID riid, void** object);

private:
    word::com::ComPtr<ITypeInfo> AddinTypeInfo();

    CLSID clsid_;
    THostAddin::ModuleFactory createModule_;
    std::string dllPath_;
    std::string dllFolder_;
    long refs_ = 0;
    word::com::ComPtr<ITypeInfo> typeInfo_;
};

} // namespace lorivex::hostcom
