#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/ChildProcess.h"
#include "platform/FileSystem.h"

namespace lorivex::platform {
namespace {

std::string RunToEnd(ChildProcess& process)
{
    std::string output;
    for (int i = 0; i < 500; ++i) {
        bool ended = process.WaitFor(20);
        while (size_t waiting = process.BytesAvailable())
            output += process.Read(waiting);
        if (ended)
            break;
    }
    return output;
}

// The interpreter runs the command in the working folder, output and errors
// arrive through the one pipe, and nothing waits for input.
TEST(ChildProcess, RunsThroughTheInterpreterInTheWorkingFolder)
{
    test::TempFolder folder;
    test::WriteTextFile(folder / "marker.txt", "here");
#ifdef _WIN32
    auto process = StartChildProcess("type marker.txt && echo oops 1>&2", folder.Path(), 0);
#else
    auto process = StartChildProcess("cat marker.txt && echo oops 1>&2", folder.Path(), 0);
#endif
    ASSERT_NE(process, nullptr);
    std::string output = RunToEnd(*process);
    EXPECT_NE(output.find("here"), std::string::npos) << output;
    EXPECT_NE(output.find("oops"), std::string::npos) << output;
}

TEST(ChildProcess, QuotedArgumentsArriveWhole)
{
    test::TempFolder folder;
#ifdef _WIN32
    auto process = StartChildProcess(QuoteCommandLine({"echo", "two words"}), folder.Path(), 0);
    ASSERT_NE(process, nullptr);
    EXPECT_NE(RunToEnd(*process).find("two words"), std::string::npos);
#else
    auto process = StartChildProcess(QuoteCommandLine({"printf", "%s|", "it's", "$HOME", "a \"b\""}), folder.Path(), 0);
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(RunToEnd(*process), "it's|$HOME|a \"b\"|");
#endif
}

} // namespace
} // namespace lorivex::platform
