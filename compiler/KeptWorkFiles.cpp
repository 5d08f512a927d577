#include "compiler/KeptWorkFiles.h"

#include "base/Exception.h"
#include "platform/FileSystem.h"

namespace lorivex {

namespace {

std::string& Kept()
{
    static std::string folder;
    return folder;
}

void CopyFolder(const std::string& from, const std::string& to)
{
    if (!platform::DirectoryExists(to) && !platform::ForceDirectories(to))
        throw Exception("Cannot create the folder \"" + to + "\" for the work files.");
    for (const auto& entry : platform::ListDirectory(from)) {
        const std::string source = platform::JoinPath(from, entry.Name);
        const std::string target = platform::JoinPath(to, entry.Name);
        if (entry.IsDirectory)
            CopyFolder(source, target);
        else if (!entry.IsLink)
            platform::WriteFileBytes(target, platform::ReadFileBytes(source));
    }
}

} // namespace

void SetKeptWorkFolder(const std::string& folder)
{
    Kept() = folder;
}

const std::string& KeptWorkFolder()
{
    return Kept();
}

void KeepWorkFiles(const std::string& workFolder)
{
    if (!Kept().empty())
        CopyFolder(workFolder, Kept());
}

} // namespace lorivex
