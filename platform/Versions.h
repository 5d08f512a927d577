#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace lorivex::platform {

struct FileVersion {
    uint16_t Major = 0, Minor = 0, Release = 0, Build = 0;
};

// The four-part file version stamped into a binary; nullopt when the file has
// none or cannot be read.
std::optional<FileVersion> GetFileVersion(const std::string& fileName);

// Full path of the running program.
std::string ProgramPath();

// File name of the binary that carries the add-in's code and version:
// "Lorivex.dll" on Windows, the lorivex program itself on POSIX.
std::string AddInBinaryName();

} // namespace lorivex::platform
