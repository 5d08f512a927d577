// Lorivex.dll registered and unregistered by the system's regsvr32, run as
// a child process, as an installer runs it: what lands in the registry,
// what the add-in list of an installed Word gets, the short path of a
// spaced folder, the type library; and everything gone again afterwards.
#include "host/com/ServerFixture.h"

#include <filesystem>

#include "TestSupport.h"

namespace lorivex::test::hostcom {
namespace {

using platform::RootKey;
using Names = std::vector<std::string>;

class ServerRegistration : public ::testing::Test {
protected:
    platform::Registry& Registry = platform::GetRegistry();
    ServerRegistryCleanup Cleanup;

    void ExpectClassRegisteredAt(const std::string& dllPath)
    {
        const std::string clsid = ClsidKey;
        EXPECT_EQ(SortedKeyNames(RootKey::ClassesRoot, clsid),
                  (Names{"InprocServer32", "ProgID", "TypeLib", "Version"}));
        EXPECT_EQ(SortedValueNames(RootKey::ClassesRoot, clsid), Names{""});
        EXPECT_EQ(DefaultValue(clsid), "OfficeAddin Object");
        EXPECT_EQ(SortedValueNames(RootKey::ClassesRoot, clsid + "\\InprocServer32"), (Names{"", "ThreadingModel"}));
        EXPECT_EQ(DefaultValue(clsid + "\\InprocServer32"), dllPath);
        EXPECT_EQ(Registry.ReadString(RootKey::ClassesRoot, clsid + "\\InprocServer32", "ThreadingModel"),
                  "Apartment");
        EXPECT_EQ(DefaultValue(clsid + "\\ProgID"), ProgId);
        EXPECT_EQ(DefaultValue(clsid + "\\Version"), "1.0");
        EXPECT_EQ(DefaultValue(clsid + "\\TypeLib"), LibIdText);
        EXPECT_EQ(SortedKeyNames(RootKey::ClassesRoot, ProgId), Names{"Clsid"});
        EXPECT_EQ(DefaultValue(ProgId), "OfficeAddin Object");
        EXPECT_EQ(DefaultValue(std::string(ProgId) + "\\Clsid"), ClsidText);
    }
    void ExpectClassGone()
    {
        EXPECT_FALSE(Registry.KeyExists(RootKey::ClassesRoot, ClsidKey));
        EXPECT_FALSE(Registry.KeyExists(RootKey::ClassesRoot, ProgId));
    }
    // The registered type library's path, empty when it is not registered.
    std::string TypeLibraryPath()
    {
        GUID libId{};
        CLSIDFromString(platform::win32::Widen(LibIdText).c_str(), &libId);
        ITypeLib* library = nullptr;
        if (FAILED(LoadRegTypeLib(libId, 1, 0, 0x0409, &library)))
            return {};
        library->Release();
        BSTR path = nullptr;
        if (FAILED(QueryPathOfRegTypeLib(libId, 1, 0, 0x0409, &path)))
            return "(no path)";
        std::string text = platform::win32::Narrow(path);
        SysFreeString(path);
        return text;
    }
};

TEST_F(ServerRegistration, TheClassAndItsTypeLibraryComeAndGo)
{
    const std::string dll = LorivexDllPath();
    ASSERT_EQ(dll.find(' '), std::string::npos) << "the build folder has a space: " << dll;
    ASSERT_EQ(RunRegsvr32(dll), 0u);
    ExpectClassRegisteredAt(dll);
    EXPECT_EQ(TypeLibraryPath(), dll);
    EXPECT_TRUE(Registry.KeyExists(RootKey::ClassesRoot, InterfaceKey)) << "the system wrote the interface's key";
    EXPECT_FALSE(Registry.KeyExists(RootKey::LocalMachine, AddInKey)) << "no Word here, no add-in key";

    ASSERT_EQ(RunRegsvr32(dll, true), 0u);
    ExpectClassGone();
    EXPECT_EQ(TypeLibraryPath(), "");
    EXPECT_FALSE(Registry.KeyExists(RootKey::ClassesRoot, std::string("TypeLib\\") + LibIdText));
}

TEST_F(ServerRegistration, AnInstalledWordListsTheAddIn)
{
    const std::string dll = LorivexDllPath();
    {
        InstalledWord word;
        ASSERT_EQ(RunRegsvr32(dll), 0u);
        ExpectClassRegisteredAt(dll);
        EXPECT_EQ(SortedValueNames(RootKey::LocalMachine, AddInKey),
                  (Names{"CommandLineSafe", "Description", "FriendlyName", "LoadBehavior"}));
        EXPECT_EQ(Registry.ReadString(RootKey::LocalMachine, AddInKey, "FriendlyName"), "Lorivex OfficeAddin");
        EXPECT_EQ(Registry.ReadString(RootKey::LocalMachine, AddInKey, "Description"), "Lorivex for Microsoft Word");
        EXPECT_EQ(Registry.GetValueKind(RootKey::LocalMachine, AddInKey, "LoadBehavior"), platform::ValueKind::DWord);
        EXPECT_EQ(Registry.ReadDWord(RootKey::LocalMachine, AddInKey, "LoadBehavior"), 3u);
        EXPECT_EQ(Registry.ReadDWord(RootKey::LocalMachine, AddInKey, "CommandLineSafe"), 0u);
        EXPECT_FALSE(Registry.KeyExists(RootKey::CurrentUser, AddInKey)) << "per-user data comes with Word's start";

        // This Word cannot be started, so its toolbar cannot be taken out:
        // unregistration stops there and leaves the class registered, the
        // add-in switched off.
        EXPECT_EQ(RunRegsvr32(dll, true), 5u) << "DllUnregisterServer failed";
        ExpectClassRegisteredAt(dll);
        EXPECT_EQ(Registry.ReadDWord(RootKey::LocalMachine, AddInKey, "LoadBehavior"), 0u);
        EXPECT_EQ(Registry.ReadString(RootKey::CurrentUser, AddInKey, "StartMode"), "UNINSTALL");
    }
    // Word gone: nothing to take out of it, the class goes.
    ASSERT_EQ(RunRegsvr32(dll, true), 0u);
    ExpectClassGone();
}

TEST_F(ServerRegistration, ASpacedFolderIsRecordedInItsShortForm)
{
    TempFolder temp;
    const std::string folder = temp / "Lorivex Add In";
    std::filesystem::create_directory(folder);
    const std::string dll = folder + "\\Lorivex.dll";
    std::filesystem::copy_file(LorivexDllPath(), dll);

    ASSERT_EQ(RunRegsvr32(dll), 0u);
    wchar_t shortPath[MAX_PATH] = {};
    ASSERT_NE(GetShortPathNameW(platform::win32::Widen(dll).c_str(), shortPath, MAX_PATH), 0u);
    const std::string registered = DefaultValue(std::string(ClsidKey) + "\\InprocServer32");
    EXPECT_EQ(registered, platform::win32::Narrow(shortPath));
    EXPECT_EQ(registered.find(' '), std::string::npos) << registered;
    EXPECT_EQ(TypeLibraryPath(), dll) << "the type library keeps the long path";

    ASSERT_EQ(RunRegsvr32(dll, true), 0u);
    ExpectClassGone();
}

} // namespace
} // namespace lorivex::test::hostcom
