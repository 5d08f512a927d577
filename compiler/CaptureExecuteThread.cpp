#include "compiler/CaptureExecuteThread.h"

#include "platform/ChildProcess.h"
#include "platform/CodePages.h"

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
    std::thread([self = shared_from_this()] { self->Execute(); }).detach();
}

void TCaptureExecuteThread::Execute()
{
    bool abort = false;
    if (OnMessage) {
        auto process = platform::StartChildProcess(CommandLine, CurrentDirectory, ShowWindow);
        if (process) {
            TOutputLineCutter cutter;
            auto deliver = [&](const std::string& line) {
                std::string ansi = platform::OemToAnsi(line);
                Synchronize([&] { OnMessage(ansi, abort); });
            };
            auto readPipe = [&] {
                if (size_t waiting = process->BytesAvailable())
                    cutter.Append(process->Read(waiting));
                cutter.CutLines(deliver, abort);
            };
            while (!process->WaitFor(80) && !abort)
                readPipe();
            // Whatever the program wrote just before it ended.
            while (process->BytesAvailable() > 0 && !abort)
                readPipe();
            if (!cutter.Rest().empty() && !abort)
                deliver(cutter.Rest());
        }
    }
    Synchronize([&] {
        if (OnCompleted)
            OnCompleted(*this);
    });
}

} // namespace lorivex
