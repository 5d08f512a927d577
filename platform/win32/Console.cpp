#include "platform/Console.h"

#include <cstdio>
#include <io.h>

namespace lorivex::platform {

bool StandardOutputIsTerminal()
{
    return _isatty(_fileno(stdout)) != 0;
}

} // namespace lorivex::platform
