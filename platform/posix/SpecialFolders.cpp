#include "platform/SpecialFolders.h"

#include <cstdlib>
#include <fstream>

#include "platform/CodePages.h"
#include "platform/FileSystem.h"

namespace lorivex::platform {

namespace {

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string Home()
{
    return Env("HOME");
}

std::string XdgBase(const char* variable, const char* fallbackBelowHome)
{
    std::string value = Env(variable);
    if (!value.empty() && value[0] == '/')
        return value;
    return Home().empty() ? std::string() : Home() + fallbackBelowHome;
}

// The XDG user folder named by KEY in user-dirs.dirs ("$HOME/Documents"
// style), or $HOME/fallback when the file does not name it.
std::string XdgUserDir(const std::string& key, const std::string& fallback)
{
    std::ifstream in(XdgBase("XDG_CONFIG_HOME", "/.config") + "/user-dirs.dirs");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key + "=", 0) != 0)
            continue;
        std::string value = line.substr(key.size() + 1);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0)
            value = Home() + value.substr(5);
        if (!value.empty() && value[0] == '/')
            return value;
    }
    return Home().empty() ? std::string() : Home() + "/" + fallback;
}

// What the shell would answer: the folder when it exists, else nothing.
std::string Existing(const std::string& utf8Path)
{
    std::string path = Utf8ToAnsi(utf8Path);
    return DirectoryExists(path) ? ExcludeTrailingPathDelimiter(path) : std::string();
}

} // namespace

std::string GetSpecialFolder(SpecialFolder folder)
{
    switch (folder) {
    case SpecialFolder::Personal: {
        // Documents is where a never-saved document's help file goes; XDG's
        // rule for a user folder that is missing is the home folder.
        std::string documents = Existing(XdgUserDir("XDG_DOCUMENTS_DIR", "Documents"));
        return documents.empty() ? Existing(Home()) : documents;
    }
    case SpecialFolder::DesktopDirectory: return Existing(XdgUserDir("XDG_DESKTOP_DIR", "Desktop"));
    case SpecialFolder::MyMusic: return Existing(XdgUserDir("XDG_MUSIC_DIR", "Music"));
    case SpecialFolder::MyVideo: return Existing(XdgUserDir("XDG_VIDEOS_DIR", "Videos"));
    case SpecialFolder::MyPictures: return Existing(XdgUserDir("XDG_PICTURES_DIR", "Pictures"));
    case SpecialFolder::Programs:
    case SpecialFolder::StartMenu: return Existing(XdgBase("XDG_DATA_HOME", "/.local/share") + "/applications");
    case SpecialFolder::Startup: return Existing(XdgBase("XDG_CONFIG_HOME", "/.config") + "/autostart");
    case SpecialFolder::Fonts: return Existing(XdgBase("XDG_DATA_HOME", "/.local/share") + "/fonts");
    case SpecialFolder::CommonStartMenu:
    case SpecialFolder::CommonPrograms: return Existing("/usr/share/applications");
    case SpecialFolder::CommonStartup: return Existing("/etc/xdg/autostart");
    case SpecialFolder::AppData: return Existing(XdgBase("XDG_CONFIG_HOME", "/.config"));
    case SpecialFolder::LocalAppData: return Existing(XdgBase("XDG_DATA_HOME", "/.local/share"));
    case SpecialFolder::CommonAppData: return Existing("/etc/xdg");
    case SpecialFolder::ProgramFiles: return Existing("/usr/bin");
    case SpecialFolder::Windows:
    case SpecialFolder::System:
    case SpecialFolder::Favorites:
    case SpecialFolder::Recent:
    case SpecialFolder::SendTo:
    case SpecialFolder::CommonDesktopDirectory:
    case SpecialFolder::History:
    case SpecialFolder::CommonDocuments:
    case SpecialFolder::CommonPictures:
    case SpecialFolder::CommonMusic:
    case SpecialFolder::CommonVideo:
    case SpecialFolder::CommonFavorites:
        break; // no counterpart on this system
    }
    return {};
}

std::string GetTempPath()
{
    std::string dir = Env("TMPDIR");
    if (dir.empty() || !DirectoryExists(Utf8ToAnsi(dir)))
        dir = "/tmp";
    return IncludeTrailingPathDelimiter(Utf8ToAnsi(dir));
}

} // namespace lorivex::platform
