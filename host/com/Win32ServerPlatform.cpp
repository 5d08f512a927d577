#include "host/com/Win32ServerPlatform.h"

#include "base/Exception.h"
#include "host/com/OfficeInterfaces.h"
#include "word/com/ComPtr.h"
#include "word/com/WordCom.h"

namespace lorivex::hostcom {

namespace {

using platform::win32::Narrow;
using platform::win32::SystemErrorText;
using platform::win32::Widen;
using word::com::ComPtr;

[[noreturn]] void Fail(const std::string& what, HRESULT hr)
{
    throw Exception(what + ": " + SystemErrorText(DWORD(hr)));
}

CLSID ClassOf(const std::string& progId)
{
    CLSID clsid{};
    const HRESULT hr = CLSIDFromProgID(Widen(progId).c_str(), &clsid);
    if (FAILED(hr))
        Fail("No class for " + progId, hr);
    return clsid;
}

} // namespace

// regsvr32 and Word have COM running already; a caller that has not
// gets it for the time registration takes.
TWin32ServerPlatform::TWin32ServerPlatform()
    : comInitialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
{
}

TWin32ServerPlatform::~TWin32ServerPlatform()
{
    if (comInitialised_)
        CoUninitialize();
}

void TWin32ServerPlatform::RegisterTypeLibrary(const std::string& dllPath, const std::string& helpFolder)
{
    std::wstring path = Widen(dllPath);
    ComPtr<ITypeLib> library;
    HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.Receive());
    if (FAILED(hr))
        Fail("Cannot load the type library of " + dllPath, hr);
    std::wstring folder = Widen(helpFolder);
    hr = RegisterTypeLib(library.Get(), path.data(), folder.empty() ? nullptr : folder.data());
    if (FAILED(hr))
        Fail("Cannot register the type library of " + dllPath, hr);
}

void TWin32ServerPlatform::UnregisterTypeLibrary()
{
    // Not registered (any more) is what was wanted; systems differ in how
    // they would say so.
    BSTR path = nullptr;
    if (FAILED(QueryPathOfRegTypeLib(LIBID_Lorivex, LorivexTypeLibMajor, LorivexTypeLibMinor, LorivexTypeLibLocale,
                                     &path)))
        return;
    SysFreeString(path);
    const HRESULT hr = UnRegisterTypeLib(LIBID_Lorivex, LorivexTypeLibMajor, LorivexTypeLibMinor,
                                         LorivexTypeLibLocale, SYS_WIN64);
    if (FAILED(hr))
        Fail("Cannot unregister the type library", hr);
}

bool TWin32ServerPlatform::IsInstalled(const std::string& hostProgId)
{
    CLSID clsid{};
    return SUCCEEDED(CLSIDFromProgID(Widen(hostProgId).c_str(), &clsid));
}

std::string TWin32ServerPlatform::ShortPathName(const std::string& path)
{
    const std::wstring longPath = Widen(path);
    std::wstring shortPath(MAX_PATH, L'\0');
    DWORD length = GetShortPathNameW(longPath.c_str(), shortPath.data(), DWORD(shortPath.size()));
    if (length > shortPath.size()) {
        shortPath.resize(length);
        length = GetShortPathNameW(longPath.c_str(), shortPath.data(), DWORD(shortPath.size()));
    }
    if (length == 0)
        throw Exception("No short name for " + path + ": " + SystemErrorText(GetLastError()));
    shortPath.resize(length);
    return Narrow(shortPath);
}

THostServerPlatform::AttachedHost TWin32ServerPlatform::AttachHost(const std::string& hostProgId)
{
    const CLSID clsid = ClassOf(hostProgId);
    AttachedHost attached;
    ComPtr<IUnknown> running;
    ComPtr<IDispatch> application;
    if (SUCCEEDED(GetActiveObject(clsid, nullptr, running.Receive())) && running)
        application = running.As<IDispatch>();
    if (!application) {
        const HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER | CLSCTX_INPROC_SERVER, IID_IDispatch,
                                            reinterpret_cast<void**>(application.Receive()));
        if (FAILED(hr))
            Fail("Cannot start " + hostProgId, hr);
        attached.Started = true;
    }
    attached.Application = word::com::BindApplication(application.Get());
    return attached;
}

} // namespace lorivex::hostcom
