#pragma once
// The files of a folder in one file, and back: what the test help compiler
// (FakeHelpCompiler) leaves as the "compiled" help file on Windows, where no
// real compiler runs, so that the end-to-end tests read the pages, contents,
// index and project that a real compiler would have been given.
//
// The format: the line "LORIVEX FOLDER ARCHIVE", then per file its path
// relative to the folder (sub-folders joined with '/') on a line, its size
// in bytes on a line, and its bytes.
#include <map>
#include <string>

#include "platform/FileSystem.h"

namespace lorivex::test {

inline constexpr char FolderArchiveMagic[] = "LORIVEX FOLDER ARCHIVE\n";

inline void PackFolderInto(std::string& archive, const std::string& folder, const std::string& prefix)
{
    for (const auto& entry : platform::ListDirectory(folder)) {
        std::string path = platform::JoinPath(folder, entry.Name);
        if (entry.IsDirectory) {
            PackFolderInto(archive, path, prefix + entry.Name + "/");
        } else if (!entry.IsLink) {
            std::string bytes = platform::ReadFileBytes(path);
            archive += prefix + entry.Name + "\n" + std::to_string(bytes.size()) + "\n" + bytes;
        }
    }
}

inline std::string PackFolder(const std::string& folder)
{
    std::string archive = FolderArchiveMagic;
    PackFolderInto(archive, folder, "");
    return archive;
}

// The files by their path with a leading '/' ("/index.hhk"), as 7-Zip
// names the files of a compiled help file; empty when the bytes are no
// such archive or are cut short.
inline std::map<std::string, std::string> UnpackFolderArchive(const std::string& archive)
{
    std::map<std::string, std::string> files;
    const std::string magic = FolderArchiveMagic;
    if (archive.compare(0, magic.size(), magic) != 0)
        return files;
    size_t at = magic.size();
    while (at < archive.size()) {
        size_t nameEnd = archive.find('\n', at);
        size_t sizeEnd = nameEnd == std::string::npos ? nameEnd : archive.find('\n', nameEnd + 1);
        if (sizeEnd == std::string::npos)
            return {};
        std::string name = archive.substr(at, nameEnd - at);
        size_t size = std::stoul(archive.substr(nameEnd + 1, sizeEnd - nameEnd - 1));
        if (archive.size() - (sizeEnd + 1) < size)
            return {};
        files["/" + name] = archive.substr(sizeEnd + 1, size);
        at = sizeEnd + 1 + size;
    }
    return files;
}

} // namespace lorivex::test
