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

void WriteTextFile(const std::string& path, const std::string& text);

} // namespace lorivex::test
