// Started by the registry tests as a second process that writes into the
// same hive at the same time: RegistryWriter KEY PREFIX COUNT writes the
// DWORD values PREFIX0 = 0 ... PREFIX<COUNT-1> = COUNT-1 under
// HKEY_CURRENT_USER\KEY, one write per call.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Program.h"
#include "platform/Registry.h"
#include "base/Exception.h"

int lorivex::platform::ProgramMain(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: RegistryWriter KEY PREFIX COUNT\n");
        return 2;
    }
    try {
        const std::string key = arguments[0], prefix = arguments[1];
        const int count = std::atoi(arguments[2].c_str());
        for (int i = 0; i < count; ++i)
            GetRegistry().WriteDWord(RootKey::CurrentUser, key, prefix + std::to_string(i),
                                     uint32_t(i));
    } catch (const lorivex::Exception& e) {
        std::fprintf(stderr, "RegistryWriter: %s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
