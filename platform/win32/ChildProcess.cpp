#include "platform/ChildProcess.h"

#include "platform/win32/Win32Api.h"

#include "platform/CodePages.h"

namespace lorivex::platform {

namespace {

struct Handle {
    HANDLE h = nullptr;
    ~Handle()
    {
        if (h && h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
    }
};

class Win32ChildProcess : public ChildProcess {
public:
    Win32ChildProcess(HANDLE process, HANDLE output) { process_.h = process; output_.h = output; }

    bool WaitFor(int milliseconds) override
    {
        return WaitForSingleObject(process_.h, DWORD(milliseconds)) == WAIT_OBJECT_0;
    }

    int ExitCode() override
    {
        DWORD code = 0;
        if (!GetExitCodeProcess(process_.h, &code) || code == STILL_ACTIVE)
            return -1;
        return int(code);
    }

    size_t BytesAvailable() override
    {
        DWORD waiting = 0;
        return PeekNamedPipe(output_.h, nullptr, 0, nullptr, &waiting, nullptr) ? size_t(waiting) : 0;
    }

    std::string Read(size_t count) override
    {
        std::string bytes(count, '\0');
        DWORD got = 0;
        if (!ReadFile(output_.h, bytes.data(), DWORD(count), &got, nullptr))
            got = 0;
        bytes.resize(got);
        return bytes;
    }

private:
    Handle process_;
    Handle output_;
};

} // namespace

std::string QuoteCommandLine(const std::vector<std::string>& programAndArguments)
{
    // CMD takes double quotes literally up to the next one; Windows paths
    // cannot hold a double quote, so none needs escaping.
    std::string line;
    for (size_t i = 0; i < programAndArguments.size(); ++i) {
        const std::string& part = programAndArguments[i];
        bool quote = i > 0 || part.find(' ') != std::string::npos;
        line += (line.empty() ? "" : " ") + (quote ? "\"" + part + "\"" : part);
    }
    return line;
}

std::unique_ptr<ChildProcess> StartChildProcess(const std::string& commandLine, const std::string& workingFolder,
                                                int showWindow)
{
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    Handle outRead, outWrite, inRead, inWrite;
    if (!CreatePipe(&outRead.h, &outWrite.h, &inherit, 0) || !CreatePipe(&inRead.h, &inWrite.h, &inherit, 0))
        return nullptr;
    // Our ends stay with us.
    SetHandleInformation(outRead.h, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(inWrite.h, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = WORD(showWindow);
    startup.hStdInput = inRead.h;
    startup.hStdOutput = outWrite.h;
    startup.hStdError = outWrite.h;
    // With /S, CMD takes off exactly the outer pair of quotes and runs what
    // is inside as it stands. Without it, a line that starts with a quoted
    // program ("my compiler.exe" "x.hhp") loses its first and its last
    // quote, and the program is not found.
    std::u16string line = AnsiToUtf16("CMD /S /C \"" + commandLine + "\"");
    std::u16string folder = AnsiToUtf16(workingFolder);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(line.data()), nullptr, nullptr, TRUE, CREATE_SUSPENDED,
                        nullptr, folder.empty() ? nullptr : reinterpret_cast<const wchar_t*>(folder.c_str()),
                        &startup, &info))
        return nullptr;
    ResumeThread(info.hThread);
    CloseHandle(info.hThread);
    HANDLE output = outRead.h;
    outRead.h = nullptr;
    return std::make_unique<Win32ChildProcess>(info.hProcess, output);
}

} // namespace lorivex::platform
