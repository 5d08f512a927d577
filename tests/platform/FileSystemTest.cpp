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
