// The entry points of Lorivex.dll, the in-process server Word loads: the
// one class factory, made at load time for the Lorivex add-in module, and
// the exports of Lorivex.def. This file sits at the top of the DLL as the
// command-line program's entry does for lorivex: it alone names the module.
#include "commands/LorivexModule.h"
#include "host/com/HostFactory.h"
#include "host/com/OfficeInterfaces.h"
#include "host/com/ServerLocks.h"
#include "host/com/ServerRegistration.h"
#include "host/com/ThisModule.h"

namespace {

using namespace lorivex;
using namespace lorivex::hostcom;

THostFactory* factory = nullptr;

} // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID);
HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, void** object);
HRESULT STDAPICALLTYPE DllCanUnloadNow();
HRESULT STDAPICALLTYPE DllRegisterServer();
HRESULT STDAPICALLTYPE DllUnregisterServer();
void STDAPICALLTYPE NoHooking();

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    try {
        if (reason == DLL_PROCESS_ATTACH)
            factory = new THostFactory(CLSID_OfficeAddin, [] { return std::make_unique<TLorivexModule>(); },
                                       ThisModulePath());
        else if (reason == DLL_PROCESS_DETACH) {
            delete factory;
            factory = nullptr;
        }
    } catch (...) {
        return FALSE;
    }
    return TRUE;
}

HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, void** object)
{
    return factory->GetClassObject(clsid, riid, object);
}

HRESULT STDAPICALLTYPE DllCanUnloadNow()
{
    return ServerCanUnload() ? S_OK : S_FALSE;
}

HRESULT STDAPICALLTYPE DllRegisterServer()
{
    return RegisterServer(*factory);
}

HRESULT STDAPICALLTYPE DllUnregisterServer()
{
    return UnregisterServer(*factory);
}

// Exported for the loaders that look for it; it does nothing.
void STDAPICALLTYPE NoHooking() {}

} // extern "C"
