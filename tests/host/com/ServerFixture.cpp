#include "host/com/ServerFixture.h"

#include <algorithm>

#include "platform/Versions.h"

namespace lorivex::test::hostcom {

using platform::RootKey;
using platform::win32::Widen;

std::string BinFolder()
{
    const std::string program = platform::ProgramPath();
    return program.substr(0, program.find_last_of("\\/") + 1);
}

std::string LorivexDllPath()
{
    return BinFolder() + "Lorivex.dll";
}

DWORD RunRegsvr32(const std::string& dllPath, bool unregister)
{
    std::wstring commandLine = L"regsvr32.exe /s ";
    if (unregister)
        commandLine += L"/u ";
    commandLine += L"\"" + Widen(dllPath) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        ADD_FAILURE() << "regsvr32 did not start: " << platform::win32::SystemErrorText(GetLastError());
        return DWORD(-1);
    }
    DWORD exitCode = DWORD(-1);
    if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &exitCode);
    else {
        ADD_FAILURE() << "regsvr32 did not end within two minutes";
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

std::string ComErrorMessage()
{
    IErrorInfo* info = nullptr;
    if (GetErrorInfo(0, &info) != S_OK || !info)
        return {};
    BSTR description = nullptr;
    info->GetDescription(&description);
    std::string text = description ? platform::win32::Narrow(description) : std::string();
    SysFreeString(description);
    info->Release();
    return text;
}

ComApartment::ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

ComApartment::~ComApartment()
{
    if (initialised_)
        CoUninitialize();
}

void ServerRegistryCleanup::Clean()
{
    auto& registry = platform::GetRegistry();
    for (const std::string& key : {std::string(ClsidKey), std::string(ProgId), std::string("TypeLib\\") + LibIdText,
                                  std::string(InterfaceKey), std::string("Word.Application"),
                                  std::string("CLSID\\") + WordClsidText})
        registry.DeleteKey(RootKey::ClassesRoot, key);
    registry.DeleteKey(RootKey::LocalMachine, AddInKey);
    registry.DeleteKey(RootKey::CurrentUser, AddInKey);
}

InstalledWord::InstalledWord()
{
    platform::GetRegistry().WriteString(RootKey::ClassesRoot, "Word.Application\\CLSID", "", WordClsidText);
}

InstalledWord::~InstalledWord()
{
    platform::GetRegistry().DeleteKey(RootKey::ClassesRoot, "Word.Application");
}

CLSID InstalledWord::Clsid()
{
    CLSID clsid{};
    CLSIDFromString(Widen(WordClsidText).c_str(), &clsid);
    return clsid;
}

std::vector<std::string> SortedValueNames(RootKey root, const std::string& key)
{
    auto names = platform::GetRegistry().GetValueNames(root, key);
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> SortedKeyNames(RootKey root, const std::string& key)
{
    auto names = platform::GetRegistry().GetKeyNames(root, key);
    std::sort(names.begin(), names.end());
    return names;
}

std::string DefaultValue(const std::string& classesKey)
{
    return platform::GetRegistry().ReadString(RootKey::ClassesRoot, classesKey, "");
}

} // namespace lorivex::test::hostcom
