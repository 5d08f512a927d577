#pragma once
// What only Windows can do for registration, supplied by the COM server
// (host/com): the type library, whether a host application is installed,
// the short form of a path, and a running (or started) Word to take the
// toolbar out of at unregistration.
#include <string>

#include "services/word/Forward.h"

namespace lorivex {

class THostServerPlatform {
public:
    virtual ~THostServerPlatform() = default;

    // Registers the type library embedded in the DLL (resource TYPELIB 1).
    virtual void RegisterTypeLibrary(const std::string& dllPath, const std::string& helpFolder) = 0;
    // Unregisters it where the system offers UnRegisterTypeLib.
    virtual void UnregisterTypeLibrary() = 0;
    // The ProgID ("Word.Application") resolves to a class on this computer.
    virtual bool IsInstalled(const std::string& hostProgId) = 0;
    // The 8.3 form of an existing path.
    virtual std::string ShortPathName(const std::string& path) = 0;

    struct AttachedHost {
        word::ApplicationPtr Application;
        bool Started = false; // started for this: quit when done
    };
    // The running instance (the active object), or a new one.
    virtual AttachedHost AttachHost(const std::string& hostProgId) = 0;
};

} // namespace lorivex
