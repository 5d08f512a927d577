#include "platform/FileSystem.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/CodePages.h"
#include "base/Exception.h"

namespace fs = std::filesystem;

namespace lorivex::platform {

namespace {

// Paths inside the system are ANSI text; the file system wants its own form
// (UTF-16 on Windows, UTF-8 bytes on POSIX). The conversions are our own:
// the library's raise on a POSIX name that is not valid UTF-8, which any
// folder may hold.
fs::path ToPath(const std::string& path)
{
#ifdef _WIN32
    return fs::path(AnsiToUtf16(path));
#else
    return fs::path(AnsiToUtf8(path));
#endif
}

std::string FromPath(const fs::path& path)
{
#ifdef _WIN32
    return Utf16ToAnsi(path.u16string());
#else
    return Utf8ToAnsi(path.native());
#endif
}

bool IsDelimiter(char c)
{
#ifdef _WIN32
    return c == '\\' || c == '/' || c == ':';
#else
    return c == '/';
#endif
}

size_t LastDelimiter(const std::string& path)
{
    for (size_t i = path.size(); i > 0; --i)
        if (IsDelimiter(path[i - 1]))
            return i - 1;
    return std::string::npos;
}

} // namespace

std::string IncludeTrailingPathDelimiter(const std::string& path)
{
    if (!path.empty() && path.back() == PathDelim)
        return path;
    return path + PathDelim;
}

std::string ExcludeTrailingPathDelimiter(const std::string& path)
{
    std::string result = path;
    while (result.size() > 1 && result.back() == PathDelim)
        result.pop_back();
    return result;
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    return IncludeTrailingPathDelimiter(folder) + name;
}

std::string ExtractFilePath(const std::string& path)
{
    size_t at = LastDelimiter(path);
    return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

std::string ExtractFileName(const std::string& path)
{
    size_t at = LastDelimiter(path);
    return at == std::string::npos ? path : path.substr(at + 1);
}

std::string ExtractFileExt(const std::string& path)
{
    std::string name = ExtractFileName(path);
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ChangeFileExt(const std::string& path, const std::string& ext)
{
    std::string name = ExtractFileName(path);
    size_t dot = name.rfind('.');
    std::string base = path.substr(0, path.size() - name.size());
    return base + (dot == std::string::npos ? name : name.substr(0, dot)) + ext;
}

std::string ExpandFileName(const std::string& path)
{
    std::error_code ec;
    fs::path full = fs::absolute(ToPath(path), ec);
    if (ec)
        return path;
    return FromPath(full.lexically_normal());
}

bool FileExists(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(ToPath(path), ec);
}

std::int64_t FileSize(const std::string& path)
{
    std::error_code ec;
    auto size = fs::file_size(ToPath(path), ec);
    return ec ? -1 : std::int64_t(size);
}

bool DirectoryExists(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_directory(ToPath(path), ec);
}

bool ForceDirectories(const std::string& path)
{
    std::error_code ec;
    if (path.empty())
        return false;
    fs::create_directories(ToPath(ExcludeTrailingPathDelimiter(path)), ec);
    return DirectoryExists(path);
}

bool DeleteFile(const std::string& path)
{
    std::error_code ec;
    auto status = fs::symlink_status(ToPath(path), ec);
    if (ec || fs::is_directory(status))
        return false;
    return fs::remove(ToPath(path), ec) && !ec;
}

bool RemoveDir(const std::string& path)
{
    std::error_code ec;
    fs::path p = ToPath(ExcludeTrailingPathDelimiter(path));
    if (!fs::is_directory(fs::symlink_status(p, ec)))
        return false;
    return fs::remove(p, ec) && !ec;
}

bool CreateDirExclusive(const std::string& path)
{
    std::error_code ec;
    return fs::create_directory(ToPath(ExcludeTrailingPathDelimiter(path)), ec) && !ec;
}

std::vector<DirEntry> ListDirectory(const std::string& folder)
{
    std::vector<DirEntry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(ToPath(folder), ec), end; !ec && it != end; it.increment(ec)) {
        DirEntry entry;
        entry.Name = FromPath(it->path().filename());
        // A link to a folder is an entry of its own, never a way out of the
        // tree; the library cannot tell a Windows junction from a folder,
        // the platform can.
        auto status = it->symlink_status(ec);
        if (ec)
            break;
        entry.IsLink = fs::is_symlink(status) || IsLink(JoinPath(folder, entry.Name));
        entry.IsDirectory = !entry.IsLink && fs::is_directory(status);
        entry.IsReadOnly = (status.permissions() & fs::perms::owner_write) == fs::perms::none;
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool ClearReadOnly(const std::string& path)
{
    std::error_code ec;
    fs::permissions(ToPath(path), fs::perms::owner_write, fs::perm_options::add | fs::perm_options::nofollow, ec);
    return !ec;
}

bool SetReadOnly(const std::string& path)
{
    std::error_code ec;
    fs::permissions(ToPath(path), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove | fs::perm_options::nofollow, ec);
    return !ec;
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(ToPath(path), std::ios::binary);
    if (!in)
        throw Exception("Cannot open file \"" + path + "\" for reading.");
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw Exception("Cannot read file \"" + path + "\".");
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    fs::path target = ToPath(path);
    fs::path temp = target;
    temp += ".lxtmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            throw Exception("Cannot create file \"" + path + "\".");
        out.write(bytes.data(), std::streamsize(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            throw Exception("Cannot write file \"" + path + "\" (disk full?).");
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw Exception("Cannot replace file \"" + path + "\": " + ec.message() + ".");
    }
}

std::string GetCurrentDir()
{
    std::error_code ec;
    return FromPath(fs::current_path(ec));
}

void SetCurrentDir(const std::string& path)
{
    std::error_code ec;
    fs::current_path(ToPath(path), ec);
    if (ec)
        throw Exception("Cannot change to folder \"" + path + "\": " + ec.message() + ".");
}

} // namespace lorivex::platform
