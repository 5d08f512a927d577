// "lorivex keyword": the index-entry shortcut on the selected text.
#include "cli/Command.h"
#include "cli/DocumentCommand.h"
#include "commands/LorivexModule.h"

namespace lorivex::cli {

int RunKeyword(const std::vector<std::string>& args)
{
    std::vector<std::string> rest = args;
    DocumentArguments document;
    if (std::string error = TakeDocumentArguments(rest, document, true); !error.empty())
        return UsageError("keyword", error);
    if (!rest.empty())
        return UsageError("keyword", "unknown argument '" + rest.front() + "'");
    if (!document.At)
        return UsageError("keyword", "give the text to mark with --at TEXT");
    return RunOnDocument("keyword", document, [](TLorivexModule& module) {
        module.InsertKeywordShortcut.OnAction(module.InsertKeywordShortcut);
    });
}

} // namespace lorivex::cli
