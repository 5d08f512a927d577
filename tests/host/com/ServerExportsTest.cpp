// Lorivex.dll loaded as COM loads it: its exports by name and by ordinal,
// the class object for its one CLSID only, the unload query following the
// objects and locks, and the version resource of a DLL.
#include "host/com/ServerFixture.h"

#include "host/com/OfficeInterfaces.h"
#include "platform/Versions.h"

namespace lorivex::test::hostcom {
namespace {

using GetClassObjectFunction = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using CanUnloadNowFunction = HRESULT(STDAPICALLTYPE*)();

// The file type of a binary's version resource; 0 without one.
DWORD FileTypeOf(const std::string& path)
{
    const std::wstring file = platform::win32::Widen(path);
    DWORD handle = 0;
    std::vector<char> block(GetFileVersionInfoSizeW(file.c_str(), &handle));
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (block.empty() || !GetFileVersionInfoW(file.c_str(), 0, DWORD(block.size()), block.data()) ||
        !VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info)
        return 0;
    return info->dwFileType;
}

class ServerExports : public ::testing::Test {
protected:
    void SetUp() override
    {
        dll_ = LoadLibraryW(platform::win32::Widen(LorivexDllPath()).c_str());
        ASSERT_NE(dll_, nullptr) << platform::win32::SystemErrorText(GetLastError());
        getClassObject_ = ExportOf<GetClassObjectFunction>(dll_, "DllGetClassObject");
        canUnloadNow_ = ExportOf<CanUnloadNowFunction>(dll_, "DllCanUnloadNow");
        ASSERT_NE(getClassObject_, nullptr);
        ASSERT_NE(canUnloadNow_, nullptr);
    }
    void TearDown() override
    {
        if (dll_)
            FreeLibrary(dll_);
    }

    ComApartment Com;
    HMODULE dll_ = nullptr;
    GetClassObjectFunction getClassObject_ = nullptr;
    CanUnloadNowFunction canUnloadNow_ = nullptr;
};

TEST_F(ServerExports, EachExportHasItsOrdinal)
{
    const std::pair<int, const char*> exports[] = {{5, "DllGetClassObject"},
                                                   {4, "DllCanUnloadNow"},
                                                   {3, "DllRegisterServer"},
                                                   {2, "DllUnregisterServer"},
                                                   {1, "NoHooking"}};
    for (const auto& [ordinal, name] : exports) {
        FARPROC byName = GetProcAddress(dll_, name);
        EXPECT_NE(byName, nullptr) << name;
        EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(dll_, MAKEINTRESOURCEA(ordinal))),
                  reinterpret_cast<void*>(byName))
            << name << " @" << ordinal;
    }
    EXPECT_EQ(GetProcAddress(dll_, MAKEINTRESOURCEA(6)), nullptr) << "five exports, no more";
    // Undecorated: the names carry no @N of the calling convention.
    EXPECT_EQ(GetProcAddress(dll_, "DllCanUnloadNow@0"), nullptr);
    using NoHookingFunction = void(STDAPICALLTYPE*)();
    ExportOf<NoHookingFunction>(dll_, "NoHooking")();
}

TEST_F(ServerExports, OnlyTheAddinsClassHasAClassObject)
{
    void* object = reinterpret_cast<void*>(0x1234);
    EXPECT_EQ(getClassObject_(IID_IDispatch, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
    object = reinterpret_cast<void*>(0x1234);
    EXPECT_EQ(getClassObject_(InstalledWord::Clsid(), IID_IUnknown, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);

    IClassFactory* factory = nullptr;
    ASSERT_EQ(getClassObject_(lorivex::hostcom::CLSID_OfficeAddin, IID_IClassFactory,
                              reinterpret_cast<void**>(&factory)),
              S_OK);
    ASSERT_NE(factory, nullptr);
    IUnknown* marshal = nullptr;
    EXPECT_EQ(factory->QueryInterface(IID_IMarshal, reinterpret_cast<void**>(&marshal)), E_NOINTERFACE);
    factory->Release();
}

TEST_F(ServerExports, TheServerStaysWhileAnObjectOrALockLives)
{
    EXPECT_EQ(canUnloadNow_(), S_OK);
    IClassFactory* factory = nullptr;
    ASSERT_EQ(getClassObject_(lorivex::hostcom::CLSID_OfficeAddin, IID_IClassFactory,
                              reinterpret_cast<void**>(&factory)),
              S_OK);
    EXPECT_EQ(canUnloadNow_(), S_OK) << "a class object alone does not hold the server";

    IDispatch* first = nullptr;
    IDispatch* second = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&first)), S_OK);
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&second)), S_OK);
    EXPECT_NE(first, second) << "one new object per request";
    IUnknown* outer = first;
    IUnknown* aggregated = nullptr;
    EXPECT_EQ(factory->CreateInstance(outer, IID_IUnknown, reinterpret_cast<void**>(&aggregated)),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(canUnloadNow_(), S_FALSE);
    first->Release();
    EXPECT_EQ(canUnloadNow_(), S_FALSE) << "one object still alive";
    second->Release();
    EXPECT_EQ(canUnloadNow_(), S_OK);

    factory->LockServer(TRUE);
    EXPECT_EQ(canUnloadNow_(), S_FALSE);
    factory->LockServer(FALSE);
    EXPECT_EQ(canUnloadNow_(), S_OK);
    factory->Release();
}

TEST_F(ServerExports, TheObjectDescribesItselfByTheTypeLibrary)
{
    IClassFactory* factory = nullptr;
    ASSERT_EQ(getClassObject_(lorivex::hostcom::CLSID_OfficeAddin, IID_IClassFactory,
                              reinterpret_cast<void**>(&factory)),
              S_OK);
    IDispatch* addin = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, lorivex::hostcom::IID_IOfficeAddin, reinterpret_cast<void**>(&addin)),
              S_OK);
    factory->Release();
    for (const IID& iid : {__uuidof(IDTExtensibility2), __uuidof(IRibbonExtensibility), IID_IDispatch}) {
        IUnknown* other = nullptr;
        EXPECT_EQ(addin->QueryInterface(iid, reinterpret_cast<void**>(&other)), S_OK);
        if (other)
            other->Release();
    }
    ITypeInfo* info = nullptr;
    ASSERT_EQ(addin->GetTypeInfo(0, 0, &info), S_OK);
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
    EXPECT_TRUE(IsEqualGUID(attributes->guid, lorivex::hostcom::IID_IOfficeAddin));
    EXPECT_EQ(attributes->typekind, TKIND_DISPATCH);
    info->ReleaseTypeAttr(attributes);
    BSTR docString = nullptr;
    ASSERT_EQ(info->GetDocumentation(MEMBERID_NIL, nullptr, &docString, nullptr, nullptr), S_OK);
    EXPECT_EQ(platform::win32::Narrow(docString), "Dispatch interface for OfficeAddin Object");
    SysFreeString(docString);
    info->Release();
    addin->Release();
}

TEST_F(ServerExports, TheVersionResourceIsADllsWithTheProjectsVersion)
{
    EXPECT_EQ(FileTypeOf(LorivexDllPath()), DWORD(VFT_DLL));
    EXPECT_EQ(FileTypeOf(platform::ProgramPath()), DWORD(VFT_APP)) << "a program stays an application";
    const auto version = platform::GetFileVersion(LorivexDllPath());
    ASSERT_TRUE(version);
    EXPECT_EQ(version->Major, LORIVEX_STAMPED_MAJOR);
    EXPECT_EQ(version->Minor, LORIVEX_STAMPED_MINOR);
    EXPECT_EQ(version->Release, LORIVEX_STAMPED_RELEASE);
    EXPECT_EQ(version->Build, LORIVEX_STAMPED_BUILD);
}

} // namespace
} // namespace lorivex::test::hostcom
