// The stylesheet's file name from the path a document names, whichever
// platform linked it.
#include <gtest/gtest.h>

#include "compiler/StyleSheetName.h"

namespace lorivex::test {
namespace {

TEST(StyleSheetName, AWindowsPathIsTakenByItsFileNameEverywhere)
{
    EXPECT_EQ(StyleSheetFileName("C:\\Help\\help.css"), "help.css");
    EXPECT_EQ(StyleSheetFileName("Z:\\work\\build\\examples\\help.css"), "help.css");
    EXPECT_EQ(StyleSheetFileName("\\\\server\\share\\site.css"), "site.css");
    EXPECT_EQ(StyleSheetFileName("help.css"), "help.css");
#ifdef _WIN32
    // Windows opens its own paths: none is foreign there.
    EXPECT_FALSE(IsForeignStyleSheetPath("C:\\Help\\help.css"));
    EXPECT_FALSE(IsForeignStyleSheetPath("\\\\server\\share\\site.css"));
#else
    EXPECT_TRUE(IsForeignStyleSheetPath("C:\\Help\\help.css"));
    EXPECT_TRUE(IsForeignStyleSheetPath("\\\\server\\share\\site.css"));
#endif
}

#ifndef _WIN32
TEST(StyleSheetName, APosixPathKeepsItsOwnRules)
{
    EXPECT_EQ(StyleSheetFileName("/home/me/help.css"), "help.css");
    EXPECT_FALSE(IsForeignStyleSheetPath("/home/me/help.css"));
    // A backslash is a character of a POSIX name, and "C:" a folder name.
    EXPECT_EQ(StyleSheetFileName("odd\\name.css"), "odd\\name.css");
    EXPECT_FALSE(IsForeignStyleSheetPath("odd\\name.css"));
    EXPECT_FALSE(IsForeignStyleSheetPath("C:/help.css"));
    EXPECT_FALSE(IsForeignStyleSheetPath("C:"));
}
#endif

} // namespace
} // namespace lorivex::test
