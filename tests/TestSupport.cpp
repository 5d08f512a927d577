#include "TestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

#include "platform/FileSystem.h"
#include "platform/Guid.h"
#include "platform/SpecialFolders.h"

#ifdef _WIN32
#include "platform/win32/Win32Api.h"
#endif

namespace lorivex::test {

namespace fs = std::filesystem;

TempFolder::TempFolder()
{
    std::random_device random;
    for (;;) {
        path_ = platform::GetTempPath() + "lvxtest" + std::to_string(random());
        if (platform::CreateDirExclusive(path_))
            return;
    }
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    // Read-only entries must not keep a scratch folder alive.
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add | fs::perm_options::nofollow, ec);
    fs::remove_all(path_, ec);
}

std::string TempFolder::operator/(const std::string& name) const
{
    return platform::JoinPath(path_, name);
}

#ifdef _WIN32
static int SetEnv(const char* name, const char* value) { return _putenv_s(name, value ? value : ""); }
#else
static int SetEnv(const char* name, const char* value)
{
    return value ? setenv(name, value, 1) : unsetenv(name);
}
#endif

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name)
{
    if (const char* old = std::getenv(name)) {
        hadOld_ = true;
        old_ = old;
    }
    SetEnv(name, value);
}

ScopedEnv::~ScopedEnv()
{
    SetEnv(name_.c_str(), hadOld_ ? old_.c_str() : nullptr);
}

#ifdef _WIN32

ScopedSettings::ScopedSettings() : key_("Software\\LorivexTests\\" + platform::NewGuidString())
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, platform::win32::Widen(key_).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create the scratch key HKEY_CURRENT_USER\\" + key_);
    // The system keeps a handle of its own to the stand-in.
    LSTATUS status = RegOverridePredefKey(HKEY_CURRENT_USER, key);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        throw std::runtime_error("HKEY_CURRENT_USER cannot be redirected to a scratch key");
}

ScopedSettings::~ScopedSettings()
{
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegDeleteTreeW(HKEY_CURRENT_USER, platform::win32::Widen(key_).c_str());
}

#else

ScopedSettings::ScopedSettings() : config_("XDG_CONFIG_HOME", folder_.Path().c_str()) {}

ScopedSettings::~ScopedSettings() = default;

#endif

void WriteTextFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace lorivex::test
