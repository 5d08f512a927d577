// Until the commands arrive the program only has to exist, so that the
// build links and the version stamp has a home.
#include <cstdio>

int main()
{
    std::fputs("lorivex: no commands are available in this build\n", stderr);
    return 1;
}
