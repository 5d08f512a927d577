#include "compiler/CaptureExecuteThread.h"

#include "platform/ChildProcess.h"
#include "platform/CodePages.h"

#include <system_error>
#include <thread>

namespace lorivex {

void TOutputLineCutter::CutLines(const std::function<void(const std::string&)>& handler, const bool& abort)
{
    while (!abort) {
        size_t end = buffer_.find_first_of("\r\n");
        if (end == std::string::npos)
            return;
        std::string line = buffer_.substr(0, end);
        size_t length = 1;
        if (buffer_.compare(end, 3, "\r\n\r") == 0)
            length = 3;
        else if (buffer_.compare(end, 2, "\r\n") == 0)
            length = 2;
        buffer_.erase(0, end + length);
        handler(line);
    }
}

void TCaptureExecuteThread::Start()
{
    Guard("Start", [&] {
        try {
            std::thread([self = shared_from_this()] { self->Execute(); }).detach();
        } catch (const std::system_error& e) {
            throw Exception("The compiler could not be started: " + std::string(e.what()));
        }
    });
}

void TCaptureExecuteThread::Report(const std::exception& failure)
{
    try {
        Synchronize([&] {
            if (OnError)
                OnError(failure);
        });
    } catch (...) {
        // Nobody is left to tell; the run still completes.
    }
}

bool TCaptureExecuteThread::Deliver(const std::function<void()>& call)
{
    try {
        Synchronize(call);
        return true;
    } catch (const std::exception& failure) {
        Report(failure);
    } catch (...) {
    }
    return false;
}

void TCaptureExecuteThread::ReadOutput(const std::function<void(const std::string&)>& handler, bool& abort)
{
    auto process = platform::StartChildProcess(CommandLine, CurrentDirectory, ShowWindow);
    if (!process)
        return;
    TOutputLineCutter cutter;
    auto readPipe = [&] {
        if (size_t waiting = process->BytesAvailable())
            cutter.Append(process->Read(waiting));
        cutter.CutLines(handler, abort);
    };
    while (!process->WaitFor(80) && !abort)
        readPipe();
    // Whatever the program wrote just before it ended.
    while (process->BytesAvailable() > 0 && !abort)
        readPipe();
    if (!cutter.Rest().empty() && !abort)
        handler(cutter.Rest());
    // A run abandoned while the compiler still works stops it.
    if (process->WaitFor(0))
        ExitCode = process->ExitCode();
}

void TCaptureExecuteThread::Execute()
{
    bool abort = false;
    if (OnMessage) {
        try {
            ReadOutput([&](const std::string& line) {
                std::string ansi = platform::OemToAnsi(line);
                if (!Deliver([&] { OnMessage(ansi, abort); }))
                    abort = true;
            }, abort);
        } catch (const std::exception& failure) {
            Report(failure);
        } catch (...) {
        }
    }
    Deliver([&] {
        if (OnCompleted)
            OnCompleted(*this);
    });
}

} // namespace lorivex
