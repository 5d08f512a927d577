#include "compiler/TextFile.h"

#include "platform/FileSystem.h"

namespace lorivex {

void SaveLines(const std::string& path, const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    platform::WriteFileBytes(path, bytes);
}

std::string Block(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text += (text.empty() ? "" : "\r\n") + std::string(line);
    return text;
}

} // namespace lorivex
