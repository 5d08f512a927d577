#pragma once
// Registration's Windows-only steps: the type library embedded in the DLL,
// whether a host application's ProgID resolves to a class, 8.3 paths, and
// Word through automation for taking the toolbar out at unregistration.
#include "host/HostServerPlatform.h"

namespace lorivex::hostcom {

class TWin32ServerPlatform : public THostServerPlatform {
public:
    TWin32ServerPlatform();
    ~TWin32ServerPlatform() override;
    TWin32ServerPlatform(const TWin32ServerPlatform&) = delete;
    TWin32ServerPlatform& operator=(const TWin32ServerPlatform&) = delete;

    void RegisterTypeLibrary(const std::string& dllPath, const std::string& helpFolder) override;
    void UnregisterTypeLibrary() override;
    bool IsInstalled(const std::string& hostProgId) override;
    std::string ShortPathName(const std::string& path) override;
    AttachedHost AttachHost(const std::string& hostProgId) override;

private:
    bool comInitialised_ = false;
};

} // namespace lorivex::hostcom
