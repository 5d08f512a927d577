// Starting the help compiler and showing what it prints.
#include "compiler/CaptureExecuteThread.h"
#include "compiler/CompilerUi.h"
#include "compiler/CompileSettings.h"
#include "compiler/LvxDocumentHelper.h"
#include "platform/ChildProcess.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "base/Finally.h"
#include "services/AddInModuleError.h"
#include "services/StringList.h"

namespace lorivex {

namespace {

// The project file shows without its work folder: a line ending in a quoted
// path to the project names only the file.
std::string ShortenProjectPath(std::string line)
{
    if (line.size() < 5 || !SameText(line.substr(line.size() - 5, 4), ".hhp"))
        return line;
    size_t blank = line.find(' ');
    if (blank == std::string::npos || blank >= line.size() - 1)
        return line;
    std::string path = Trim(line.substr(blank, line.size() - 1 - blank));
    if (path.empty())
        return line;
    size_t at = UpperCase(line).find(UpperCase(path));
    if (at != std::string::npos)
        line.replace(at, path.size(), platform::ExtractFileName(path));
    return line;
}

} // namespace

std::string ShortenCompilerLine(const std::string& rawLine)
{
    std::string line;
    for (char c : rawLine)
        line += c == '\t' ? std::string("   ") : std::string(1, c);
    return ShortenProjectPath(line);
}

void TLvxDocumentHelper::CompileFile(const std::string& compiler, const std::string& projectFile, bool openAfter,
                                     const std::string& outputFile)
{
    Guard("CompileFile", [&] {
        SetCompiling(true);
        CompilerWindowClear();
        bool abort = false;
        CaptureThreadMessageCaptured("Starting compiler...", abort);
        try {
            std::string folder = platform::ExcludeTrailingPathDelimiter(platform::ExtractFilePath(compiler));
            if (!folder.empty())
                platform::SetCurrentDir(folder);
            auto thread = std::make_shared<TCaptureExecuteThread>();
            thread->ShowWindow = 0;
            thread->OnCompleted = [this](TCaptureExecuteThread& t) { CaptureThreadCompilerCompleted(t); };
            thread->OnMessage = [this](const std::string& line, bool& stop) { CaptureThreadMessageCaptured(line, stop); };
            thread->OnError = [](const std::exception& failure) {
                bool handled = false;
                AddInModuleError(failure, handled, nullptr);
            };
            exitStatusCounts_ = !SameText(platform::ExtractFileName(compiler), "hhc.exe");
            thread->Synchronize = SynchronizeWithUi;
            thread->CommandLine = platform::QuoteCommandLine({platform::ExtractFileName(compiler), projectFile});
            thread->OpenAfterCompile = openAfter;
            thread->FileToOpen = outputFile;
            thread->CurrentDirectory = folder.empty() ? platform::GetCurrentDir() : folder;
            thread->Start();
        } catch (...) {
            SetCompiling(false);
            throw;
        }
    });
}

void TLvxDocumentHelper::CaptureThreadMessageCaptured(const std::string& line, bool&)
{
    Guard("CaptureThreadMessageCaptured", [&] {
        std::string shown = ShortenCompilerLine(line);
        CompilerWindowAddLine(Trim(line).empty() ? std::string() : shown);
    });
}

void TLvxDocumentHelper::CaptureThreadCompilerCompleted(TCaptureExecuteThread& thread)
{
    Guard("CaptureThreadCompilerCompleted", [&] {
        // The run ends however the checks below end.
        Finally([&] { ReportCompilerResult(thread); },
                [&] {
                    SetCompiling(false);
                    CompilerWindowSetCloseAllowed(true);
                });
    });
}

void TLvxDocumentHelper::ReportCompilerResult(const TCaptureExecuteThread& thread)
{
    if (std::string failure = CompilerFailure(thread); !failure.empty()) {
        // What a failed compiler leaves is no help file (chmcmd leaves an
        // empty one): nobody must take it for one.
        if (platform::FileExists(thread.FileToOpen))
            platform::DeleteFile(thread.FileToOpen);
        bool abort = false;
        CaptureThreadMessageCaptured(failure, abort);
        return;
    }
    if (thread.OpenAfterCompile)
        platform::ShellOpen(thread.FileToOpen);
}

std::string TLvxDocumentHelper::CompilerFailure(const TCaptureExecuteThread& thread) const
{
    const std::string& output = thread.FileToOpen;
    if (exitStatusCounts_ && thread.ExitCode != 0)
        return thread.ExitCode < 0 ? "Error: The help compiler could not be run; no help file was produced."
                                   : "Error: The help compiler failed (exit status " + std::to_string(thread.ExitCode)
                                         + "); no help file was produced.";
    if (!platform::FileExists(output) || platform::FileSize(output) == 0)
        return "Error: The help compiler produced no help file.";
    return {};
}

void TLvxDocumentHelper::SaveRecentFile(const std::string& documentFullName, const std::string& outputFile)
{
    Guard("SaveRecentFile", [&] {
        AddRecentFile(RecentDocumentsKey, documentFullName);
        AddRecentFile(RecentHelpFilesKey, outputFile);
    });
}

} // namespace lorivex
