// Runs every test with settings of its own: the registry hives go to a
// scratch folder, so tests never read or change the real user's settings.
#include <gtest/gtest.h>

#include "TestSupport.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    lorivex::test::TempFolder config;
#ifndef _WIN32
    lorivex::test::ScopedEnv isolated("XDG_CONFIG_HOME", config.Path().c_str());
#endif
    return RUN_ALL_TESTS();
}
