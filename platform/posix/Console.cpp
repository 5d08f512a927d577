#include "platform/Console.h"

#include <unistd.h>

namespace lorivex::platform {

bool StandardOutputIsTerminal()
{
    return isatty(STDOUT_FILENO) != 0;
}

} // namespace lorivex::platform
