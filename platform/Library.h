#pragma once
// Loading a library by name or path and looking up an entry point.
#include <memory>
#include <string>

namespace lorivex::platform {

class Library {
public:
    virtual ~Library() = default; // unloads
    // nullptr when the library has no such entry point.
    virtual void* GetProcAddress(const std::string& name) = 0;
};

// nullptr when the library cannot be loaded.
std::unique_ptr<Library> LoadLibrary(const std::string& nameOrPath);

} // namespace lorivex::platform
