#pragma once
// Shared helpers of the tests: scratch folders that clean up after
// themselves, and environment variables set for one scope.
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

// Sets (or with nullptr unsets) an environment variable and puts the old
// value back at the end of the scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::string old_;
    bool hadOld_ = false;
};

// Settings of their own for the tests of one scope, so that what one test
// stores is never what the next one reads: on POSIX the registry hives go to
// a scratch folder ($XDG_CONFIG_HOME); on Windows HKEY_CURRENT_USER stands
// for a scratch key of the real one, removed at the end. (Windows allows
// one such stand-in at a time: scopes must not nest there.)
class ScopedSettings {
public:
    ScopedSettings();
    ~ScopedSettings();
    ScopedSettings(const ScopedSettings&) = delete;
    ScopedSettings& operator=(const ScopedSettings&) = delete;

private:
#ifdef _WIN32
    std::string key_;
#else
    TempFolder folder_;
    ScopedEnv config_;
#endif
};

// The environment variable the system's temporary folder comes from: a
// test sets it to give a run a temporary folder of its own.
#ifdef _WIN32
inline constexpr char TempFolderVariable[] = "TMP"; // GetTempPath looks here first
#else
inline constexpr char TempFolderVariable[] = "TMPDIR";
#endif

void WriteTextFile(const std::string& path, const std::string& text);

} // namespace lorivex::test
