#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "Failure.h"
#include "ScopedInstall.h"
#include "TestSupport.h"
#include "platform/FileSystem.h"
#include "services/AboutForm.h"
#include "services/DialogFrame.h"
#include "services/VersionInfo.h"

namespace lorivex {
namespace {
using lorivex::test::Throws;
using lorivex::test::MessageAndTrace;

using namespace ui;

TEST(GetVersionInfo, TheStampedVersionOfAFile)
{
    EXPECT_EQ(GetVersionInfo(platform::ProgramPath()), LORIVEX_TEST_VERSION);
    test::TempFolder scratch;
    std::string plain = scratch / "plain.dll";
    test::WriteTextFile(plain, "no version here");
    EXPECT_THAT([&] { GetVersionInfo(plain); },
                Throws<ElxException>(MessageAndTrace("The file \"" + plain + "\" has no version information.", "AboutFormUnit.GetVersionInfo\r\n")));
}

TEST(AboutForm, ShowsTheVersionOfTheInstalledBinary)
{
    test::ScopedInstall install;
    auto about = CreateLorivexForm<TAboutForm>(0);
    EXPECT_EQ(about->VersionLabel->Caption(), LORIVEX_TEST_VERSION);
    EXPECT_EQ(about->WebPageLink->Caption(), LorivexWebPage);
    EXPECT_EQ(about->SupportLink->Caption(), LorivexSupportForum);
}

TEST(AboutForm, AVersionThatCannotBeReadLeavesTheCreation)
{
    test::ScopedInstall install;
    platform::DeleteFile(install.Binary());
    test::WriteTextFile(install.Binary(), "a binary without a stamp");
    try {
        CreateLorivexForm<TAboutForm>(0);
        FAIL() << "no failure";
    } catch (const ElxException& e) {
        EXPECT_EQ(e.CallStack(),
                  "LorivexUtilsUnit.CreateLorivexForm\r\nTAboutForm.FormCreate\r\nAboutFormUnit.GetVersionInfo\r\n");
    }
}

#ifndef _WIN32
} // namespace
} // namespace lorivex
#include <sys/stat.h>
namespace lorivex {
namespace {

TEST(AboutForm, ALinkOpensItsAddressAndWithoutABrowserNothingIsRaised)
{
    test::ScopedInstall install;
    auto about = CreateLorivexForm<TAboutForm>(0);
    test::TempFolder scratch;
    {
        test::ScopedEnv noOpener("LORIVEX_OPEN_COMMAND", nullptr);
        test::ScopedEnv emptyPath("PATH", scratch.Path().c_str());
        EXPECT_NO_THROW(about->WebPageLink->Click());
    }
    std::string opened = scratch / "opened.txt";
    std::string opener = scratch / "opener.sh";
    test::WriteTextFile(opener, "#!/bin/sh\nprintf '%s' \"$1\" > '" + opened + ".part' && mv '" + opened + ".part' '" +
                                    opened + "'\n");
    ASSERT_EQ(chmod(opener.c_str(), 0755), 0);
    test::ScopedEnv useOpener("LORIVEX_OPEN_COMMAND", opener.c_str());
    about->SupportLink->Click();
    // The opener runs on its own, as a browser would.
    for (int i = 0; i < 100 && !platform::FileExists(opened); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(platform::ReadFileBytes(opened), LorivexSupportForum);
}
#endif

} // namespace
} // namespace lorivex
