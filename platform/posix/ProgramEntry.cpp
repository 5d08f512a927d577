// Linked into each program of ours (lvx_program_entry), never into the
// platform library: only a program may define main.
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <unistd.h>

#include "platform/Program.h"

namespace {

// A compile builds the whole document in memory out of millions of small
// pieces. Where the system gives transparent huge pages to whoever asks
// ("madvise"), the C library backs its heap with them when told so: a
// compile of 5,000 topics then takes a tenth of the page faults and about a
// sixth less time. The C library reads that setting only when a program
// starts, so the program starts itself once more with it; where that cannot
// be done it simply runs as it is.
void RestartWithHugePageHeap(char** argv)
{
    constexpr char Tunable[] = "glibc.malloc.hugetlb";
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    if (tunables && std::strstr(tunables, Tunable))
        return;
    std::string mode;
    std::getline(std::ifstream("/sys/kernel/mm/transparent_hugepage/enabled"), mode);
    if (mode.find("[madvise]") == std::string::npos)
        return;
    std::string value;
    if (tunables && *tunables)
        value.append(tunables).append(1, ':');
    value.append(Tunable).append("=1");
    if (setenv("GLIBC_TUNABLES", value.c_str(), 1) == 0)
        execv("/proc/self/exe", argv);
}

} // namespace

int main(int argc, char** argv)
{
    RestartWithHugePageHeap(argv);
    // The command line is the locale's multi-byte text: UTF-8 on every
    // system we run on.
    return lorivex::platform::ProgramMain(std::vector<std::string>(argv + 1, argv + argc));
}
