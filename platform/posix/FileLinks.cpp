#include <sys/stat.h>
#include <unistd.h>

#include "platform/CodePages.h"
#include "platform/FileSystem.h"

namespace lorivex::platform {

bool IsLink(const std::string& path)
{
    struct stat info {};
    return lstat(AnsiToUtf8(path).c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

bool DeleteLink(const std::string& path)
{
    return IsLink(path) && unlink(AnsiToUtf8(path).c_str()) == 0;
}

} // namespace lorivex::platform
