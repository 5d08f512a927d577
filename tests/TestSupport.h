#pragma once
// Shared helpers of the tests: scratch folders that clean up after
// themselves, and environment variables set for one scope.
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace lorivex::test {

// A new empty folder under the system's temporary folder, removed with all
// its contents when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return path_; } // no trailing delimiter
    std::string operator/(const std::string& name) const;

private:
    std::string path_;
};

// Environment variables set for one scope: every variable changed through
// it has its old value (or its absence) back at the end.
class ScopedEnv {
public:
    ScopedEnv() = default;
    // Sets one variable (or with nullptr unsets it).
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

    void Set(const std::string& name, const std::string& value);
    void Unset(const std::string& name);
    // The C locale with no code page override, whatever the machine running
    // the tests has: where the locale tests start from.
    void UseCLocale();

    // True when the C library has the locale, so that its data can be read.
    static bool LocaleInstalled(const std::string& localeName);

private:
    void Save(const std::string& name);
    std::map<std::string, std::optional<std::string>> saved_;
};

// Settings of their own for one scope, so that nothing is read from or
// left to the settings of other tests or of the user: on POSIX the registry
// hives go to a new folder (XDG_CONFIG_HOME); on Windows the hives the
// system writes (HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT)
// stand, in this process, for new keys of the real HKEY_CURRENT_USER,
// removed at the end with all they hold. Scopes may nest. (A child process
// has the real registry of the build's Wine prefix.)
class ScopedSettings {
public:
    ScopedSettings();
    ~ScopedSettings();
    ScopedSettings(const ScopedSettings&) = delete;
    ScopedSettings& operator=(const ScopedSettings&) = delete;
    const TempFolder& Folder() const { return folder_; }

private:
    TempFolder folder_;
    ScopedEnv env_;
#ifdef _WIN32
    std::string key_;
#endif
};

// The environment variable the system's temporary folder comes from: a
// test sets it to give a run a temporary folder of its own.
#ifdef _WIN32
inline constexpr char TempFolderVariable[] = "TMP"; // GetTempPath looks here first
#else
inline constexpr char TempFolderVariable[] = "TMPDIR";
#endif

#ifndef _WIN32
// Runs the body in a child process without the superuser's privileges (as
// "nobody" when the tests run as root), so that permissions stop it as they
// stop any user; returns what the body returned, or a text telling how the
// child ended otherwise. Files it must reach need permissions for others.
std::string RunUnprivileged(const std::function<std::string()>& body);
// The command prefix that runs a program the same way.
std::string UnprivilegedPrefix();
#endif

void WriteTextFile(const std::string& path, const std::string& text);

} // namespace lorivex::test
