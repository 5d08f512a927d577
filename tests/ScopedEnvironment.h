#pragma once
// Tests steer the locale and code page choices through the environment, as
// a user does; this puts every variable they touch back afterwards.
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include <locale.h>

namespace lorivex::test {

class ScopedEnvironment {
public:
    // Starts from the C locale with no code page override, whatever the
    // machine running the tests has.
    ScopedEnvironment()
    {
        for (const char* name : {"LC_ALL", "LC_CTYPE", "LC_TIME", "LANG", "LORIVEX_ANSI_CODEPAGE"})
            Unset(name);
        Set("LC_ALL", "C");
    }
    ~ScopedEnvironment()
    {
        for (const auto& [name, value] : saved_) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    void Set(const std::string& name, const std::string& value)
    {
        Save(name);
        setenv(name.c_str(), value.c_str(), 1);
    }
    void Unset(const std::string& name)
    {
        Save(name);
        unsetenv(name.c_str());
    }

    // True when the C library has the locale, so that its data can be read.
    static bool Installed(const std::string& localeName)
    {
        locale_t l = newlocale(LC_CTYPE_MASK | LC_TIME_MASK, localeName.c_str(), locale_t(nullptr));
        if (l)
            freelocale(l);
        return l != locale_t(nullptr);
    }

private:
    void Save(const std::string& name)
    {
        if (saved_.count(name))
            return;
        const char* value = std::getenv(name.c_str());
        saved_[name] = value ? std::optional<std::string>(value) : std::nullopt;
    }

    std::map<std::string, std::optional<std::string>> saved_;
};

} // namespace lorivex::test
