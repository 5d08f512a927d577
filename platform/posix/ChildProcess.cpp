#include "platform/ChildProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/CodePages.h"

extern char** environ;

namespace lorivex::platform {

namespace {

class PosixChildProcess : public ChildProcess {
public:
    PosixChildProcess(pid_t pid, int output) : pid_(pid), output_(output) {}
    ~PosixChildProcess() override
    {
        close(output_);
        if (!ended_) {
            // Nobody waits for us any more: the interpreter leads a process
            // group of its own, so the compiler it started goes with it; and
            // no zombie is left behind.
            kill(-pid_, SIGTERM);
            int status = 0;
            waitpid(pid_, &status, 0);
        }
    }

    bool WaitFor(int milliseconds) override
    {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        while (!ended_) {
            int status = 0;
            pid_t done = waitpid(pid_, &status, WNOHANG);
            if (done == pid_ || (done < 0 && errno != EINTR)) {
                ended_ = true;
                if (done == pid_)
                    exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status)
                                                  : 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
                break;
            }
            if (std::chrono::steady_clock::now() >= deadline)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return ended_;
    }

    size_t BytesAvailable() override
    {
        int waiting = 0;
        return ioctl(output_, FIONREAD, &waiting) == 0 && waiting > 0 ? size_t(waiting) : 0;
    }

    std::string Read(size_t count) override
    {
        std::string bytes(count, '\0');
        ssize_t got = read(output_, bytes.data(), count);
        bytes.resize(got > 0 ? size_t(got) : 0);
        return bytes;
    }

    int ExitCode() override { return exitCode_; }

private:
    pid_t pid_;
    int output_;
    bool ended_ = false;
    int exitCode_ = -1;
};

std::string ShellQuote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

std::string QuoteCommandLine(const std::vector<std::string>& programAndArguments)
{
    std::string line;
    for (const auto& part : programAndArguments) {
        if (!line.empty())
            line += ' ';
        line += ShellQuote(part);
    }
    return line;
}

std::unique_ptr<ChildProcess> StartChildProcess(const std::string& commandLine, const std::string& workingFolder,
                                                int /*showWindow: there is no console window here*/)
{
    // Close-on-exec from the start: a program another thread starts at the
    // same moment must not inherit our ends (it would hold the pipe open).
    // The copies made for the child's standard handles lose the flag.
    int output[2], input[2];
    if (pipe2(output, O_CLOEXEC) != 0)
        return nullptr;
    if (pipe2(input, O_CLOEXEC) != 0) {
        close(output[0]);
        close(output[1]);
        return nullptr;
    }
    // Nothing is ever written to the program's input: it sees end of file.
    close(input[1]);

    std::string folder = AnsiToUtf8(workingFolder);
    // The interpreter looks in the working folder first, as CMD does.
    const char* oldPath = std::getenv("PATH");
    std::string path = folder + ":" + (oldPath ? oldPath : "/usr/bin:/bin");
    // The command line is the interpreter's to read as a whole, operators
    // included, as CMD reads it.
    std::string script = "cd " + ShellQuote(folder) + " || exit 127\nPATH=" + ShellQuote(path)
                       + "\nexport PATH\n" + AnsiToUtf8(commandLine);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    posix_spawn_file_actions_adddup2(&actions, output[1], 2);
    posix_spawn_file_actions_addclose(&actions, input[0]);
    posix_spawn_file_actions_addclose(&actions, output[1]);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    const char* argv[] = {"/bin/sh", "-c", script.c_str(), nullptr};
    pid_t pid = 0;
    int failed = posix_spawn(&pid, "/bin/sh", &actions, &attributes, const_cast<char* const*>(argv), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    close(input[0]);
    close(output[1]);
    if (failed != 0) {
        close(output[0]);
        return nullptr;
    }
    return std::make_unique<PosixChildProcess>(pid, output[0]);
}

} // namespace lorivex::platform
