#include "platform/posix/LocaleEnvironment.h"

#include <cstdlib>

namespace lorivex::platform::posix {

std::string LocaleNameFor(const char* categoryVariable)
{
    for (const char* variable : {"LC_ALL", categoryVariable, "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return "C";
}

} // namespace lorivex::platform::posix
