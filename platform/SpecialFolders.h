#pragma once
// The shell's special folders. Every answer is a folder path without a
// trailing delimiter, or the empty string when the system has no such folder.
#include <string>

namespace lorivex::platform {

enum class SpecialFolder {
    Windows, System, DesktopDirectory, Programs, Personal, Favorites, Startup, Recent,
    SendTo, StartMenu, MyMusic, MyVideo, Fonts, CommonStartMenu, CommonPrograms,
    CommonStartup, CommonDesktopDirectory, AppData, LocalAppData, History,
    CommonAppData, ProgramFiles, MyPictures, CommonDocuments, CommonPictures,
    CommonMusic, CommonVideo, CommonFavorites
};

std::string GetSpecialFolder(SpecialFolder folder);
// The user's temporary folder, ending with the path delimiter.
std::string GetTempPath();

} // namespace lorivex::platform
