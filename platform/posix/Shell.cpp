#include "platform/Shell.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/CodePages.h"
#include "platform/FileSystem.h"
#include "platform/posix/PathSearch.h"

namespace lorivex::platform {

namespace {

// The opener: LORIVEX_OPEN_COMMAND when set (a desktop without xdg-utils, or
// a test that wants to see what was opened), else xdg-open from PATH.
std::string FindOpener()
{
    if (const char* own = std::getenv("LORIVEX_OPEN_COMMAND"); own && *own)
        return own;
    return AnsiToUtf8(posix::FindOnPath("xdg-open"));
}

} // namespace

bool ShellOpen(const std::string& target, std::string* errorText)
{
    std::string opener = FindOpener();
    if (opener.empty()) {
        if (errorText)
            *errorText = "Cannot open \"" + target + "\": no program to open files with is installed (xdg-open was not found).";
        return false;
    }
    std::string utf8Target = AnsiToUtf8(target);
    // Two forks: the opener is adopted by init and never waited for, so the
    // caller is not held up by a browser or viewer that keeps running.
    pid_t child = fork();
    if (child < 0) {
        if (errorText)
            *errorText = "Cannot open \"" + target + "\": no process could be started.";
        return false;
    }
    if (child == 0) {
        if (fork() == 0) {
            int null = open("/dev/null", O_RDWR);
            if (null >= 0) {
                dup2(null, 0);
                dup2(null, 1);
                dup2(null, 2);
            }
            setsid();
            execl(opener.c_str(), opener.c_str(), utf8Target.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return true;
}

} // namespace lorivex::platform
