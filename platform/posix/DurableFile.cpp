#include "platform/DurableFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/FileSystem.h"
#include "base/Exception.h"

namespace lorivex::platform {

namespace {

[[noreturn]] void CannotSave(const std::string& path, int error)
{
    throw Exception("Cannot save \"" + path + "\": " + std::strerror(error) + ".");
}

// Closes and, unless kept, removes the temporary file on every way out.
class TempFile {
public:
    explicit TempFile(std::string path) : path_(std::move(path)) {}
    ~TempFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (fd_ != Unmade && !kept_)
            ::unlink(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool Create()
    {
        fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
        return fd_ >= 0;
    }
    int Fd() const { return fd_; }
    const std::string& Path() const { return path_; }
    int Close()
    {
        int result = ::close(fd_);
        fd_ = Closed;
        return result == 0 ? 0 : errno;
    }
    void Keep() { kept_ = true; }

private:
    static constexpr int Unmade = -1, Closed = -2;
    std::string path_;
    int fd_ = Unmade;
    bool kept_ = false;
};

mode_t CreationMode()
{
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void WriteAll(int fd, const std::string& bytes, const std::string& path)
{
    for (size_t done = 0; done < bytes.size();) {
        ssize_t count = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            CannotSave(path, errno);
        }
        done += size_t(count);
    }
}

} // namespace

void ReplaceFileDurably(const std::string& path, const std::string& bytes)
{
    TempFile temp(path + ".XXXXXX");
    if (!temp.Create())
        CannotSave(path, errno);
    // Whoever could read the old file can read the new one.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0)
        ::fchmod(temp.Fd(), old.st_mode & 07777);
    else
        ::fchmod(temp.Fd(), CreationMode());
    WriteAll(temp.Fd(), bytes, path);
    if (::fsync(temp.Fd()) != 0)
        CannotSave(path, errno);
    if (int error = temp.Close())
        CannotSave(path, error);
    if (::rename(temp.Path().c_str(), path.c_str()) != 0)
        CannotSave(path, errno);
    temp.Keep();
    // The rename itself reaches the disk with the folder; a file system that
    // cannot sync a folder has renamed all the same.
    std::string folder = ExtractFilePath(path);
    int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

} // namespace lorivex::platform
