#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "TestSupport.h"
#include "platform/FileSystem.h"
#include "services/HtmlHelp.h"

namespace lorivex {
namespace {

#ifndef _WIN32
// Without the viewer library the help file is handed to the desktop's opener;
// a recording opener stands in for it.
TEST(HtmlHelp, WithoutViewerTheShellOpensTheHelpFileAndAMissingFileNothing)
{
    EXPECT_FALSE(LoadHtmlHelp());
    EXPECT_FALSE(HtmlHelpLoaded());

    test::TempFolder scratch;
    std::string log = scratch / "opened.txt";
    std::string opener = scratch / "opener.sh";
    test::WriteTextFile(opener, "#!/bin/sh\necho \"$1\" >> '" + log + "'\n");
    ASSERT_EQ(chmod(opener.c_str(), 0755), 0);
    test::ScopedEnv env("LORIVEX_OPEN_COMMAND", opener.c_str());

    HelpFile = scratch / "missing.chm";
    ShowHelp();
    HelpFile = scratch / "Lorivex2008.chm";
    test::WriteTextFile(HelpFile, "ITSF");
    ShowHelp();

    std::string opened;
    for (int i = 0; i < 200 && opened.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (platform::FileExists(log))
            opened = platform::ReadFileBytes(log);
    }
    EXPECT_EQ(opened, HelpFile + "\n");
    HelpFile.clear();
}
#endif

} // namespace
} // namespace lorivex
