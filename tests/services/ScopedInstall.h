#pragma once
// An installed add-in for one test: a copy of the test program (stamped with
// the project's version) under the add-in binary's name in a scratch folder,
// registered as the add-in's server, as an installer would leave it.
#include <filesystem>

#include "TestSupport.h"
#include "platform/Registry.h"
#include "platform/Versions.h"
#include "services/LorivexUtils.h"

namespace lorivex::test {

class ScopedInstall {
public:
    ScopedInstall()
    {
        std::filesystem::copy_file(platform::ProgramPath(), Binary());
        platform::GetRegistry().WriteString(platform::RootKey::ClassesRoot, AddInServerKey(), "", Binary());
    }
    ~ScopedInstall() { Unregister(); }
    ScopedInstall(const ScopedInstall&) = delete;
    ScopedInstall& operator=(const ScopedInstall&) = delete;

    std::string Binary() const { return folder_ / platform::AddInBinaryName(); }
    static void Unregister()
    {
        platform::GetRegistry().DeleteKey(platform::RootKey::ClassesRoot, std::string("CLSID\\") + AddInClsid);
    }

private:
    TempFolder folder_;
};

} // namespace lorivex::test
