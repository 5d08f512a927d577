// Word's load sequence played against the registered Lorivex.dll: the
// add-in found in Word's add-in list, created by its ProgID, connected to
// the Word stand-in's Application, started, asked for ribbon markup, shut
// down and disconnected; the toolbar the module defines as it appears in
// Word's command bars, an author's change kept until a raised revision,
// loading and unloading from Word's COM add-ins list.
#include "host/com/ServerFixture.h"

#include "commands/LorivexModule.h"
#include "engine/Engine.h"
#include "host/com/OfficeInterfaces.h"
#include "services/word/Word.h"
#include "services/word/WordText.h"
#include "tests/wordstandin/WordStandIn.h"

namespace lorivex::test::hostcom {
namespace {

using platform::RootKey;

constexpr char CompileTag[] = "{170762A3-C868-4973-92BF-D6D890D818B2}";
constexpr int ConnectAfterStartup = 0, ConnectStartup = 1, DisconnectHostShutdown = 0, DisconnectUserClosed = 1;

class WordLoadsAddin : public ::testing::Test {
protected:
    void SetUp() override
    {
        standin::ResetCounts();
        // Word is there when the add-in is installed, so it is listed.
        InstalledWord word;
        ASSERT_EQ(RunRegsvr32(LorivexDllPath()), 0u);
    }
    void TearDown() override
    {
        if (addin_)
            addin_->Release();
        if (served_)
            served_->Release();
        EXPECT_EQ(RunRegsvr32(LorivexDllPath(), true), 0u);
        standin::ResetCounts();
    }

    // What Word does at its start: every add-in of its list with
    // LoadBehavior 3 created by its ProgID.
    void CreateFromWordsList()
    {
        std::string progId;
        for (const auto& name : platform::GetRegistry().GetKeyNames(RootKey::LocalMachine, AddInListKey))
            if (platform::GetRegistry().ReadDWord(RootKey::LocalMachine, std::string(AddInListKey) + "\\" + name,
                                                  "LoadBehavior") == 3) {
                progId = name;
            }
        ASSERT_EQ(progId, ProgId);
        CLSID clsid{};
        ASSERT_EQ(CLSIDFromProgID(platform::win32::Widen(progId).c_str(), &clsid), S_OK);
        ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IDTExtensibility2),
                                   reinterpret_cast<void**>(&addin_)),
                  S_OK);
        if (!served_)
            served_ = standin::ExposeApplication(App);
    }
    void Connect(int mode)
    {
        ASSERT_NE(addin_, nullptr) << "no add-in to connect";
        SAFEARRAY* custom = nullptr;
        ASSERT_EQ(addin_->OnConnection(served_, mode, nullptr, &custom), S_OK) << ComErrorMessage();
    }
    // A start of Word with the add-in in its list, up to start-up complete.
    void Start()
    {
        CreateFromWordsList();
        Connect(ConnectStartup);
        ASSERT_NE(addin_, nullptr);
        SAFEARRAY* custom = nullptr;
        ASSERT_EQ(addin_->OnAddInsUpdate(&custom), S_OK);
        ASSERT_EQ(addin_->OnStartupComplete(&custom), S_OK) << ComErrorMessage();
    }
    void Disconnect(int mode)
    {
        ASSERT_NE(addin_, nullptr) << "no add-in to disconnect";
        SAFEARRAY* custom = nullptr;
        if (mode == DisconnectHostShutdown) {
            EXPECT_EQ(addin_->OnBeginShutdown(&custom), S_OK);
        }
        EXPECT_EQ(addin_->OnDisconnection(mode, &custom), S_OK) << ComErrorMessage();
        addin_->Release();
        addin_ = nullptr;
    }
    void Close() { Disconnect(DisconnectHostShutdown); }

    word::CommandBarPtr Toolbar() { return App->CommandBars()->Item(u"Lorivex 2008"); }
    word::CommandBarControlPtr Control(const std::string& tag)
    {
        auto bar = Toolbar();
        return bar ? bar->FindControl(0, word::ToWord(tag), true) : nullptr;
    }
    HRESULT DllCanUnloadNow()
    {
        HMODULE dll = GetModuleHandleW(L"Lorivex.dll");
        if (!dll)
            return E_UNEXPECTED;
        auto canUnloadNow = ExportOf<HRESULT(STDAPICALLTYPE*)()>(dll, "DllCanUnloadNow");
        return canUnloadNow ? canUnloadNow() : E_UNEXPECTED;
    }
    void ExpectEveryReferenceGivenBack()
    {
        served_->Release();
        served_ = nullptr;
        const standin::RefCounts& counts = standin::Counts();
        EXPECT_EQ(counts.alive, 0u);
        EXPECT_EQ(counts.overReleases, 0u);
        EXPECT_EQ(counts.releases, counts.created + counts.addRefs);
    }

    ServerRegistryCleanup Cleanup;
    ComApartment Com;
    // The module as the add-in defines it, for what Word should show.
    TLorivexModule Definition;
    word::ApplicationPtr App = engine::CreateApplication(u"11.0");
    IDispatch* served_ = nullptr;
    IDTExtensibility2* addin_ = nullptr;
};

TEST_F(WordLoadsAddin, WordsStartBuildsTheToolbarAndItsCloseLeavesIt)
{
    Start();
    ASSERT_NE(Toolbar(), nullptr);
    const auto& definition = Definition.LorivexCommandBar;
    const auto toolbarControls = Toolbar()->Controls();
    EXPECT_EQ(toolbarControls->Count(), long(definition.Controls.size()));
    for (auto* control : definition.AllControls()) {
        auto found = Control(control->OfficeTag);
        ASSERT_NE(found, nullptr) << control->Name;
        EXPECT_EQ(word::FromWord(found->Tag()), control->OfficeTag);
        if (control->OfficeID == 1) {
            EXPECT_EQ(word::FromWord(found->Caption()), control->Caption) << control->Name;
        }
    }
    EXPECT_EQ(platform::GetRegistry().ReadString(RootKey::CurrentUser, AddInKey, "StartMode"), "NORMAL");
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE) << "Word holds the add-in";

    Close();
    EXPECT_NE(Toolbar(), nullptr) << "Word keeps the toolbar for its next start";
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
    ExpectEveryReferenceGivenBack();
}

TEST_F(WordLoadsAddin, TheRibbonMarkupIsTwoLines)
{
    CreateFromWordsList();
    Connect(ConnectStartup);
    IRibbonExtensibility* ribbon = nullptr;
    ASSERT_EQ(addin_->QueryInterface(__uuidof(IRibbonExtensibility), reinterpret_cast<void**>(&ribbon)), S_OK);
    BSTR markup = nullptr;
    BSTR id = SysAllocString(L"Microsoft.Word.Document");
    ASSERT_EQ(ribbon->GetCustomUI(id, &markup), S_OK);
    EXPECT_EQ(platform::win32::Narrow(markup),
              "<customUI xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\" "
              "onLoad=\"RibbonLoaded_Callback\" loadImage=\"GetImages_Callback\">\r\n</customUI>");
    SysFreeString(markup);
    SysFreeString(id);
    ribbon->Release();
    Close();
    ExpectEveryReferenceGivenBack();
}

TEST_F(WordLoadsAddin, AnAuthorsChangeStaysUntilARaisedRevision)
{
    Start();
    Close();
    const auto* compile = Definition.LorivexCommandBar.AllControls()[0];
    for (auto* control : Definition.LorivexCommandBar.AllControls())
        if (control->OfficeTag == CompileTag)
            compile = control;
    ASSERT_NE(Control(CompileTag), nullptr);
    Control(CompileTag)->SetCaption(u"My compile");

    Start();
    Close();
    EXPECT_EQ(Control(CompileTag)->Caption(), u"My compile") << "the same revision leaves the author's caption";

    // A build whose definition is newer than what this user has seen.
    const std::string controls = std::string(AddInKey) + "\\Controls";
    ASSERT_EQ(platform::GetRegistry().ReadDWord(RootKey::CurrentUser, controls, CompileTag),
              std::uint32_t(compile->PropertyChanged));
    platform::GetRegistry().WriteDWord(RootKey::CurrentUser, controls, CompileTag,
                                       std::uint32_t(compile->PropertyChanged - 1));
    Start();
    Close();
    EXPECT_EQ(word::FromWord(Control(CompileTag)->Caption()), compile->Caption);
    EXPECT_EQ(platform::GetRegistry().ReadDWord(RootKey::CurrentUser, controls, CompileTag),
              std::uint32_t(compile->PropertyChanged));
    ExpectEveryReferenceGivenBack();
}

TEST_F(WordLoadsAddin, LoadingFromTheAddinsListBuildsAndUnloadingRemoves)
{
    CreateFromWordsList();
    Connect(ConnectAfterStartup);
    ASSERT_NE(Toolbar(), nullptr) << "built without a start-up report";
    EXPECT_TRUE(platform::GetRegistry().KeyExists(RootKey::CurrentUser, std::string(AddInKey) + "\\Controls"));

    Disconnect(DisconnectUserClosed);
    EXPECT_EQ(Toolbar(), nullptr);
    EXPECT_FALSE(platform::GetRegistry().KeyExists(RootKey::CurrentUser, std::string(AddInKey) + "\\Controls"));
    EXPECT_FALSE(platform::GetRegistry().KeyExists(RootKey::CurrentUser, std::string(AddInKey) + "\\CommandBars"));
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
    ExpectEveryReferenceGivenBack();
}

// The installer's uninstall with Word running: DllUnregisterServer finds
// Word as the active object of "Word.Application" and takes the toolbar
// out of it before the keys go.
TEST_F(WordLoadsAddin, UnregisteringTakesTheToolbarOutOfTheRunningWord)
{
    Start();
    Close();
    ASSERT_NE(Toolbar(), nullptr);
    ASSERT_TRUE(platform::GetRegistry().KeyExists(RootKey::CurrentUser, AddInKey));

    InstalledWord word;
    const CLSID wordClass = InstalledWord::Clsid();
    DWORD running = 0;
    ASSERT_EQ(RegisterActiveObject(served_, wordClass, ACTIVEOBJECT_STRONG, &running), S_OK);
    HMODULE dll = LoadLibraryW(platform::win32::Widen(LorivexDllPath()).c_str());
    ASSERT_NE(dll, nullptr);
    auto unregisterServer = ExportOf<HRESULT(STDAPICALLTYPE*)()>(dll, "DllUnregisterServer");
    ASSERT_NE(unregisterServer, nullptr);
    EXPECT_EQ(unregisterServer(), S_OK);
    RevokeActiveObject(running, nullptr);
    FreeLibrary(dll);

    EXPECT_EQ(Toolbar(), nullptr);
    EXPECT_FALSE(platform::GetRegistry().KeyExists(RootKey::LocalMachine, AddInKey));
    EXPECT_FALSE(platform::GetRegistry().KeyExists(RootKey::CurrentUser, AddInKey));
    EXPECT_FALSE(platform::GetRegistry().KeyExists(RootKey::ClassesRoot, ClsidKey));
    EXPECT_FALSE(platform::GetRegistry().KeyExists(RootKey::ClassesRoot, ProgId));
    ExpectEveryReferenceGivenBack();
}

} // namespace
} // namespace lorivex::test::hostcom
