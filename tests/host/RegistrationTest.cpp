// What registration writes and unregistration removes, through the real
// registry seam; the Windows-only steps (type library, Word's installation,
// attaching to Word) answered by a stand-in that hands over the engine's
// Word.
#include "host/HostFixture.h"

#include <algorithm>

#include "host/HostRegistration.h"
#include "platform/Registry.h"

namespace lorivex::test {
namespace {

using platform::RootKey;

constexpr char ClsidKey[] = "CLSID\\{DEE72A43-7E7E-42B8-A8E1-58E0A2ED9124}";
constexpr char AddInKey[] = "\\Software\\Microsoft\\Office\\Word\\AddIns\\Lorivex.OfficeAddin";

// Windows' part, which cannot run here.
class StandInServerPlatform : public THostServerPlatform {
public:
    void RegisterTypeLibrary(const std::string& dllPath, const std::string& helpFolder) override
    {
        Calls.push_back("register " + dllPath + " | " + helpFolder);
    }
    void UnregisterTypeLibrary() override { Calls.push_back("unregister"); }
    bool IsInstalled(const std::string& progId) override
    {
        Calls.push_back("installed " + progId);
        return WordInstalled;
    }
    std::string ShortPathName(const std::string&) override { return "C:\\PROGRA~1\\Lorivex\\Lorivex.dll"; }
    AttachedHost AttachHost(const std::string& progId) override
    {
        Calls.push_back("attach " + progId);
        // What unregistration had written by the time it reached Word.
        auto& registry = platform::GetRegistry();
        StartModeAtAttach = registry.ReadString(RootKey::CurrentUser, AddInKey, "StartMode");
        LoadBehaviorAtAttach = registry.ReadDWord(RootKey::LocalMachine, AddInKey, "LoadBehavior");
        if (!Word)
            throw Exception("Word cannot be started");
        return {Word, StartedWord};
    }

    std::vector<std::string> Calls;
    bool WordInstalled = true;
    word::ApplicationPtr Word;
    bool StartedWord = false;
    std::string StartModeAtAttach;
    uint32_t LoadBehaviorAtAttach = 99;
};

class HostRegistration : public HostTest {
protected:
    StandInServerPlatform Windows;
    THostRegistrar Registrar{LorivexServerInfo(), [] { return std::make_unique<TLorivexModule>(); }, Windows};
    platform::Registry& Registry = platform::GetRegistry();

    std::string Default(const std::string& key) { return Registry.ReadString(RootKey::ClassesRoot, key, ""); }
    std::vector<std::string> Sorted(std::vector<std::string> names)
    {
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(HostRegistration, TheComClassAndTheAddinAreWritten)
{
    Registrar.Register("/opt/Lorivex/Lorivex.dll");
    EXPECT_EQ(Windows.Calls, (std::vector<std::string>{"register /opt/Lorivex/Lorivex.dll | /opt/Lorivex/",
                                                       "installed Word.Application"}));
    const std::string clsid = ClsidKey;
    EXPECT_EQ(Default(clsid), "OfficeAddin Object");
    EXPECT_EQ(Default(clsid + "\\InprocServer32"), "/opt/Lorivex/Lorivex.dll");
    EXPECT_EQ(Registry.ReadString(RootKey::ClassesRoot, clsid + "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_EQ(Default("Lorivex.OfficeAddin"), "OfficeAddin Object");
    EXPECT_EQ(Default("Lorivex.OfficeAddin\\Clsid"), "{DEE72A43-7E7E-42B8-A8E1-58E0A2ED9124}");
    EXPECT_EQ(Default(clsid + "\\ProgID"), "Lorivex.OfficeAddin");
    EXPECT_EQ(Default(clsid + "\\Version"), "1.0");
    EXPECT_EQ(Default(clsid + "\\TypeLib"), "{0F0AAF11-3581-46DA-8815-0E5BA6AE52F5}");
    EXPECT_EQ(Sorted(Registry.GetKeyNames(RootKey::ClassesRoot, clsid)),
              (std::vector<std::string>{"InprocServer32", "ProgID", "TypeLib", "Version"}));

    // For all users: under HKEY_LOCAL_MACHINE, exactly these four values.
    EXPECT_EQ(Sorted(Registry.GetValueNames(RootKey::LocalMachine, AddInKey)),
              (std::vector<std::string>{"CommandLineSafe", "Description", "FriendlyName", "LoadBehavior"}));
    EXPECT_EQ(Registry.ReadString(RootKey::LocalMachine, AddInKey, "FriendlyName"), "Lorivex OfficeAddin");
    EXPECT_EQ(Registry.ReadString(RootKey::LocalMachine, AddInKey, "Description"), "Lorivex for Microsoft Word");
    EXPECT_EQ(Registry.ReadDWord(RootKey::LocalMachine, AddInKey, "LoadBehavior"), 3u);
    EXPECT_EQ(Registry.ReadDWord(RootKey::LocalMachine, AddInKey, "CommandLineSafe"), 0u);
    EXPECT_FALSE(Registry.KeyExists(RootKey::CurrentUser, AddInKey));
}

TEST_F(HostRegistration, APathWithASpaceIsRecordedInItsShortForm)
{
    Registrar.Register("C:\\Program Files\\Lorivex\\Lorivex.dll");
    EXPECT_EQ(Default(std::string(ClsidKey) + "\\InprocServer32"), "C:\\PROGRA~1\\Lorivex\\Lorivex.dll");
    EXPECT_EQ(Windows.Calls[0], "register C:\\Program Files\\Lorivex\\Lorivex.dll | C:\\Program Files\\Lorivex\\");
}

TEST_F(HostRegistration, AHostThatIsNotInstalledGetsNoKey)
{
    Windows.WordInstalled = false;
    Registrar.Register("/opt/Lorivex/Lorivex.dll");
    EXPECT_TRUE(Registry.KeyExists(RootKey::ClassesRoot, ClsidKey));
    EXPECT_FALSE(Registry.KeyExists(RootKey::LocalMachine, AddInKey));
    Registrar.Unregister();
    EXPECT_EQ(std::count(Windows.Calls.begin(), Windows.Calls.end(), "attach Word.Application"), 0);
    EXPECT_FALSE(Registry.KeyExists(RootKey::ClassesRoot, ClsidKey));
}

TEST_F(HostRegistration, APlanForOneUserGoesUnderTheCurrentUser)
{
    TLorivexModule module;
    module.RegisterForAllUsers = false;
    auto plan = MakeRegistrationPlan(LorivexServerInfo(), module, "x.dll");
    EXPECT_EQ(plan.AddInRoot, RootKey::CurrentUser);
    EXPECT_EQ(plan.AddInKey, AddInKey);
    ASSERT_EQ(plan.AddInEntries.size(), 4u);
    EXPECT_EQ(plan.AddInEntries[2].Name, "LoadBehavior");
    EXPECT_EQ(plan.AddInEntries[2].Number, 3u);
    EXPECT_EQ(plan.ClassKeysToDelete,
              (std::vector<std::string>{std::string(ClsidKey) + "\\TypeLib", std::string(ClsidKey) + "\\Version",
                                        std::string(ClsidKey) + "\\ProgID", "Lorivex.OfficeAddin\\Clsid",
                                        "Lorivex.OfficeAddin", std::string(ClsidKey) + "\\InprocServer32", ClsidKey}));
}

TEST_F(HostRegistration, UnregistrationTakesTheToolbarOutOfWordAndRemovesEveryKey)
{
    Registrar.Register("/opt/Lorivex/Lorivex.dll");
    Start();
    // The author moved a control of the add-in's to Word's own toolbar.
    auto standard = App->CommandBars()->Item(u"Standard");
    auto moved = standard->Controls()->Add(word::msoControlButton);
    moved->SetTag(word::ToWord(RecentTag));
    Close();
    App->NormalTemplate()->Save();
    auto document = App->Documents()->Add();

    Windows.Word = App;
    Windows.Calls.clear();
    Registrar.Unregister();
    EXPECT_EQ(Windows.Calls, (std::vector<std::string>{"unregister", "installed Word.Application",
                                                       "attach Word.Application"}));
    EXPECT_EQ(Windows.StartModeAtAttach, "UNINSTALL");
    EXPECT_EQ(Windows.LoadBehaviorAtAttach, 0u);
    EXPECT_EQ(Toolbar(), nullptr);
    EXPECT_EQ(standard->FindControl(0, word::ToWord(RecentTag), true), nullptr) << "recorded controls go wherever they are";
    EXPECT_TRUE(App->NormalTemplate()->Saved()) << "the Normal template keeps the removal";
    EXPECT_EQ(App->Documents()->Count(), 1) << "a Word that was running goes on running";

    EXPECT_FALSE(Registry.KeyExists(RootKey::LocalMachine, AddInKey));
    EXPECT_FALSE(Registry.KeyExists(RootKey::CurrentUser, AddInKey));
    EXPECT_FALSE(Registry.KeyExists(RootKey::ClassesRoot, ClsidKey));
    EXPECT_FALSE(Registry.KeyExists(RootKey::ClassesRoot, "Lorivex.OfficeAddin"));
}

TEST_F(HostRegistration, AWordStartedForUnregistrationIsQuit)
{
    Registrar.Register("/opt/Lorivex/Lorivex.dll");
    Start();
    Close();
    App->Documents()->Add();
    Windows.Word = App;
    Windows.StartedWord = true;
    Registrar.Unregister();
    EXPECT_EQ(App->Documents()->Count(), 0);
    EXPECT_EQ(Toolbar(), nullptr);
}

TEST_F(HostRegistration, AWordThatCannotBeReachedStopsUnregistration)
{
    Registrar.Register("/opt/Lorivex/Lorivex.dll");
    try {
        Registrar.Unregister();
        FAIL() << "unregistration went on";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Can't unregister add-in controls.");
    }
    // Stopped there: nothing after it was removed.
    EXPECT_TRUE(Registry.KeyExists(RootKey::ClassesRoot, ClsidKey));
    EXPECT_TRUE(Registry.KeyExists(RootKey::LocalMachine, AddInKey));
}

} // namespace
} // namespace lorivex::test
