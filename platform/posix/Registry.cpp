// The registry on POSIX: one REGEDIT4 file per hive under
// $XDG_CONFIG_HOME/lorivex/. Every call reads the file afresh, so several
// processes (the command, a test, a second command) see one another's changes.
#include "platform/Registry.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <system_error>
#include <utility>

#include "platform/posix/RegFile.h"
#include "base/Exception.h"
#include "platform/DurableFile.h"
#include "platform/FileSystem.h"

namespace lorivex::platform {

namespace {

// A hive that cannot be written, told apart from a damaged one: CreateKey
// answers false for the first and passes the second on.
class EHiveWrite : public Exception {
public:
    using Exception::Exception;
};

std::string ErrorText(int err)
{
    return std::system_category().message(err);
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept
    {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ~FileDescriptor() { Close(); }

    int Get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Returns the errno of a failed close: on some file systems a write
    // error shows only there.
    int Close()
    {
        if (fd_ < 0)
            return 0;
        int result = ::close(std::exchange(fd_, -1));
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    passwd entry{};
    passwd* found = nullptr;
    std::string buffer(16384, '\0');
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir && *found->pw_dir)
        return found->pw_dir;
    throw Exception("The registry files cannot be found: neither XDG_CONFIG_HOME nor HOME "
                    "is set, and the user has no home folder");
}

struct HiveFiles {
    std::string RootName;
    std::string Folder;
    std::string Hive;
    std::string Lock;
};

HiveFiles Locate(RootKey root)
{
    // The base directory rules say a relative XDG_CONFIG_HOME is to be ignored.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string base = (xdg && xdg[0] == '/') ? std::string(xdg) : JoinPath(HomeFolder(), ".config");
    HiveFiles files;
    files.RootName = RootKeyName(root);
    files.Folder = JoinPath(base, "lorivex");
    files.Hive = JoinPath(files.Folder, files.RootName + ".reg");
    files.Lock = JoinPath(files.Folder, files.RootName + ".lock");
    return files;
}

std::string CannotWrite(const HiveFiles& files, const std::string& reason)
{
    return "Cannot write the registry file " + files.Hive + ": " + reason;
}

void MakeFolders(const HiveFiles& files)
{
    const std::string& folder = files.Folder;
    struct stat info {};
    // Walking up is only for the first write: mkdir on a folder that exists
    // can fail for want of rights that nobody needs here.
    if (::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return;
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        std::string part = folder.substr(0, slash);
        // Settings are private to the user, as the base directory rules ask.
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            throw EHiveWrite(CannotWrite(files, "cannot create the folder " + part + ": " +
                                                    ErrorText(errno)));
        if (slash == std::string::npos)
            break;
    }
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        throw EHiveWrite(CannotWrite(files, folder + " is not a folder"));
}

// The lock lives in a file of its own because a write replaces the hive file:
// a lock held on the old file would not keep out a process that opened the
// new one. flock locks belong to the open file, so threads of one process
// exclude one another as processes do.
FileDescriptor LockHive(const HiveFiles& files, bool exclusive)
{
    FileDescriptor lock(::open(files.Lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (!lock) {
        if (exclusive)
            throw EHiveWrite(CannotWrite(files, "cannot open the lock file " + files.Lock +
                                                    ": " + ErrorText(errno)));
        // A reader that cannot lock (no folder yet, or one it may not write
        // to) still reads a whole file: writers replace the hive by renaming.
        lock = FileDescriptor(::open(files.Lock.c_str(), O_RDONLY | O_CLOEXEC));
        if (!lock)
            return lock;
    }
    while (::flock(lock.Get(), exclusive ? LOCK_EX : LOCK_SH) != 0) {
        if (errno == EINTR)
            continue;
        if (exclusive)
            throw EHiveWrite(CannotWrite(files, "cannot lock " + files.Lock + ": " +
                                                    ErrorText(errno)));
        break;
    }
    return lock;
}

HiveKey Load(const HiveFiles& files)
{
    FileDescriptor file(::open(files.Hive.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file) {
        if (errno == ENOENT || errno == ENOTDIR)
            return HiveKey(files.RootName);
        throw Exception("Cannot read the registry file " + files.Hive + ": " + ErrorText(errno));
    }
    std::string text;
    char buffer[65536];
    for (;;) {
        ssize_t count = ::read(file.Get(), buffer, sizeof buffer);
        if (count == 0)
            break;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            throw Exception("Cannot read the registry file " + files.Hive + ": " +
                            ErrorText(errno));
        }
        text.append(buffer, size_t(count));
    }
    return ParseHive(text, files.RootName, files.Hive);
}

// Whoever looks at the hive sees the old file or the new one, whole, even
// after a crash.
void Save(const HiveFiles& files, const std::string& text)
{
    try {
        ReplaceFileDurably(files.Hive, text);
    } catch (const Exception& e) {
        throw EHiveWrite(e.Message());
    }
}

// A writer killed between creating its temporary file and renaming it leaves
// the file behind. Temporary files exist only while their writer holds the
// hive's lock, so whoever holds it now may clear them away.
void RemoveLeftovers(const HiveFiles& files)
{
    const std::string prefix = files.RootName + ".reg.";
    std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(files.Folder.c_str()), ::closedir);
    if (!folder)
        return;
    while (const dirent* entry = ::readdir(folder.get())) {
        std::string_view name = entry->d_name;
        if (name.size() == prefix.size() + 6 && name.substr(0, prefix.size()) == prefix)
            ::unlink(JoinPath(files.Folder, std::string(name)).c_str());
    }
}

template <class Query>
auto Inspect(RootKey root, Query query)
{
    HiveFiles files = Locate(root);
    FileDescriptor lock = LockHive(files, false);
    const HiveKey hive = Load(files);
    return query(hive);
}

// Applies change (which answers whether it changed anything) to the hive as
// it is on disk now, under the hive's lock, so that concurrent writers never
// undo each other's work.
template <class Change>
bool Modify(RootKey root, Change change)
{
    HiveFiles files = Locate(root);
    MakeFolders(files);
    FileDescriptor lock = LockHive(files, true);
    RemoveLeftovers(files);
    HiveKey hive = Load(files);
    if (!change(hive))
        return false;
    Save(files, FormatHive(hive));
    return true;
}

// Key names go into the file as they are, inside a [section] line.
std::vector<std::string> PathToWrite(const std::string& key)
{
    std::vector<std::string> path = SplitKeyPath(key);
    for (const std::string& part : path)
        if (part.find_first_of("\r\n") != std::string::npos)
            throw Exception("The registry key name \"" + part + "\" contains a line break");
    return path;
}

class PosixRegistry final : public Registry {
protected:
    bool DoKeyExists(RootKey root, const std::string& key) override
    {
        return Inspect(root, [&](const HiveKey& hive) { return hive.Find(SplitKeyPath(key)) != nullptr; });
    }

    bool DoCanRead(RootKey root, const std::string& key) override
    {
        try {
            return DoKeyExists(root, key);
        } catch (const Exception&) {
            return false; // a hive that cannot be read
        }
    }

    bool DoCreateKey(RootKey root, const std::string& key) override
    {
        std::vector<std::string> path = PathToWrite(key);
        if (Inspect(root, [&](const HiveKey& hive) { return hive.Find(path) != nullptr; }))
            return true;
        try {
            Modify(root, [&](HiveKey& hive) {
                if (hive.Find(path))
                    return false;
                hive.Create(path);
                return true;
            });
            return true;
        } catch (const EHiveWrite&) {
            return false;
        }
    }

    bool DoDeleteKey(RootKey root, const std::string& key) override
    {
        std::vector<std::string> path = SplitKeyPath(key);
        // Deleting what is not there must not need a writable folder.
        if (!Inspect(root, [&](const HiveKey& hive) { return hive.Find(path) != nullptr; }))
            return false;
        return Modify(root, [&](HiveKey& hive) { return hive.Remove(path); });
    }

    std::vector<std::string> DoGetKeyNames(RootKey root, const std::string& key) override
    {
        return Inspect(root, [&](const HiveKey& hive) {
            std::vector<std::string> names;
            if (const HiveKey* found = hive.Find(SplitKeyPath(key)))
                for (const HiveKey& sub : found->SubKeys())
                    names.push_back(sub.Name());
            return names;
        });
    }

    std::vector<std::string> DoGetValueNames(RootKey root, const std::string& key) override
    {
        return Inspect(root, [&](const HiveKey& hive) {
            std::vector<std::string> names;
            if (const HiveKey* found = hive.Find(SplitKeyPath(key)))
                for (const HiveValue& value : found->Values())
                    names.push_back(value.Name);
            return names;
        });
    }

    StoredValue DoReadValue(RootKey root, const std::string& key, const std::string& name) override
    {
        return Inspect(root, [&](const HiveKey& hive) {
            const HiveKey* found = hive.Find(SplitKeyPath(key));
            const HiveValue* value = found ? found->FindValue(name) : nullptr;
            return value ? StoredValue{value->Kind, false, value->Text, value->DWord} : StoredValue{};
        });
    }

    void DoWriteValues(RootKey root, const std::string& key, const std::vector<RegistryValue>& values) override
    {
        std::vector<std::string> path = PathToWrite(key);
        Modify(root, [&](HiveKey& hive) {
            HiveKey& target = hive.Create(path);
            for (const auto& value : values)
                target.SetValue(HiveValue{value.Name, value.Kind, value.Text, value.Number});
            return true;
        });
    }

    bool DoDeleteValue(RootKey root, const std::string& key, const std::string& name) override
    {
        std::vector<std::string> path = SplitKeyPath(key);
        auto has = [&](const HiveKey& hive) {
            const HiveKey* found = hive.Find(path);
            return found && found->FindValue(name);
        };
        if (!Inspect(root, has))
            return false;
        return Modify(root, [&](HiveKey& hive) {
            HiveKey* found = hive.Find(path);
            return found && found->RemoveValue(name);
        });
    }
};

} // namespace

Registry& GetRegistry()
{
    static PosixRegistry registry;
    return registry;
}

} // namespace lorivex::platform
