#pragma once
// TCaptureExecuteThread: runs the help compiler on a worker thread, cuts its
// console output into lines and hands each line, and finally the completion,
// to callbacks that run on the user-interface thread.
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "base/Guarded.h"

namespace lorivex {

class TCaptureExecuteThread : public TObject, public std::enable_shared_from_this<TCaptureExecuteThread> {
public:
    using MessageHandler = std::function<void(const std::string& line, bool& abort)>;
    using CompletedHandler = std::function<void(TCaptureExecuteThread& thread)>;
    using ErrorHandler = std::function<void(const std::exception& failure)>;
    // Carries a call over to the user-interface thread and waits for it.
    using Synchronizer = std::function<void(const std::function<void()>&)>;

    std::string CommandLine;
    std::string CurrentDirectory;
    MessageHandler OnMessage;
    CompletedHandler OnCompleted;
    uint16_t ShowWindow = 0;
    std::string FileToOpen;
    bool OpenAfterCompile = false;
    Synchronizer Synchronize = [](const std::function<void()>& call) { call(); };
    // Shown a failure of a callback, on the user-interface thread; the
    // output is then no longer read, and completion is still reported.
    ErrorHandler OnError;
    // The command's exit status once it has ended; -1 when it never ran.
    int ExitCode = -1;

    // Starts Execute on a thread of its own and returns at once. The thread
    // keeps the object alive until it has reported completion; nobody else
    // needs to hold it. A thread that cannot be created raises an Exception.
    void Start();
    // The thread body. Never lets a failure out: on a thread of its own
    // nothing could catch it.
    void Execute();

private:
    // Runs a callback on the user-interface thread; a failure goes to
    // OnError, and false tells the caller to stop.
    bool Deliver(const std::function<void()>& call);
    void Report(const std::exception& failure);
    void ReadOutput(const std::function<void(const std::string&)>& handler, bool& abort);
};

// A compiler line as the progress window shows it: tabs as three blanks, and
// a quoted path to the project file shortened to the file's name.
std::string ShortenCompilerLine(const std::string& rawLine);

// The part of the worker that cuts bytes into lines: appends what was read
// and hands out every line that a CR, LF, CR LF or CR LF CR has closed.
class TOutputLineCutter {
public:
    void Append(const std::string& bytes) { buffer_ += bytes; }
    // Calls the handler for each complete line; stops early when it sets abort.
    void CutLines(const std::function<void(const std::string&)>& handler, const bool& abort);
    const std::string& Rest() const { return buffer_; }

private:
    std::string buffer_;
};

} // namespace lorivex
