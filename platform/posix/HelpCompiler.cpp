#include "platform/HelpCompiler.h"

#include "platform/posix/PathSearch.h"

namespace lorivex::platform {

std::string DefaultHelpCompilerPath()
{
    std::string found = posix::FindOnPath("chmcmd");
    // Where Debian puts it; the options dialog warns when it is not there.
    return found.empty() ? "/usr/bin/chmcmd" : found;
}

} // namespace lorivex::platform
