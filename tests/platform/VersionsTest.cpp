#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/Versions.h"

namespace lorivex::platform {
namespace {

TEST(Versions, TheTestProgramCarriesTheProjectVersion)
{
    auto version = GetFileVersion(ProgramPath());
    ASSERT_TRUE(version.has_value()) << ProgramPath();
    std::string text = std::to_string(version->Major) + "." + std::to_string(version->Minor) + "."
                     + std::to_string(version->Release) + "." + std::to_string(version->Build);
    EXPECT_EQ(text, LORIVEX_TEST_VERSION);
}

TEST(Versions, FilesWithoutStampGiveNothing)
{
    test::TempFolder scratch;
    test::WriteTextFile(scratch / "plain.bin", "LXFILEVERSION=1.2;LXFILEVERSION=x");
    EXPECT_FALSE(GetFileVersion(scratch / "plain.bin").has_value());
    EXPECT_FALSE(GetFileVersion(scratch / "missing.dll").has_value());
}

} // namespace
} // namespace lorivex::platform
