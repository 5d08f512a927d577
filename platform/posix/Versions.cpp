#include "platform/Versions.h"

#include <climits>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

#include "platform/CodePages.h"

namespace lorivex::platform {

namespace {

// Our binaries carry "LXFILEVERSION=a.b.c.d;" (see cmake/version_stamp.cpp.in).
// The reader's own copy of the tag is not followed by a version, so the first
// occurrence that parses is the stamp.
constexpr char Tag[] = "LXFILEVERSION=";

std::optional<FileVersion> ParseAt(const std::string& bytes, size_t at)
{
    unsigned parts[4] = {};
    size_t i = at;
    for (int part = 0; part < 4; ++part) {
        size_t digits = 0;
        unsigned long value = 0;
        while (i < bytes.size() && bytes[i] >= '0' && bytes[i] <= '9' && digits < 6) {
            value = value * 10 + unsigned(bytes[i] - '0');
            ++i;
            ++digits;
        }
        if (digits == 0 || value > 0xFFFF)
            return std::nullopt;
        parts[part] = unsigned(value);
        char expected = part < 3 ? '.' : ';';
        if (i >= bytes.size() || bytes[i] != expected)
            return std::nullopt;
        ++i;
    }
    return FileVersion{uint16_t(parts[0]), uint16_t(parts[1]), uint16_t(parts[2]), uint16_t(parts[3])};
}

} // namespace

std::optional<FileVersion> GetFileVersion(const std::string& fileName)
{
    std::ifstream in(AnsiToUtf8(fileName), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string tag(Tag);
    for (size_t at = bytes.find(tag); at != std::string::npos; at = bytes.find(tag, at + 1))
        if (auto version = ParseAt(bytes, at + tag.size()))
            return version;
    return std::nullopt;
}

std::string ProgramPath()
{
    char buffer[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return {};
    return Utf8ToAnsi(std::string(buffer, size_t(length)));
}

std::string AddInBinaryName()
{
    return "lorivex";
}

} // namespace lorivex::platform
