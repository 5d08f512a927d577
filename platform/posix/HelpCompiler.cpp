#include "platform/HelpCompiler.h"

#include <cstdlib>
#include <sstream>

#include "platform/CodePages.h"
#include "platform/FileSystem.h"

namespace lorivex::platform {

std::string DefaultHelpCompilerPath()
{
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/local/bin:/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        if (folder.empty())
            continue;
        std::string candidate = JoinPath(Utf8ToAnsi(folder), "chmcmd");
        if (FileExists(candidate))
            return candidate;
    }
    // Where Debian puts it; the options dialog warns when it is not there.
    return "/usr/bin/chmcmd";
}

} // namespace lorivex::platform
