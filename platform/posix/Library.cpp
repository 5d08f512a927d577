#include "platform/Library.h"

#include <dlfcn.h>

namespace lorivex::platform {

namespace {

class PosixLibrary : public Library {
public:
    explicit PosixLibrary(void* handle) : handle_(handle) {}
    ~PosixLibrary() override { dlclose(handle_); }
    void* GetProcAddress(const std::string& name) override { return dlsym(handle_, name.c_str()); }

private:
    void* handle_;
};

} // namespace

std::unique_ptr<Library> LoadLibrary(const std::string& nameOrPath)
{
    void* handle = dlopen(nameOrPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    return std::make_unique<PosixLibrary>(handle);
}

} // namespace lorivex::platform
