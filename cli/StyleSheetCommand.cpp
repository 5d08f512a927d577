// "lorivex stylesheet": links a stylesheet to every page, or unlinks it.
#include <filesystem>

#include "base/Exception.h"
#include "cli/Command.h"
#include "cli/DocumentCommand.h"
#include "commands/LorivexModule.h"
#include "commands/StyleSheetDialog.h"
#include "platform/CodePages.h"

namespace lorivex::cli {

int RunStyleSheet(const std::vector<std::string>& args)
{
    std::vector<std::string> rest = args;
    bool none = std::erase(rest, std::string("--none")) > 0;
    DocumentArguments document;
    if (std::string error = TakeDocumentArguments(rest, document, false); !error.empty())
        return UsageError("stylesheet", error);
    if (rest.size() > 1 || (rest.size() == 1 && rest[0].starts_with("-")))
        return UsageError("stylesheet", "unknown argument '" + rest.back() + "'");
    if (none == !rest.empty())
        return UsageError("stylesheet", "give either the stylesheet FILE.css or --none");
    std::string file;
    if (!none) {
        std::error_code ec;
        file = FullPath(rest[0]);
        if (!std::filesystem::is_regular_file(FileSystemPath(file), ec))
            return UsageError("stylesheet", "no such stylesheet: " + file);
    }
    // With a stylesheet named already, the dialog asks what to do: choose
    // the new one, or remove it.
    auto choice = ui::ScopedAnswer::Form("TStyleSheetDialog", [none](ui::TForm& form) {
        auto& dialog = dynamic_cast<TStyleSheetDialog&>(form);
        dialog.RadioGroup->Choose(none ? 2 : 1);
        dialog.BitBtn1->Click();
    });
    auto open = ui::ScopedAnswer::FileDialog("OpenStyleSheetDlg", [&](const ui::TFileDialog&) -> std::optional<std::string> {
        if (none)
            return std::nullopt; // nothing named yet, nothing to remove
        return platform::Utf8ToAnsi(file);
    });
    return RunOnDocument("stylesheet", document,
                         [](TLorivexModule& module) { module.IncludeCustomStyleSheetClick(module); });
}

} // namespace lorivex::cli
