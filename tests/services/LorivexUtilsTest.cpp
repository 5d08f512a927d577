#include <gtest/gtest.h>

#include <set>
#ifdef _WIN32
#include "platform/win32/Win32Api.h"
#endif

#include "TestSupport.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "services/LorivexUtils.h"

namespace lorivex {
namespace {

using test::TempFolder;
using test::WriteTextFile;

TEST(JavaScriptStr, EscapesBackslashesApostrophesAndLineBreaksInOrder)
{
    EXPECT_EQ(JavaScriptStr("It's in C:\\Temp"), "It\\'s in C:\\\\Temp");
    EXPECT_EQ(JavaScriptStr("A\r\nB"),
              "A' + String.fromCharCode(13) + '' + String.fromCharCode(10) + 'B");
    EXPECT_EQ(JavaScriptStr("say \"hi\""), "say \"hi\"");
    EXPECT_EQ(JavaScriptStr(""), "");
}

TEST(HtmlEncode, EncodesTheFourSpecialCharactersOnceAndStopsAtNul)
{
    EXPECT_EQ(HtmlEncode("<a href=\"x\">&</a>"), "&lt;a href=&quot;x&quot;&gt;&amp;&lt;/a&gt;");
    EXPECT_EQ(HtmlEncode("What's new"), "What's new");
    EXPECT_EQ(HtmlEncode("&lt;"), "&amp;lt;");
    EXPECT_EQ(HtmlEncode(std::string("cut\0here", 8)), "cut");
}

TEST(SplitString, EmptyPiecesBetweenAndAtStartButNotAtEnd)
{
    TStringList list;
    list.Add("old");
    SplitString("a\\\\b\\", '\\', list);
    EXPECT_EQ(list.Text(), "a\r\n\r\nb\r\n");
    SplitString("\\x", '\\', list);
    EXPECT_EQ(list.Text(), "\r\nx\r\n");
    SplitString("whole", '\\', list);
    EXPECT_EQ(list.Text(), "whole\r\n");
    SplitString("", '\\', list);
    EXPECT_EQ(list.Count(), 0);
}

TEST(SplitString, UsesTheListsOwnAddRules)
{
    TStringList list;
    list.SetSorted(true);
    list.DuplicatesRule = TStringList::Duplicates::Ignore;
    SplitString("b,a,B", ',', list);
    EXPECT_EQ(list.Text(), "a\r\nb\r\n");
}

TEST(GetUniqueID, ThirtyTwoUpperHexDigitsAndFresh)
{
    std::set<std::string> seen;
    for (int i = 0; i < 100; ++i) {
        std::string id = GetUniqueID();
        ASSERT_EQ(id.size(), 32u);
        EXPECT_EQ(id.find_first_not_of("0123456789ABCDEF"), std::string::npos) << id;
        seen.insert(id);
    }
    EXPECT_EQ(seen.size(), 100u);
}

TEST(GetTempDir, EndsWithTheDelimiterAndExists)
{
    std::string dir = GetTempDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), platform::PathDelim);
    EXPECT_TRUE(platform::DirectoryExists(dir));
}

TEST(DeleteFolderContents, RemovesReadOnlyFilesNestedFoldersAndItself)
{
    TempFolder scratch;
    std::string work = scratch / "lx0";
    ASSERT_TRUE(platform::ForceDirectories(platform::JoinPath(work, "pictures/deeper")));
    WriteTextFile(platform::JoinPath(work, "topic.html"), "x");
    WriteTextFile(platform::JoinPath(work, ".hidden-file"), "x");
    WriteTextFile(platform::JoinPath(work, "pictures/deeper/image.gif"), "x");
    ASSERT_TRUE(platform::SetReadOnly(platform::JoinPath(work, "topic.html")));
    EXPECT_TRUE(DeleteFolderContents(work));
    EXPECT_FALSE(platform::DirectoryExists(work));
}

TEST(DeleteFolderContents, KeepsDotFoldersAndReportsThatTheFolderStayed)
{
    TempFolder scratch;
    std::string work = scratch / "lx1";
    ASSERT_TRUE(platform::ForceDirectories(platform::JoinPath(work, ".svn")));
    WriteTextFile(platform::JoinPath(work, ".svn/entries"), "keep");
    WriteTextFile(platform::JoinPath(work, "page.html"), "x");
    EXPECT_FALSE(DeleteFolderContents(work + platform::PathDelim));
    EXPECT_TRUE(platform::FileExists(platform::JoinPath(work, ".svn/entries")));
    EXPECT_FALSE(platform::FileExists(platform::JoinPath(work, "page.html")));
}

TEST(DeleteFolderContents, MissingFolderGivesFalse)
{
    TempFolder scratch;
    EXPECT_FALSE(DeleteFolderContents(scratch / "never-there"));
}

#ifndef _WIN32
TEST(DeleteFolderContents, NeverFollowsALinkOutOfTheFolder)
{
    TempFolder scratch;
    std::string outside = scratch / "precious";
    ASSERT_TRUE(platform::ForceDirectories(outside));
    WriteTextFile(platform::JoinPath(outside, "thesis.doc"), "years of work");
    std::string work = scratch / "lx2";
    ASSERT_TRUE(platform::ForceDirectories(work));
    ASSERT_EQ(symlink(outside.c_str(), platform::JoinPath(work, "link").c_str()), 0);
    EXPECT_TRUE(DeleteFolderContents(work));
    EXPECT_TRUE(platform::FileExists(platform::JoinPath(outside, "thesis.doc")));
}
#else
// The C++ library sees a junction or a link to a folder as that folder;
// emptying the work folder must remove the link and leave the folder alone.
TEST(DeleteFolderContents, NeverFollowsAReparsePointOutOfTheFolder)
{
    TempFolder scratch;
    std::string outside = scratch / "precious";
    ASSERT_TRUE(platform::ForceDirectories(outside));
    WriteTextFile(platform::JoinPath(outside, "thesis.doc"), "years of work");
    std::string work = scratch / "lx2";
    ASSERT_TRUE(platform::ForceDirectories(work));
    std::string link = platform::JoinPath(work, "link");
    std::wstring wideLink(link.begin(), link.end()), wideTarget(outside.begin(), outside.end());
    // Directory link, allowed without elevation where the system allows it.
    CreateSymbolicLinkW(wideLink.c_str(), wideTarget.c_str(), 0x1 | 0x2);
    if (!platform::IsLink(link))
        GTEST_SKIP() << "this system makes no reparse points (Wine 8 reports success and makes none)";
    EXPECT_TRUE(DeleteFolderContents(work));
    EXPECT_TRUE(platform::FileExists(platform::JoinPath(outside, "thesis.doc")));
}
#endif

TEST(GetLorivexDir, FolderOfTheRegisteredBinaryWithTrailingDelimiter)
{
    using namespace platform;
    auto& registry = GetRegistry();
    registry.DeleteKey(RootKey::ClassesRoot, std::string("CLSID\\") + AddInClsid);
    try {
        GetLorivexDir();
        FAIL() << "no failure without registration";
    } catch (const ElxException& e) {
        EXPECT_EQ(e.Message(), "Lorivex requires a higher permission than the current.");
        EXPECT_EQ(e.CallStack(), "LorivexUtilsUnit.GetLorivexDir\r\n");
    }
    TempFolder install;
    std::string binary = install / "Lorivex.dll";
    registry.WriteString(RootKey::ClassesRoot, AddInServerKey(), "", binary);
    EXPECT_EQ(GetLorivexDir(), IncludeTrailingPathDelimiter(install.Path()));
    registry.DeleteKey(RootKey::ClassesRoot, std::string("CLSID\\") + AddInClsid);
}

TEST(GetLorivexDir, AKeyWithoutDefaultValueGivesAnEmptyPath)
{
    using namespace platform;
    auto& registry = GetRegistry();
    registry.WriteString(RootKey::ClassesRoot, AddInServerKey(), "ThreadingModel", "Apartment");
    EXPECT_EQ(GetLorivexDir(), "");
    registry.DeleteKey(RootKey::ClassesRoot, std::string("CLSID\\") + AddInClsid);
}

#ifndef _WIN32
// A registry that cannot be read is a key this user may not open. A folder
// where the hive file belongs cannot be read by anyone, root included.
TEST(GetLorivexDir, AnUnreadableKeyAsksForHigherPermission)
{
    test::ScopedSettings settings;
    ASSERT_TRUE(platform::ForceDirectories(settings.Folder() / "lorivex/HKEY_CLASSES_ROOT.reg"));
    try {
        GetLorivexDir();
        FAIL() << "an unreadable registry gave a folder";
    } catch (const ElxException& e) {
        EXPECT_EQ(e.Message(), "Lorivex requires a higher permission than the current.");
    }
}

// Names the file system holds but that are no valid UTF-8 are entries like
// any other: listing them and emptying their folder never raises.
TEST(DeleteFolderContents, ANameThatIsNoValidUtf8RaisesNothing)
{
    TempFolder scratch;
    std::string work = scratch / "lx3";
    ASSERT_TRUE(platform::ForceDirectories(work));
    WriteTextFile(work + "/\xff\xfe name", "bytes");
    EXPECT_NO_THROW(platform::ListDirectory(work));
    EXPECT_NO_THROW(DeleteFolderContents(work));
}
#endif

} // namespace
} // namespace lorivex
