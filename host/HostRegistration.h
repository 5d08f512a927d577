#pragma once
// Registration of the COM server and of the add-in in Word's list: what is
// written, as data, and its application through the registry; and the
// unregistration that undoes it, taking the add-in's toolbar out of Word
// first. The Windows-only steps go through THostServerPlatform.
#include <cstdint>
#include <string>
#include <vector>

#include "base/Guarded.h"
#include "host/HostAddin.h"
#include "host/HostServerPlatform.h"
#include "platform/Registry.h"

namespace lorivex {

// The COM class the server serves and its type library.
struct THostServerInfo {
    std::string Clsid;          // in braces
    std::string ProgId;         // "Lorivex.OfficeAddin"
    std::string Description;    // the coclass help string
    std::string TypeLibId;      // in braces
    std::string TypeLibVersion; // major "." minor
    std::string ThreadingModel;
};

struct THostRegistryEntry {
    platform::RootKey Root = platform::RootKey::ClassesRoot;
    std::string Key;
    std::string Name; // empty: the key's default value
    platform::ValueKind Kind = platform::ValueKind::String;
    std::string Text;
    std::uint32_t Number = 0;
};

struct THostRegistrationPlan {
    // HKEY_CLASSES_ROOT, in the order they are written.
    std::vector<THostRegistryEntry> ClassEntries;
    // Word's add-in key: under HKEY_LOCAL_MACHINE for a module registered
    // for all users, else under HKEY_CURRENT_USER.
    platform::RootKey AddInRoot = platform::RootKey::LocalMachine;
    std::string AddInKey;
    std::vector<THostRegistryEntry> AddInEntries;
    // HKEY_CLASSES_ROOT keys removed at unregistration, in this order.
    std::vector<std::string> ClassKeysToDelete;
};

// The ProgID by which a host application is found installed.
inline constexpr char WordApplicationProgId[] = "Word.Application";

// RegisteredDllPath: the path InprocServer32 holds (the short form of a
// path with a space in it).
THostRegistrationPlan MakeRegistrationPlan(const THostServerInfo& server, const THostAddInModule& definition,
                                           const std::string& registeredDllPath);

// Writes the entries, creating keys as needed.
void WriteRegistryEntries(platform::Registry& registry, const std::vector<THostRegistryEntry>& entries);

class THostRegistrar : public TObject {
public:
    THostRegistrar(THostServerInfo server, THostAddin::ModuleFactory createModule, THostServerPlatform& host,
                   platform::Registry& registry = platform::GetRegistry());

    // DllRegisterServer: the type library, the COM class, and the add-in
    // for Word when Word is installed.
    void Register(const std::string& dllPath);
    // DllUnregisterServer: the type library; for an installed Word the
    // toolbar taken out of it ("Can't unregister add-in controls." when that
    // fails), the add-in's keys; then the COM class's keys.
    void Unregister();

    // The plan for this server with the module's definition.
    THostRegistrationPlan Plan(const std::string& dllPath);

private:
    void RemoveFromWord(const THostRegistrationPlan& plan);

    THostServerInfo server_;
    THostAddin::ModuleFactory createModule_;
    THostServerPlatform& host_;
    platform::Registry& registry_;
};

// The folder of a file path, with its trailing delimiter ("\" or "/").
std::string HostFileFolder(const std::string& path);

} // namespace lorivex
