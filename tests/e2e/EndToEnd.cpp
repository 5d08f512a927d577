#include "e2e/EndToEnd.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>

#include "helpers/FolderArchive.h"
#include "platform/ChildProcess.h"
#include "platform/FileSystem.h"
#include "platform/Versions.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace lorivex::test {

namespace fs = std::filesystem;

namespace {

std::string BesideThisProgram(const std::string& name)
{
    return platform::JoinPath(platform::ExtractFilePath(platform::ProgramPath()), name);
}

#ifdef _WIN32

// Through CMD, as the add-in starts its help compiler; standard output and
// standard error come through one pipe.
ProgramRun Run(const std::string& commandLine)
{
    ProgramRun run;
    auto process = platform::StartChildProcess(commandLine, "", 0);
    if (!process)
        return run;
    auto read = [&] {
        if (size_t waiting = process->BytesAvailable())
            run.output += process->Read(waiting);
    };
    while (!process->WaitFor(20))
        read();
    while (process->BytesAvailable() > 0)
        read();
    run.exitCode = process->ExitCode();
    return run;
}

#else

ProgramRun Run(const std::string& commandLine)
{
    ProgramRun run;
    FILE* pipe = popen((commandLine + " 2>&1").c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer;
    size_t got;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.output.append(buffer.data(), got);
    int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

#endif

} // namespace

std::string TestHelpCompiler()
{
#ifdef _WIN32
    return BesideThisProgram("FakeHelpCompiler.exe");
#else
    return BesideThisProgram("FakeHelpCompiler");
#endif
}

ProgramRun RunLorivex(const std::vector<std::string>& args, const std::string& tempFolder, const std::string& prefix)
{
    std::vector<std::string> command = {BesideThisProgram("lorivex")};
    command.insert(command.end(), args.begin(), args.end());
#ifdef _WIN32
    command[0] += ".exe";
    // The default compiler, HTML Help Workshop's, is not installed here: a
    // compile run that names none gets the test compiler.
    if (!args.empty() && args[0] == "compile" && std::find(args.begin(), args.end(), "--compiler") == args.end()
        && std::find(args.begin(), args.end(), "--help") == args.end())
        command.insert(command.end(), {"--compiler", TestHelpCompiler()});
    // GetTempPath looks at TMP first. The quotes of "set" keep the folder's
    // name whole, whatever characters it holds.
    return Run("set \"TMP=" + tempFolder + "\" && set \"TEMP=" + tempFolder + "\" && " + prefix
               + platform::QuoteCommandLine(command));
#else
    return Run("TMPDIR=" + platform::QuoteCommandLine({tempFolder}) + " " + prefix + platform::QuoteCommandLine(command));
#endif
}

std::map<std::string, std::string> UnpackChm(const std::string& chm, const TempFolder& scratch)
{
#ifdef _WIN32
    // What the test compiler left: the files it was given to compile.
    (void)scratch;
    return UnpackFolderArchive(platform::FileExists(chm) ? platform::ReadFileBytes(chm) : std::string());
#else
    std::string into = scratch / "unpacked";
    // 7-Zip reads the whole file; libchm's extractor silently stops early on
    // larger ones.
    Run(platform::QuoteCommandLine({"7z", "x", "-y", "-o" + into, chm}));
    std::map<std::string, std::string> files;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(into, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        if (it->is_regular_file()) {
            std::string name(1, '/');
            name += fs::relative(it->path(), into).generic_string();
            files[name] = platform::ReadFileBytes(it->path().string());
        }
    return files;
#endif
}

std::vector<std::string> SitemapValues(const std::string& sitemap, const std::string& name)
{
    std::vector<std::string> values;
    const std::string key = "<param name=\"" + name + "\" value=\"";
    for (size_t at = sitemap.find(key); at != std::string::npos; at = sitemap.find(key, at + 1)) {
        size_t start = at + key.size();
        values.push_back(sitemap.substr(start, sitemap.find("\">", start) - start));
    }
    return values;
}

} // namespace lorivex::test
