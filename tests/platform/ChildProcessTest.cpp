#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "base/Exception.h"

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

TEST(ChildProcess, TheExitStatusIsTheCommands)
{
    test::TempFolder folder;
    auto process = StartChildProcess("exit 217", folder.Path(), 0);
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(process->ExitCode(), -1);
    RunToEnd(*process);
    EXPECT_EQ(process->ExitCode(), 217);
}

#ifndef _WIN32
// A program started by one thread must not inherit the pipe ends of a
// program another thread starts at the same moment.
TEST(ChildProcess, PipesReachNoOtherProgram)
{
    test::TempFolder folder;
    auto pipes = [&] {
        auto process = StartChildProcess("ls -l /proc/self/fd", folder.Path(), 0);
        std::string listing = process ? RunToEnd(*process) : "";
        int count = 0;
        for (size_t at = listing.find("pipe:"); at != std::string::npos; at = listing.find("pipe:", at + 1))
            ++count;
        return count;
    };
    // Its own three, and whatever this test program inherited itself.
    const int alone = pipes();
    std::atomic<bool> stop = false;
    std::thread busy([&] {
        while (!stop)
            if (auto other = StartChildProcess("true", folder.Path(), 0))
                RunToEnd(*other);
    });
    int leaked = 0;
    for (int i = 0; i < 30; ++i)
        if (pipes() != alone)
            ++leaked;
    stop = true;
    busy.join();
    EXPECT_EQ(leaked, 0);
}

bool Running(pid_t pid)
{
    std::string stat;
    try {
        stat = ReadFileBytes("/proc/" + std::to_string(pid) + "/stat");
    } catch (const Exception&) {
        return false;
    }
    size_t close = stat.rfind(')');
    return close != std::string::npos && close + 2 < stat.size() && stat[close + 2] != 'Z';
}

// Abandoning a run stops what the interpreter started, not only the
// interpreter.
TEST(ChildProcess, AbandoningStopsTheWholeProcessGroup)
{
    test::TempFolder folder;
    auto process = StartChildProcess("sleep 300 & echo $!; wait", folder.Path(), 0);
    ASSERT_NE(process, nullptr);
    std::string output;
    for (int i = 0; i < 250 && output.find('\n') == std::string::npos; ++i) {
        process->WaitFor(20);
        if (size_t waiting = process->BytesAvailable())
            output += process->Read(waiting);
    }
    pid_t sleeper = pid_t(std::stol(output));
    ASSERT_TRUE(Running(sleeper));
    process.reset();
    bool gone = false;
    for (int i = 0; i < 100 && !gone; ++i) {
        gone = !Running(sleeper);
        if (!gone)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(gone);
}
#endif

} // namespace
} // namespace lorivex::platform
