#include "platform/Console.h"

#include <unistd.h>

namespace lorivex::platform {

bool StandardOutputTakesColour()
{
    return isatty(STDOUT_FILENO) != 0;
}

} // namespace lorivex::platform
