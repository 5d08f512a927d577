// "lorivex variable": a topic variable at the selection.
#include "base/Exception.h"
#include "cli/Command.h"
#include "cli/DocumentCommand.h"
#include "commands/LorivexModule.h"
#include "commands/TopicVariableDialog.h"

namespace lorivex::cli {

int RunVariable(const std::vector<std::string>& args)
{
    std::vector<std::string> rest = args;
    DocumentArguments document;
    if (std::string error = TakeDocumentArguments(rest, document, true); !error.empty())
        return UsageError("variable", error);
    std::string name;
    for (size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == "--name" && i + 1 < rest.size())
            name = rest[++i];
        else
            return UsageError("variable", "unknown argument '" + rest[i] + "'");
    }
    int item = -1;
    for (int i = 0; i < int(std::size(TopicVariables)); ++i)
        if (name == TopicVariables[i].Property)
            item = i;
    if (item < 0)
        return UsageError("variable", "--name takes one of lxTopicTitle, lxCompiledFile, lxCompileTime, "
                                      "lxSeeAlsoLinks, lxSeeAlsoPopup");
    auto answer = ui::ScopedAnswer::Form("TTopicVariableDialog", [item](ui::TForm& form) {
        auto& dialog = dynamic_cast<TTopicVariableDialog&>(form);
        dialog.TopicVariableGroup->Choose(item);
        dialog.BitBtn1->Click();
    });
    return RunOnDocument("variable", document,
                         [](TLorivexModule& module) { module.InsertTopicVariableClick(module); });
}

} // namespace lorivex::cli
