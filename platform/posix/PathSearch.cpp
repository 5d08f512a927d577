#include "platform/posix/PathSearch.h"

#include <cstdlib>
#include <sstream>
#include <unistd.h>

#include "platform/CodePages.h"
#include "platform/FileSystem.h"

namespace lorivex::platform::posix {

std::string FindOnPath(const std::string& program)
{
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/local/bin:/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        if (folder.empty())
            continue;
        std::string candidate = JoinPath(Utf8ToAnsi(folder), program);
        if (FileExists(candidate) && access(AnsiToUtf8(candidate).c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

} // namespace lorivex::platform::posix
