#pragma once
// The add-in object Word creates (class Lorivex.OfficeAddin): IOfficeAddin,
// the type library's dispatch interface, with IDTExtensibility2 and
// IRibbonExtensibility through which Word connects it, reports start-up and
// shutdown and asks for ribbon markup. Each call goes to THostAddin, which
// creates and drives the add-in module; a failure becomes the call's
// HRESULT. The object counts towards the server's live objects.
#include "host/HostAddin.h"
#include "host/com/OfficeInterfaces.h"
#include "host/com/Win32KeyboardHook.h"
#include "word/com/ComPtr.h"

namespace lorivex::hostcom {

class TOfficeAddin : public IDTExtensibility2, public IRibbonExtensibility {
public:
    // typeInfo: IOfficeAddin's, from the type library.
    TOfficeAddin(THostAddin::ModuleFactory createModule, word::com::ComPtr<ITypeInfo> typeInfo);
    virtual ~TOfficeAddin();
    TOfficeAddin(const TOfficeAddin&) = delete;
    TOfficeAddin& operator=(const TOfficeAddin&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch (IOfficeAddin), shared by the two Office interfaces. Besides
    // the type library's members it answers Word's ribbon callback
    // "RibbonLoaded_Callback".
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** typeInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

    // IDTExtensibility2
    HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* Application, int ConnectMode, IDispatch* AddInInst,
                                           SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnDisconnection(int RemoveMode, SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) override;

    // IRibbonExtensibility
    HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR RibbonID, BSTR* RibbonXml) override;

    THostAddin& Addin() { return addin_; }

private:
    IDispatch* AsDispatch() { return static_cast<IDTExtensibility2*>(this); }

    long refs_ = 1;
    word::com::ComPtr<ITypeInfo> typeInfo_;
    TWin32KeyboardHook hook_;
    THostAddin addin_;
};

} // namespace lorivex::hostcom
