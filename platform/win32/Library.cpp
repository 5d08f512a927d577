#include "platform/Library.h"

#include "platform/win32/Win32Api.h"

namespace lorivex::platform {

namespace {

class Win32Library : public Library {
public:
    explicit Win32Library(win32::UniqueModule module) : module_(std::move(module)) {}

    void* GetProcAddress(const std::string& name) override
    {
        return reinterpret_cast<void*>(::GetProcAddress(module_.get(), name.c_str()));
    }

private:
    win32::UniqueModule module_;
};

} // namespace

std::unique_ptr<Library> LoadLibrary(const std::string& nameOrPath)
{
    win32::UniqueModule module(LoadLibraryW(win32::Widen(nameOrPath).c_str()));
    if (!module)
        return nullptr;
    return std::make_unique<Win32Library>(std::move(module));
}

} // namespace lorivex::platform
