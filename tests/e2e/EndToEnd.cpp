#include "e2e/EndToEnd.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <sys/wait.h>

#include "platform/ChildProcess.h"
#include "platform/FileSystem.h"
#include "platform/Versions.h"

namespace lorivex::test {

namespace fs = std::filesystem;

namespace {

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

} // namespace

ProgramRun RunLorivex(const std::vector<std::string>& args, const std::string& tempFolder, const std::string& prefix)
{
    std::vector<std::string> command = {
        platform::JoinPath(platform::ExtractFilePath(platform::ProgramPath()), "lorivex")};
    command.insert(command.end(), args.begin(), args.end());
    return Run("TMPDIR=" + platform::QuoteCommandLine({tempFolder}) + " " + prefix + platform::QuoteCommandLine(command));
}

std::map<std::string, std::string> UnpackChm(const std::string& chm, const TempFolder& scratch)
{
    std::string into = scratch / "unpacked";
    // 7-Zip reads the whole file; extract_chmLib silently stops early on
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
