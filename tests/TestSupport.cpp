#include "TestSupport.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <vector>
#ifndef _WIN32
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#endif
#ifndef _WIN32
#include <locale.h>
#endif

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

ScopedEnv::ScopedEnv(const char* name, const char* value)
{
    if (value)
        Set(name, value);
    else
        Unset(name);
}

ScopedEnv::~ScopedEnv()
{
    for (const auto& [name, value] : saved_)
        SetEnv(name.c_str(), value ? value->c_str() : nullptr);
}

#ifdef _WIN32

namespace {

// The hives the system's settings go to; each stands for a key of its own
// in a scope.
const HKEY SettingsHives[] = {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT};
const wchar_t* const SettingsHiveNames[] = {L"CurrentUser", L"LocalMachine", L"ClassesRoot"};
constexpr size_t SettingsHiveCount = std::size(SettingsHives);

// The keys standing for the hives, per scope, innermost last.
std::vector<std::array<HKEY, SettingsHiveCount>>& SettingsKeys()
{
    static std::vector<std::array<HKEY, SettingsHiveCount>> keys;
    return keys;
}

void StandIn(const std::array<HKEY, SettingsHiveCount>* keys)
{
    for (size_t i = 0; i < SettingsHiveCount; ++i)
        RegOverridePredefKey(SettingsHives[i], keys ? (*keys)[i] : nullptr);
}

} // namespace

ScopedSettings::ScopedSettings()
    : env_("XDG_CONFIG_HOME", folder_.Path().c_str()), key_("Software\\LorivexTests\\" + platform::NewGuidString())
{
    // Made under HKEY_CURRENT_USER as it stands now: inside the key of an
    // enclosing scope, if there is one.
    std::array<HKEY, SettingsHiveCount> keys{};
    for (size_t i = 0; i < SettingsHiveCount; ++i) {
        std::wstring name = platform::win32::Widen(key_) + L"\\" + SettingsHiveNames[i];
        if (RegCreateKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                            nullptr, &keys[i], nullptr) != ERROR_SUCCESS) {
            for (size_t made = 0; made < i; ++made)
                RegCloseKey(keys[made]);
            RegDeleteTreeW(HKEY_CURRENT_USER, platform::win32::Widen(key_).c_str());
            throw std::runtime_error("cannot create the scratch key HKEY_CURRENT_USER\\" + key_);
        }
    }
    SettingsKeys().push_back(keys);
    StandIn(&SettingsKeys().back());
}

ScopedSettings::~ScopedSettings()
{
    auto& keys = SettingsKeys();
    for (HKEY key : keys.back())
        RegCloseKey(key);
    keys.pop_back();
    StandIn(keys.empty() ? nullptr : &keys.back());
    RegDeleteTreeW(HKEY_CURRENT_USER, platform::win32::Widen(key_).c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\LorivexTests"); // only when nothing else is left in it
}

#else

ScopedSettings::ScopedSettings() : env_("XDG_CONFIG_HOME", folder_.Path().c_str()) {}

ScopedSettings::~ScopedSettings() = default;

#endif

void ScopedEnv::Save(const std::string& name)
{
    if (saved_.count(name))
        return;
    const char* value = std::getenv(name.c_str());
    saved_[name] = value ? std::optional<std::string>(value) : std::nullopt;
}

void ScopedEnv::Set(const std::string& name, const std::string& value)
{
    Save(name);
    SetEnv(name.c_str(), value.c_str());
}

void ScopedEnv::Unset(const std::string& name)
{
    Save(name);
    SetEnv(name.c_str(), nullptr);
}

void ScopedEnv::UseCLocale()
{
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LC_TIME", "LC_COLLATE", "LANG", "LORIVEX_ANSI_CODEPAGE"})
        Unset(name);
    Set("LC_ALL", "C");
}

bool ScopedEnv::LocaleInstalled(const std::string& localeName)
{
#ifdef _WIN32
    (void)localeName;
    return false;
#else
    locale_t l = newlocale(LC_CTYPE_MASK | LC_TIME_MASK, localeName.c_str(), locale_t(nullptr));
    if (l)
        freelocale(l);
    return l != locale_t(nullptr);
#endif
}

#ifndef _WIN32
namespace {

constexpr uid_t Nobody = 65534;

void DropPrivileges()
{
    if (geteuid() != 0)
        return;
    if (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0)
        _exit(125);
}

} // namespace

std::string RunUnprivileged(const std::function<std::string()>& body)
{
    int channel[2];
    if (pipe(channel) != 0)
        return "no pipe";
    pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        DropPrivileges();
        std::string result;
        try {
            result = body();
        } catch (const std::exception& e) {
            result = std::string("failure: ") + e.what();
        }
        for (size_t done = 0; done < result.size();) {
            ssize_t n = write(channel[1], result.data() + done, result.size() - done);
            if (n <= 0)
                break;
            done += size_t(n);
        }
        _exit(0);
    }
    close(channel[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, size_t(n));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "the child ended with status " + std::to_string(status);
    return result;
}

std::string UnprivilegedPrefix()
{
    return geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
}
#endif

void WriteTextFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace lorivex::test
