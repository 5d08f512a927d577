#pragma once
// A program run through the system's command interpreter with its console
// output (standard output and standard error together) in a pipe that is
// polled without blocking.
#include <memory>
#include <string>
#include <vector>

namespace lorivex::platform {

class ChildProcess {
public:
    virtual ~ChildProcess() = default;
    // True once the process has ended; waits at most the given time.
    virtual bool WaitFor(int milliseconds) = 0;
    // Bytes waiting in the output pipe, without removing them (0 on failure).
    virtual size_t BytesAvailable() = 0;
    virtual std::string Read(size_t count) = 0;
    // The interpreter's exit status once the process has ended (the
    // command's own, as the interpreter passes it on); -1 before.
    virtual int ExitCode() = 0;
};

// Runs the command line through the interpreter ("CMD /C" on Windows,
// "/bin/sh -c" on POSIX) in the working folder, where the program is looked
// for first, as CMD does. nullptr when no process could be started. The
// pipes reach no other program started meanwhile; abandoning the process
// (destroying the object before it ended) stops the interpreter and every
// program it started.
std::unique_ptr<ChildProcess> StartChildProcess(const std::string& commandLine,
                                                const std::string& workingFolder, int showWindow);

// A command line made of a program and its arguments, each quoted so that
// the interpreter passes it on unchanged whatever characters it holds.
std::string QuoteCommandLine(const std::vector<std::string>& programAndArguments);

} // namespace lorivex::platform
