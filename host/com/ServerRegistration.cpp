#include "host/com/ServerRegistration.h"

#include "host/LorivexServerInfo.h"
#include "host/com/Win32ServerPlatform.h"

namespace lorivex::hostcom {

namespace {

HRESULT Registering(const THostFactory& factory, void (*step)(THostRegistrar&, const std::string& dllPath))
{
    try {
        TWin32ServerPlatform windows;
        THostRegistrar registrar(LorivexServerInfo(), factory.ModuleFactory(), windows);
        step(registrar, factory.DllPath());
        return S_OK;
    } catch (...) {
        return E_FAIL;
    }
}

} // namespace

HRESULT RegisterServer(const THostFactory& factory)
{
    return Registering(factory, [](THostRegistrar& registrar, const std::string& dllPath) {
        registrar.Register(dllPath);
    });
}

HRESULT UnregisterServer(const THostFactory& factory)
{
    return Registering(factory, [](THostRegistrar& registrar, const std::string&) { registrar.Unregister(); });
}

} // namespace lorivex::hostcom
