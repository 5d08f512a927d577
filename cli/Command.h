#pragma once
// The lorivex command's sub-commands: each has a name, a one-line summary for
// the overview, its own help text and a handler returning the exit code.
#include <functional>
#include <string>
#include <vector>

namespace lorivex::cli {

struct Command {
    std::string Name;
    std::string Summary;
    std::string Usage; // full help text, printed by "lorivex NAME --help"
    std::function<int(const std::vector<std::string>& args)> Run;
};

const std::vector<Command>& Commands();

// The commands' handlers, one file each.
int RunInfo(const std::vector<std::string>& args);
int RunInspect(const std::vector<std::string>& args);
int RunCompile(const std::vector<std::string>& args);
int RunConvert(const std::vector<std::string>& args);
int RunHighlight(const std::vector<std::string>& args);
std::string HighlightUsage();
int RunKeyword(const std::vector<std::string>& args);
int RunRelated(const std::vector<std::string>& args);
int RunPopup(const std::vector<std::string>& args);
int RunVariable(const std::vector<std::string>& args);
int RunStyleSheet(const std::vector<std::string>& args);
int RunPasteCode(const std::vector<std::string>& args);
std::string PasteCodeUsage();
int RunRecent(const std::vector<std::string>& args);
int RunTemplates(const std::vector<std::string>& args);
int RunNew(const std::vector<std::string>& args);
int RunSymbols(const std::vector<std::string>& args);
int RunSymbol(const std::vector<std::string>& args);
int RunAbout(const std::vector<std::string>& args);
int RunHelp(const std::vector<std::string>& args);


std::string VersionText(); // the version stamped into this program

} // namespace lorivex::cli
