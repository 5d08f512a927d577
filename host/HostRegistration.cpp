#include "host/HostRegistration.h"

#include "host/HostToolbarRemoval.h"
#include "host/HostUserRecords.h"
#include "services/word/Application.h"

namespace lorivex {

namespace {

using platform::RootKey;
using platform::ValueKind;

THostRegistryEntry Text(RootKey root, std::string key, std::string name, std::string text)
{
    return {root, std::move(key), std::move(name), ValueKind::String, std::move(text), 0};
}

THostRegistryEntry Number(RootKey root, std::string key, std::string name, std::uint32_t number)
{
    return {root, std::move(key), std::move(name), ValueKind::DWord, {}, number};
}

constexpr char UnregisterControlsFailed[] = "Can't unregister add-in controls.";

} // namespace

std::string HostFileFolder(const std::string& path)
{
    const auto at = path.find_last_of("\\/");
    return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

THostRegistrationPlan MakeRegistrationPlan(const THostServerInfo& server, const THostAddInModule& definition,
                                           const std::string& registeredDllPath)
{
    constexpr RootKey HKCR = RootKey::ClassesRoot;
    const std::string clsidKey = "CLSID\\" + server.Clsid;
    THostRegistrationPlan plan;
    plan.ClassEntries = {
        Text(HKCR, clsidKey, "", server.Description),
        Text(HKCR, clsidKey + "\\InprocServer32", "", registeredDllPath),
        Text(HKCR, clsidKey + "\\InprocServer32", "ThreadingModel", server.ThreadingModel),
        Text(HKCR, server.ProgId, "", server.Description),
        Text(HKCR, server.ProgId + "\\Clsid", "", server.Clsid),
        Text(HKCR, clsidKey + "\\ProgID", "", server.ProgId),
        Text(HKCR, clsidKey + "\\Version", "", server.TypeLibVersion),
        Text(HKCR, clsidKey + "\\TypeLib", "", server.TypeLibId),
    };
    plan.AddInRoot = definition.RegisterForAllUsers ? RootKey::LocalMachine : RootKey::CurrentUser;
    plan.AddInKey = HostAddInKeyPath(WordHostKeyName, server.ProgId);
    plan.AddInEntries = {
        Text(plan.AddInRoot, plan.AddInKey, "FriendlyName", definition.AddInName),
        Text(plan.AddInRoot, plan.AddInKey, "Description", definition.Description),
        Number(plan.AddInRoot, plan.AddInKey, "LoadBehavior", std::uint32_t(definition.LoadBehavior)),
        Number(plan.AddInRoot, plan.AddInKey, "CommandLineSafe", 0),
    };
    plan.ClassKeysToDelete = {clsidKey + "\\TypeLib", clsidKey + "\\Version", clsidKey + "\\ProgID",
                              server.ProgId + "\\Clsid", server.ProgId,          clsidKey + "\\InprocServer32",
                              clsidKey};
    return plan;
}

void WriteRegistryEntries(platform::Registry& registry, const std::vector<THostRegistryEntry>& entries)
{
    Guarded("HostRegistration", "WriteRegistryEntries", [&] {
        for (const auto& entry : entries) {
            if (entry.Kind == ValueKind::DWord)
                registry.WriteDWord(entry.Root, entry.Key, entry.Name, entry.Number);
            else
                registry.WriteString(entry.Root, entry.Key, entry.Name, entry.Text);
        }
    });
}

THostRegistrar::THostRegistrar(THostServerInfo server, THostAddin::ModuleFactory createModule,
                               THostServerPlatform& host, platform::Registry& registry)
    : server_(std::move(server)), createModule_(std::move(createModule)), host_(host), registry_(registry)
{
}

THostRegistrationPlan THostRegistrar::Plan(const std::string& dllPath)
{
    return Guard("Plan", [&] {
        // A module made only to read its definition: no Word, no handlers run.
        auto definition = createModule_();
        const bool spaced = dllPath.find(' ') != std::string::npos;
        return MakeRegistrationPlan(server_, *definition, spaced ? host_.ShortPathName(dllPath) : dllPath);
    });
}

void THostRegistrar::Register(const std::string& dllPath)
{
    Guard("Register", [&] {
        host_.RegisterTypeLibrary(dllPath, HostFileFolder(dllPath));
        const auto plan = Plan(dllPath);
        WriteRegistryEntries(registry_, plan.ClassEntries);
        if (host_.IsInstalled(WordApplicationProgId)) {
            if (!registry_.CreateKey(plan.AddInRoot, plan.AddInKey))
                throw Exception("Cannot create the key " + platform::KeyPathText(plan.AddInRoot, plan.AddInKey));
            WriteRegistryEntries(registry_, plan.AddInEntries);
        }
    });
}

void THostRegistrar::Unregister()
{
    Guard("Unregister", [&] {
        host_.UnregisterTypeLibrary();
        const auto plan = Plan({});
        if (host_.IsInstalled(WordApplicationProgId)) {
            RemoveFromWord(plan);
            if (registry_.KeyExists(plan.AddInRoot, plan.AddInKey))
                registry_.DeleteKey(plan.AddInRoot, plan.AddInKey);
            if (registry_.KeyExists(RootKey::CurrentUser, plan.AddInKey))
                registry_.DeleteKey(RootKey::CurrentUser, plan.AddInKey);
        }
        for (const auto& key : plan.ClassKeysToDelete)
            registry_.DeleteKey(RootKey::ClassesRoot, key);
    });
}

void THostRegistrar::RemoveFromWord(const THostRegistrationPlan& plan)
{
    Guard("RemoveFromWord", [&] {
        try {
            THostUserRecords records(registry_, plan.AddInKey);
            const auto commandBars = records.RecordedCommandBars();
            const auto controls = records.RecordedControls();
            records.SetStartMode(StartModeUninstall);
            registry_.WriteDWord(plan.AddInRoot, plan.AddInKey, "LoadBehavior", 0);

            auto attached = host_.AttachHost(WordApplicationProgId);
            auto module = createModule_();
            module->WordApp = attached.Application;
            for (auto* definition : module->CommandBars)
                if (SupportsWord(definition->SupportedApps))
                    RemoveHostToolbar(attached.Application, *definition, true);
            RemoveRecordedControls(attached.Application, controls, commandBars);
            SaveChangedTemplates(attached.Application);
            module->WordApp.reset();
            if (attached.Started)
                attached.Application->Quit();
        } catch (const EAbort&) {
            throw;
        } catch (const std::exception&) {
            throw Exception(UnregisterControlsFailed);
        }
    });
}

} // namespace lorivex
