#include <gtest/gtest.h>

#include "TestSupport.h"
#include "compiler/CaptureExecuteThread.h"
#include "compiler/CompilerUi.h"
#include "platform/ChildProcess.h"
#include "platform/FileSystem.h"

#include <condition_variable>
#include <mutex>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace lorivex {
namespace {

std::vector<std::string> Cut(std::initializer_list<std::string> reads)
{
    TOutputLineCutter cutter;
    std::vector<std::string> lines;
    bool abort = false;
    for (const auto& bytes : reads) {
        cutter.Append(bytes);
        cutter.CutLines([&](const std::string& line) { lines.push_back(line); }, abort);
    }
    if (!cutter.Rest().empty())
        lines.push_back("rest:" + cutter.Rest());
    return lines;
}

TEST(OutputLineCutter, EveryKindOfLineEnd)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(Cut({"Compiling done\r\n"}), V{"Compiling done"});
    EXPECT_EQ(Cut({"Compiling done"}), V{"rest:Compiling done"});
    EXPECT_EQ(Cut({"a\rb\nc\r\nd"}), (V{"a", "b", "c", "rest:d"}));
    // CR LF CR after a line goes as one line end.
    EXPECT_EQ(Cut({"one\r\n\rtwo\r\n"}), (V{"one", "two"}));
    // A CR LF pair split across two reads is two line ends: one empty line.
    EXPECT_EQ(Cut({"one\r", "\ntwo\n"}), (V{"one", "", "two"}));
    EXPECT_EQ(Cut({"par", "tial", " line\n"}), V{"partial line"});
}

TEST(CompilerLines, TabsBecomeThreeBlanksAndTheProjectPathItsName)
{
    EXPECT_EQ(ShortenCompilerLine("a\tb"), "a   b");
    EXPECT_EQ(ShortenCompilerLine("Compiling /tmp/lx0/HtmlHelpProject.hhp\""), "Compiling HtmlHelpProject.hhp\"");
    EXPECT_EQ(ShortenCompilerLine("Compiling x.HHP\""), "Compiling x.HHP\"");
    EXPECT_EQ(ShortenCompilerLine("Nothing to shorten"), "Nothing to shorten");
}

// The worker against a real child process: lines arrive in order through the
// synchronizer, the unterminated last line after the process ended, and
// completion once at the very end.
TEST(CaptureExecuteThread, RunsTheCommandAndReportsLinesThenCompletion)
{
    test::TempFolder scratch;
#ifdef _WIN32
    // A batch file, run by CMD; the words without a line end come from a
    // file, as Wine's CMD ends what "set /p" prints.
    std::string script = scratch / "fake compiler.cmd";
    test::WriteTextFile(scratch / "last.txt", "last words");
    test::WriteTextFile(script, "@echo off\r\necho first\r\necho second\r\necho arg=%1\r\ntype last.txt\r\n");
    const std::string argument = "C:\\it's a (test) & x.hhp";
    const std::string echoed = "arg=\"" + argument + "\"";
#else
    std::string script = scratch / "fake compiler.sh";
    test::WriteTextFile(script, "#!/bin/sh\nprintf 'first\\r\\nsecond\\n' ; echo \"arg=$1\" ; printf 'last words'\n");
    ASSERT_EQ(chmod(script.c_str(), 0755), 0);
    const std::string argument = "/tmp/it's \"quoted\" $HOME/x.hhp";
    const std::string echoed = "arg=" + argument;
#endif

    std::mutex mutex;
    std::condition_variable done;
    std::vector<std::string> events;
    bool completed = false;
    auto thread = std::make_shared<TCaptureExecuteThread>();
    thread->CommandLine = platform::QuoteCommandLine({platform::ExtractFileName(script), argument});
    thread->CurrentDirectory = scratch.Path();
    thread->Synchronize = [&](const std::function<void()>& call) {
        std::lock_guard<std::mutex> lock(mutex);
        call();
    };
    thread->OnMessage = [&](const std::string& line, bool&) { events.push_back(line); };
    thread->OnCompleted = [&](TCaptureExecuteThread&) {
        events.push_back("completed");
        completed = true;
        done.notify_all();
    };
    thread->Start();
    std::unique_lock<std::mutex> lock(mutex);
    ASSERT_TRUE(done.wait_for(lock, std::chrono::seconds(20), [&] { return completed; }));
    EXPECT_EQ(events, (std::vector<std::string>{"first", "second", echoed, "last words", "completed"}));
}

// A callback that fails is reported, the output is no longer read and the
// run still completes; the worker itself never ends the process.
TEST(CaptureExecuteThread, AFailingCallbackIsReportedAndCompletionStillRuns)
{
    test::TempFolder scratch;
    auto thread = std::make_shared<TCaptureExecuteThread>();
#ifdef _WIN32
    thread->CommandLine = "echo one& echo two& exit 3";
#else
    thread->CommandLine = "echo one; echo two; exit 3";
#endif
    thread->CurrentDirectory = scratch.Path();
    std::vector<std::string> events;
    thread->OnMessage = [&](const std::string& line, bool&) {
        events.push_back(line);
        throw Exception("the window is gone");
    };
    thread->OnError = [&](const std::exception& failure) { events.push_back(std::string("error:") + failure.what()); };
    thread->OnCompleted = [&](TCaptureExecuteThread&) {
        events.push_back("completed");
        throw std::runtime_error("completion broke too");
    };
    thread->Execute();
    EXPECT_EQ(events, (std::vector<std::string>{"one", "error:the window is gone", "completed",
                                                 "error:completion broke too"}));
}

TEST(CaptureExecuteThread, TheCommandsExitStatusIsKept)
{
    test::TempFolder scratch;
    auto thread = std::make_shared<TCaptureExecuteThread>();
#ifdef _WIN32
    thread->CommandLine = "echo working& exit 217";
#else
    thread->CommandLine = "echo working; exit 217";
#endif
    thread->CurrentDirectory = scratch.Path();
    thread->OnMessage = [](const std::string&, bool&) {};
    thread->Execute();
    EXPECT_EQ(thread->ExitCode, 217);
}

TEST(CaptureExecuteThread, WithoutMessageHandlerOnlyCompletes)
{
    bool completed = false;
    auto thread = std::make_shared<TCaptureExecuteThread>();
#ifdef _WIN32
    thread->CommandLine = "type nul > should-not-exist";
#else
    thread->CommandLine = "touch should-not-exist";
#endif
    thread->OnCompleted = [&](TCaptureExecuteThread&) { completed = true; };
    thread->Execute();
    EXPECT_TRUE(completed);
    EXPECT_FALSE(platform::FileExists("should-not-exist"));
}

} // namespace
} // namespace lorivex
