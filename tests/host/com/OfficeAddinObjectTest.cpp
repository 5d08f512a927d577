// The add-in object made by the server's class factory in this process,
// where the module's creation can be counted: one module per connection,
// Word's COMAddIn given the object, failures returned as HRESULTs with
// their message, and Word's ribbon callback reaching the module.
#include "host/com/ServerFixture.h"

#include "commands/LorivexModule.h"
#include "engine/Engine.h"
#include "host/com/HostFactory.h"
#include "host/com/OfficeInterfaces.h"
#include "host/com/ServerLocks.h"
#include "host/com/Win32KeyboardHook.h"
#include "tests/wordstandin/WordStandIn.h"

namespace lorivex::test::hostcom {
namespace {

using lorivex::hostcom::CLSID_OfficeAddin;
using lorivex::hostcom::THostFactory;

constexpr char AboutTag[] = "{6E3D4EE0-F362-4956-8684-14AC2B1F2740}";

struct ModuleCounts {
    int created = 0, freed = 0, ribbonLoaded = 0, aboutClicks = 0, keywordShortcuts = 0;
};

class CountedModule : public TLorivexModule {
public:
    explicit CountedModule(ModuleCounts& counts) : counts_(counts)
    {
        ++counts_.created;
        OnRibbonLoaded = [&counts](THostAddInModule&) { ++counts.ribbonLoaded; };
        // The about box and the keyword dialog would wait for a user.
        for (auto* control : LorivexCommandBar.AllControls())
            if (control->OfficeTag == AboutTag)
                static_cast<THostCommandBarButton*>(control)->OnClick = [&counts](ui::TComponent&) {
                    ++counts.aboutClicks;
                };
        InsertKeywordShortcut.OnAction = [&counts](ui::TComponent&) { ++counts.keywordShortcuts; };
    }
    ~CountedModule() override { ++counts_.freed; }

private:
    ModuleCounts& counts_;
};

// Word's COMAddIn object as far as the add-in uses it: its Object property.
class COMAddInDouble : public IDispatch {
public:
    ~COMAddInDouble()
    {
        if (Object)
            Object->Release();
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        if (riid != IID_IUnknown && riid != IID_IDispatch) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override
    {
        if (_wcsicmp(names[0], L"Object") != 0)
            return DISP_E_UNKNOWNNAME;
        ids[0] = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                     UINT*) override
    {
        if (id != 1 || !(flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) || params->cArgs != 1)
            return DISP_E_MEMBERNOTFOUND;
        if (params->rgvarg[0].vt != VT_DISPATCH)
            return DISP_E_TYPEMISMATCH;
        if (Object)
            Object->Release();
        Object = params->rgvarg[0].pdispVal;
        Object->AddRef();
        return S_OK;
    }

    IDispatch* Object = nullptr;
};

class OfficeAddinObject : public ::testing::Test {
protected:
    void SetUp() override
    {
        standin::ResetCounts();
        ASSERT_EQ(Factory.CreateInstance(nullptr, __uuidof(IDTExtensibility2), reinterpret_cast<void**>(&Addin)),
                  S_OK);
        Served = standin::ExposeApplication(App);
    }
    void TearDown() override
    {
        if (Addin)
            Addin->Release();
        Served->Release();
        standin::ResetCounts();
    }
    bool SameObject(IUnknown* a, IUnknown* b)
    {
        IUnknown *ua = nullptr, *ub = nullptr;
        a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ua));
        b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ub));
        ua->Release();
        ub->Release();
        return ua == ub;
    }
    ServerRegistryCleanup Cleanup;
    ComApartment Com;
    ModuleCounts Counts;
    THostFactory Factory{CLSID_OfficeAddin, [this] { return std::make_unique<CountedModule>(Counts); },
                         LorivexDllPath()};
    word::ApplicationPtr App = engine::CreateApplication(u"12.0");
    IDispatch* Served = nullptr;
    IDTExtensibility2* Addin = nullptr;
    SAFEARRAY* Custom = nullptr;
};

TEST_F(OfficeAddinObject, OneModuleLivesFromConnectionToDisconnection)
{
    COMAddInDouble comAddIn;
    EXPECT_EQ(Counts.created, 0) << "nothing before Word connects";
    ASSERT_EQ(Addin->OnConnection(Served, 1, &comAddIn, &Custom), S_OK);
    EXPECT_EQ(Counts.created, 1);
    ASSERT_NE(comAddIn.Object, nullptr) << "COMAddIn.Object is the add-in";
    EXPECT_TRUE(SameObject(comAddIn.Object, Addin));
    EXPECT_EQ(Addin->OnStartupComplete(&Custom), S_OK) << ComErrorMessage();
    EXPECT_EQ(Addin->OnBeginShutdown(&Custom), S_OK);
    EXPECT_EQ(Addin->OnDisconnection(0, &Custom), S_OK);
    EXPECT_EQ(Counts.created, 1);
    EXPECT_EQ(Counts.freed, 1);
    comAddIn.Object->Release();
    comAddIn.Object = nullptr;
    EXPECT_FALSE(lorivex::hostcom::ServerCanUnload());
    Addin->Release();
    Addin = nullptr;
    EXPECT_TRUE(lorivex::hostcom::ServerCanUnload());
}

TEST_F(OfficeAddinObject, FailuresComeBackAsTheCallsResult)
{
    IRibbonExtensibility* ribbon = nullptr;
    ASSERT_EQ(Addin->QueryInterface(__uuidof(IRibbonExtensibility), reinterpret_cast<void**>(&ribbon)), S_OK);
    BSTR markup = reinterpret_cast<BSTR>(0x1234);
    EXPECT_EQ(ribbon->GetCustomUI(nullptr, &markup), E_FAIL) << "no connection yet";
    EXPECT_EQ(markup, nullptr);
    EXPECT_NE(ComErrorMessage().find("The add-in is not connected."), std::string::npos);
    ribbon->Release();

    EXPECT_EQ(Addin->OnConnection(nullptr, 1, nullptr, &Custom), E_FAIL);
    EXPECT_EQ(Counts.created, 0);
    EXPECT_EQ(Addin->OnDisconnection(0, &Custom), S_OK) << "nothing to disconnect is no failure";
}

TEST_F(OfficeAddinObject, WordsRibbonCallbackReachesTheModule)
{
    ASSERT_EQ(Addin->OnConnection(Served, 1, nullptr, &Custom), S_OK);
    wchar_t name[] = L"RibbonLoaded_Callback";
    LPOLESTR names[] = {name};
    DISPID id = 0;
    ASSERT_EQ(Addin->GetIDsOfNames(IID_NULL, names, 1, 0, &id), S_OK);
    wchar_t other[] = L"NoSuchMember";
    LPOLESTR otherNames[] = {other};
    DISPID otherId = 0;
    EXPECT_EQ(Addin->GetIDsOfNames(IID_NULL, otherNames, 1, 0, &otherId), DISP_E_UNKNOWNNAME);

    COMAddInDouble ribbonObject;
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_DISPATCH;
    argument.pdispVal = &ribbonObject;
    DISPPARAMS params{&argument, nullptr, 1, 0};
    EXPECT_EQ(Addin->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(Counts.ribbonLoaded, 1);

    // The markup's loadImage callback: the markup names no picture, so any
    // name asked for gets none, and no error for Word to show.
    wchar_t images[] = L"GetImages_Callback";
    LPOLESTR imagesNames[] = {images};
    DISPID imagesId = 0;
    ASSERT_EQ(Addin->GetIDsOfNames(IID_NULL, imagesNames, 1, 0, &imagesId), S_OK);
    EXPECT_NE(imagesId, id);
    VARIANT imageName;
    imageName.vt = VT_BSTR;
    imageName.bstrVal = SysAllocString(L"Compile");
    DISPPARAMS imageParams{&imageName, nullptr, 1, 0};
    VARIANT picture;
    picture.vt = VT_I4;
    EXPECT_EQ(Addin->Invoke(imagesId, IID_NULL, 0, DISPATCH_METHOD, &imageParams, &picture, nullptr, nullptr), S_OK);
    EXPECT_EQ(picture.vt, VT_EMPTY);
    VariantClear(&imageName);
    EXPECT_EQ(Counts.ribbonLoaded, 1) << "only RibbonLoaded_Callback reaches the module";
    EXPECT_EQ(Addin->OnDisconnection(0, &Custom), S_OK);
}

TEST_F(OfficeAddinObject, ClicksAndTheShortcutReachTheirHandlers)
{
    ASSERT_EQ(Addin->OnConnection(Served, 0, nullptr, &Custom), S_OK) << ComErrorMessage();
    auto bar = App->CommandBars()->Item(u"Lorivex 2008");
    ASSERT_NE(bar, nullptr);
    auto about = bar->FindControl(0, u"{6E3D4EE0-F362-4956-8684-14AC2B1F2740}", true);
    ASSERT_NE(about, nullptr);
    about->Execute();
    EXPECT_EQ(Counts.aboutClicks, 1) << "Word's Click event through the stand-in's connection point";

    // Ctrl+Shift+Alt+K as the keyboard hook installed at start-up sees it.
    BYTE saved[256] = {}, held[256] = {};
    GetKeyboardState(saved);
    for (int key : {VK_CONTROL, VK_LCONTROL, VK_SHIFT, VK_RSHIFT, VK_MENU, VK_LMENU})
        held[key] = 0x80;
    SetKeyboardState(held);
    EXPECT_EQ(lorivex::hostcom::TWin32KeyboardHook::HookProcedure(HC_ACTION, 'K', 1), 1);
    EXPECT_EQ(lorivex::hostcom::TWin32KeyboardHook::HookProcedure(HC_ACTION, 'L', 1), 0);
    EXPECT_EQ(Counts.keywordShortcuts, 1);

    EXPECT_EQ(Addin->OnDisconnection(1, &Custom), S_OK);
    EXPECT_EQ(lorivex::hostcom::TWin32KeyboardHook::HookProcedure(HC_ACTION, 'K', 1), 0) << "the hook went with the module";
    SetKeyboardState(saved);
    EXPECT_EQ(Counts.keywordShortcuts, 1);
    EXPECT_EQ(Counts.aboutClicks, 1);
}

} // namespace
} // namespace lorivex::test::hostcom
