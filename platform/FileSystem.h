#pragma once
// Files and folders, with paths as ANSI text in the platform's form.
#include <cstdint>
#include <string>
#include <vector>

namespace lorivex::platform {

#ifdef _WIN32
inline constexpr char PathDelim = '\\';
#else
inline constexpr char PathDelim = '/';
#endif

std::string IncludeTrailingPathDelimiter(const std::string& path);
std::string ExcludeTrailingPathDelimiter(const std::string& path);
// The one way to join a folder and a name.
std::string JoinPath(const std::string& folder, const std::string& name);
// Folder part with its trailing delimiter ("" when there is none).
std::string ExtractFilePath(const std::string& path);
std::string ExtractFileName(const std::string& path);
std::string ExtractFileExt(const std::string& path); // ".chm"
std::string ChangeFileExt(const std::string& path, const std::string& ext);
// The full path of a path given relative to the current folder, with "."
// and ".." resolved; on Windows with its drive (a path from the root gets
// the current drive's letter).
std::string ExpandFileName(const std::string& path);

bool FileExists(const std::string& path);      // a file, not a folder
// The size of a file in bytes; -1 when there is no such file.
std::int64_t FileSize(const std::string& path);
bool DirectoryExists(const std::string& path);
bool ForceDirectories(const std::string& path); // creates missing parents
bool DeleteFile(const std::string& path);
bool RemoveDir(const std::string& path);       // an empty folder
// Creates the folder only when it does not exist yet; false when it did.
bool CreateDirExclusive(const std::string& path);

struct DirEntry {
    std::string Name;
    bool IsDirectory = false; // a real folder, never a link to one
    bool IsLink = false;      // a symbolic link, or on Windows any reparse point (a junction)
    bool IsReadOnly = false;
};
// Every entry of a folder except "." and ".."; empty when it cannot be read.
std::vector<DirEntry> ListDirectory(const std::string& folder);
// The entries of a folder whose names match a pattern of * and ?, without
// regard to case, in the order the file system gives them, as Windows finds
// them: there a pattern with a three-letter extension also matches longer
// extensions through the short names ("*.doc" finds Manual.docx), and POSIX
// lists the same. Folders are entries too. Empty when the folder cannot be
// read.
std::vector<DirEntry> FindFiles(const std::string& folder, const std::string& pattern);
// Whether the entry is a link of any kind rather than what it points to.
bool IsLink(const std::string& path);
// Removes a link itself, never what it points to.
bool DeleteLink(const std::string& path);
bool ClearReadOnly(const std::string& path);
bool SetReadOnly(const std::string& path);

// Whole-file reads and writes of bytes. WriteFileBytes raises an Exception
// naming the file when it cannot be written; it writes to a temporary file
// beside the target and renames it, so the old file survives a failure.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

std::string GetCurrentDir();
void SetCurrentDir(const std::string& path);

} // namespace lorivex::platform
