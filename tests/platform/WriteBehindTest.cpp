// Files written on a worker while the caller goes on: every file arrives
// whole and in order, the caller may run far ahead of the disk, and a file
// that cannot be written fails the scope's end with its name.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "base/Exception.h"
#include "platform/FileSystem.h"
#include "platform/WriteBehind.h"

namespace lorivex::platform {
namespace {

std::string Page(int i)
{
    return "<p>page " + std::to_string(i) + "</p>" + std::string(size_t(i % 7) * 1000, 'x');
}

TEST(WriteBehind, WithoutAScopeTheFileIsThereWhenTheCallReturns)
{
    test::TempFolder scratch;
    WriteFileBehind(scratch / "now.html", "now");
    EXPECT_EQ(ReadFileBytes(scratch / "now.html"), "now");
    EXPECT_THROW(WriteFileBehind(JoinPath(scratch / "missing", "x.html"), "x"), Exception);
}

TEST(WriteBehind, EveryFileArrivesWholeAndTheLastWriteOfANameWins)
{
    test::TempFolder scratch;
    {
        WriteBehind scope;
        for (int i = 0; i < 500; ++i) // far more than may wait at a time
            WriteFileBehind(scratch / ("p" + std::to_string(i % 400) + ".html"), Page(i));
        scope.Finish();
    }
    for (int i = 0; i < 400; ++i) {
        const int last = i < 100 ? i + 400 : i;
        ASSERT_EQ(ReadFileBytes(scratch / ("p" + std::to_string(i) + ".html")), Page(last)) << i;
    }
    EXPECT_EQ(ListDirectory(scratch.Path()).size(), 400u) << "no temporary file is left";
    WriteFileBehind(scratch / "after.html", "after");
    EXPECT_EQ(ReadFileBytes(scratch / "after.html"), "after") << "the scope's end writes at once again";
}

TEST(WriteBehind, AFileThatCannotBeWrittenFailsTheScopeWithItsName)
{
    test::TempFolder scratch;
    const std::string bad = JoinPath(scratch / "no-such-folder", "lost.html");
    std::string message;
    {
        WriteBehind scope;
        WriteFileBehind(scratch / "before.html", "before");
        WriteFileBehind(bad, "lost");
        try {
            for (int i = 0; i < 50; ++i)
                WriteFileBehind(scratch / ("after" + std::to_string(i) + ".html"), "after");
            scope.Finish();
        } catch (const Exception& e) {
            message = e.Message();
        }
    }
    EXPECT_NE(message.find(bad), std::string::npos) << message;
    EXPECT_EQ(ReadFileBytes(scratch / "before.html"), "before");
}

TEST(WriteBehind, AScopeLeftByAFailureStillWritesWhatItWasGiven)
{
    test::TempFolder scratch;
    try {
        WriteBehind scope;
        for (int i = 0; i < 100; ++i)
            WriteFileBehind(scratch / ("p" + std::to_string(i) + ".html"), Page(i));
        throw Exception("the compile failed");
    } catch (const Exception&) {
    }
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(ReadFileBytes(scratch / ("p" + std::to_string(i) + ".html")), Page(i)) << i;
}

} // namespace
} // namespace lorivex::platform
