#include "platform/SpecialFolders.h"

#include "platform/win32/Win32Api.h"

namespace lorivex::platform {

namespace {

int Csidl(SpecialFolder folder)
{
    switch (folder) {
    case SpecialFolder::Windows: return CSIDL_WINDOWS;
    case SpecialFolder::System: return CSIDL_SYSTEM;
    case SpecialFolder::DesktopDirectory: return CSIDL_DESKTOPDIRECTORY;
    case SpecialFolder::Programs: return CSIDL_PROGRAMS;
    case SpecialFolder::Personal: return CSIDL_PERSONAL;
    case SpecialFolder::Favorites: return CSIDL_FAVORITES;
    case SpecialFolder::Startup: return CSIDL_STARTUP;
    case SpecialFolder::Recent: return CSIDL_RECENT;
    case SpecialFolder::SendTo: return CSIDL_SENDTO;
    case SpecialFolder::StartMenu: return CSIDL_STARTMENU;
    case SpecialFolder::MyMusic: return CSIDL_MYMUSIC;
    case SpecialFolder::MyVideo: return CSIDL_MYVIDEO;
    case SpecialFolder::Fonts: return CSIDL_FONTS;
    case SpecialFolder::CommonStartMenu: return CSIDL_COMMON_STARTMENU;
    case SpecialFolder::CommonPrograms: return CSIDL_COMMON_PROGRAMS;
    case SpecialFolder::CommonStartup: return CSIDL_COMMON_STARTUP;
    case SpecialFolder::CommonDesktopDirectory: return CSIDL_COMMON_DESKTOPDIRECTORY;
    case SpecialFolder::AppData: return CSIDL_APPDATA;
    case SpecialFolder::LocalAppData: return CSIDL_LOCAL_APPDATA;
    case SpecialFolder::History: return CSIDL_HISTORY;
    case SpecialFolder::CommonAppData: return CSIDL_COMMON_APPDATA;
    case SpecialFolder::ProgramFiles: return CSIDL_PROGRAM_FILES;
    case SpecialFolder::MyPictures: return CSIDL_MYPICTURES;
    case SpecialFolder::CommonDocuments: return CSIDL_COMMON_DOCUMENTS;
    case SpecialFolder::CommonPictures: return CSIDL_COMMON_PICTURES;
    case SpecialFolder::CommonMusic: return CSIDL_COMMON_MUSIC;
    case SpecialFolder::CommonVideo: return CSIDL_COMMON_VIDEO;
    case SpecialFolder::CommonFavorites: return CSIDL_COMMON_FAVORITES;
    }
    return -1;
}

} // namespace

namespace win32 {

// Shared with HelpCompiler.cpp, which needs a folder the seam does not name.
std::string FolderOfCsidl(int csidl)
{
    ITEMIDLIST* list = nullptr;
    if (csidl < 0 || FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &list)) || !list)
        return {};
    UniqueCoTaskMem<ITEMIDLIST> owner(list);
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(list, path)) // virtual folders have no path
        return {};
    std::wstring folder(path);
    while (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    return Narrow(folder);
}

} // namespace win32

std::string GetSpecialFolder(SpecialFolder folder)
{
    return win32::FolderOfCsidl(Csidl(folder));
}

std::string GetTempPath()
{
    wchar_t path[MAX_PATH + 1] = {};
    DWORD length = ::GetTempPathW(MAX_PATH + 1, path);
    if (length == 0 || length > MAX_PATH)
        return {};
    std::wstring folder(path, length);
    if (folder.back() != L'\\')
        folder += L'\\';
    return win32::Narrow(folder);
}

} // namespace lorivex::platform
