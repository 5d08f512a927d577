#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/FileSystem.h"
#include "base/Exception.h"

namespace lorivex::platform {
namespace {

std::string P(const std::string& slashPath)
{
    std::string path = slashPath;
    for (auto& c : path)
        if (c == '/')
            c = PathDelim;
    return path;
}

TEST(FileSystem, PathPartsUseThePlatformDelimiter)
{
    EXPECT_EQ(ExtractFilePath(P("/docs/Manual.docx")), P("/docs/"));
    EXPECT_EQ(ExtractFileName(P("/docs/Manual.docx")), "Manual.docx");
    EXPECT_EQ(ExtractFileExt(P("/d.x/Manual")), "");
    EXPECT_EQ(ChangeFileExt(P("/d.x/Manual.docx"), ".chm"), P("/d.x/Manual.chm"));
    EXPECT_EQ(ChangeFileExt("Document1", ".chm"), "Document1.chm");
    EXPECT_EQ(JoinPath(P("/a/"), "b"), P("/a/b"));
    EXPECT_EQ(JoinPath(P("/a"), "b"), P("/a/b"));
    EXPECT_EQ(ExtractFilePath("Document1"), "");
}

// Relative to the current folder, "." and ".." resolved; a full path stays.
TEST(FileSystem, ExpandFileNameGivesTheFullPath)
{
    test::TempFolder scratch;
    ASSERT_TRUE(ForceDirectories(scratch / "sub"));
    const std::string before = GetCurrentDir();
    SetCurrentDir(scratch / "sub");
    const std::string relative = ExpandFileName(P("../x/./Manual.docx"));
    const std::string here = ExpandFileName("Manual.docx");
    SetCurrentDir(before);
    // The scratch folder may be reached through a link or a short name:
    // compare with the current folder as the system gave it.
    const std::string sub = ExcludeTrailingPathDelimiter(ExtractFilePath(here));
    EXPECT_EQ(ExtractFileName(sub), "sub");
    EXPECT_EQ(relative, JoinPath(JoinPath(ExtractFilePath(sub), "x"), "Manual.docx"));
    EXPECT_EQ(ExpandFileName(here), here);
#ifdef _WIN32
    // From the root of the current drive, the drive's letter comes first.
    const std::string rooted = ExpandFileName("\\docs\\Manual.docx");
    ASSERT_EQ(rooted.size(), 19u) << rooted;
    EXPECT_EQ(rooted.substr(1), ":\\docs\\Manual.docx");
    EXPECT_EQ(rooted[0], before[0]);
#endif
}

TEST(FileSystem, AtomicWriteReplacesAndFailureKeepsTheOldFile)
{
    test::TempFolder scratch;
    std::string file = scratch / "page.html";
    WriteFileBytes(file, "first");
    WriteFileBytes(file, std::string("second\0with nul", 15));
    EXPECT_EQ(ReadFileBytes(file), std::string("second\0with nul", 15));
    EXPECT_THROW(WriteFileBytes(scratch / "no/such/folder/x", "y"), Exception);
    EXPECT_THROW(ReadFileBytes(scratch / "missing"), Exception);
    EXPECT_EQ(ListDirectory(scratch.Path()).size(), 1u); // no temporary file left behind
}

TEST(FileSystem, ExclusiveFolderCreationClaimsOnce)
{
    test::TempFolder scratch;
    EXPECT_TRUE(CreateDirExclusive(scratch / "lx0"));
    EXPECT_FALSE(CreateDirExclusive(scratch / "lx0"));
    EXPECT_TRUE(DirectoryExists(scratch / "lx0"));
    EXPECT_FALSE(FileExists(scratch / "lx0"));
}

} // namespace
} // namespace lorivex::platform
