#pragma once
// What the tests of Lorivex.dll share: the DLL built beside the test
// program, regsvr32 run as a child process against it, a COM apartment,
// the real registry of the Wine prefix put back as it was, and a Word that
// is "installed" (its ProgID resolving to a class) for as long as a test
// wants one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Registry.h"
#include "platform/win32/Win32Api.h"

namespace lorivex::test::hostcom {

inline constexpr char ClsidText[] = "{DEE72A43-7E7E-42B8-A8E1-58E0A2ED9124}";
inline constexpr char ClsidKey[] = "CLSID\\{DEE72A43-7E7E-42B8-A8E1-58E0A2ED9124}";
inline constexpr char ProgId[] = "Lorivex.OfficeAddin";
inline constexpr char LibIdText[] = "{0F0AAF11-3581-46DA-8815-0E5BA6AE52F5}";
inline constexpr char InterfaceKey[] = "Interface\\{1C83EA75-034A-43DD-A262-52F9735BE044}";
inline constexpr char AddInKey[] = "Software\\Microsoft\\Office\\Word\\AddIns\\Lorivex.OfficeAddin";
inline constexpr char AddInListKey[] = "Software\\Microsoft\\Office\\Word\\AddIns";
// The class "Word.Application" resolves to while a test has Word installed.
inline constexpr char WordClsidText[] = "{5F6B1A3E-27C4-4D0B-9E61-3C2A8D7F4B10}";

// The folder of the test program, with Lorivex.dll in it.
std::string BinFolder();
std::string LorivexDllPath();

// An exported function of a loaded DLL, nullptr when it has none.
template <class Function>
Function ExportOf(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The description of the thread's COM error information (a failed call's
// message), empty when there is none.
std::string ComErrorMessage();

// regsvr32 /s [/u] path, started with CreateProcess; its exit code.
DWORD RunRegsvr32(const std::string& dllPath, bool unregister = false);

// COM on this thread, single-threaded apartment, for the scope.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

// Removes, at the start and again at the end, every key the server, the
// type library, the add-in and a test's Word leave: the prefix is shared
// with every other test.
class ServerRegistryCleanup {
public:
    ServerRegistryCleanup() { Clean(); }
    ~ServerRegistryCleanup() { Clean(); }
    ServerRegistryCleanup(const ServerRegistryCleanup&) = delete;
    ServerRegistryCleanup& operator=(const ServerRegistryCleanup&) = delete;
    static void Clean();
};

// "Word.Application" resolving to WordClsidText while it lives.
class InstalledWord {
public:
    InstalledWord();
    ~InstalledWord();
    InstalledWord(const InstalledWord&) = delete;
    InstalledWord& operator=(const InstalledWord&) = delete;
    static CLSID Clsid();
};

// The registry's answers, for comparing whole keys.
std::vector<std::string> SortedValueNames(platform::RootKey root, const std::string& key);
std::vector<std::string> SortedKeyNames(platform::RootKey root, const std::string& key);
std::string DefaultValue(const std::string& classesKey);

} // namespace lorivex::test::hostcom
