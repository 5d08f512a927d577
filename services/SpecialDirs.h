#pragma once
// TSpecialDirs answers the paths of the shell's special folders, computed on
// every read. The properties cannot be written: the one setter does nothing.
#include <string>

#include "platform/SpecialFolders.h"
#include "base/Guarded.h"

namespace lorivex {

class TSpecialDirs : public TObject {
public:
    using Folder = platform::SpecialFolder;

    std::string GetWindowsDir() const { return Get(Folder::Windows); }
    std::string GetSystemDir() const { return Get(Folder::System); }
    std::string GetTempDir() const { return platform::GetTempPath(); }
    std::string GetDeskTopDir() const { return Get(Folder::DesktopDirectory); }
    std::string GetProgramsDir() const { return Get(Folder::Programs); }
    std::string GetPersonalDir() const { return Get(Folder::Personal); }
    std::string GetFavoritesDir() const { return Get(Folder::Favorites); }
    std::string GetStartupDir() const { return Get(Folder::Startup); }
    std::string GetRecentDir() const { return Get(Folder::Recent); }
    std::string GetSendToDir() const { return Get(Folder::SendTo); }
    std::string GetStartMenuDir() const { return Get(Folder::StartMenu); }
    std::string GetMyDocumentsDir() const { return Get(Folder::Personal); }
    std::string GetMyMusicDir() const { return Get(Folder::MyMusic); }
    std::string GetMyVideosDir() const { return Get(Folder::MyVideo); }
    std::string GetFontsDir() const { return Get(Folder::Fonts); }
    std::string GetCommonStartMenuDir() const { return Get(Folder::CommonStartMenu); }
    std::string GetCommonProgramsDir() const { return Get(Folder::CommonPrograms); }
    std::string GetCommonStartupDir() const { return Get(Folder::CommonStartup); }
    std::string GetCommonDesktopDir() const { return Get(Folder::CommonDesktopDirectory); }
    std::string GetAppDataDir() const { return Get(Folder::AppData); }
    std::string GetLocalAppDataDir() const { return Get(Folder::LocalAppData); }
    std::string GetHistoryDir() const { return Get(Folder::History); }
    std::string GetCommonAppDataDir() const { return Get(Folder::CommonAppData); }
    std::string GetProgramFilesDir() const { return Get(Folder::ProgramFiles); }
    std::string GetMyPicturesDir() const { return Get(Folder::MyPictures); }
    std::string GetCommonDocumentsDir() const { return Get(Folder::CommonDocuments); }
    std::string GetCommonPicturesDir() const { return Get(Folder::CommonPictures); }
    std::string GetCommonMusicDir() const { return Get(Folder::CommonMusic); }
    std::string GetCommonVideoDir() const { return Get(Folder::CommonVideo); }
    std::string GetCommonFavoritesDir() const { return Get(Folder::CommonFavorites); }

    // Shared by every property: the folders belong to the system.
    void SetWindowsDir(const std::string&) {}

private:
    static std::string Get(Folder folder) { return platform::GetSpecialFolder(folder); }
};

} // namespace lorivex
