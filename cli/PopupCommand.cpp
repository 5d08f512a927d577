// "lorivex popup": a text popup on the selected text.
#include "cli/Command.h"
#include "cli/DocumentCommand.h"
#include "commands/LorivexModule.h"
#include "commands/TextPopupDialog.h"
#include "platform/CodePages.h"

namespace lorivex::cli {

int RunPopup(const std::vector<std::string>& args)
{
    std::vector<std::string> rest = args;
    DocumentArguments document;
    if (std::string error = TakeDocumentArguments(rest, document, true); !error.empty())
        return UsageError("popup", error);
    std::string text;
    bool haveText = false, haveLink = false;
    std::string link;
    for (size_t i = 0; i < rest.size(); ++i) {
        if ((rest[i] == "--text" || rest[i] == "--link") && i + 1 < rest.size()) {
            (rest[i] == "--text" ? haveText : haveLink) = true;
            (rest[i] == "--text" ? text : link) = rest[i + 1];
            ++i;
        } else {
            return UsageError("popup", "unknown argument '" + rest[i] + "'");
        }
    }
    if (!haveText)
        return UsageError("popup", "give the popup's text with --text POPUP_TEXT");
    if (!document.At && !haveLink)
        return UsageError("popup", "select the link text with --at TEXT, or give a new one with --link TEXT");
    auto answer = ui::ScopedAnswer::Form("TTextPopupDialog", [&](ui::TForm& form) {
        auto& dialog = dynamic_cast<TTextPopupDialog&>(form);
        if (dialog.LinkTextEdit->Enabled())
            dialog.LinkTextEdit->SetText(platform::Utf8ToAnsi(link));
        // A line break in the text ("\n" typed as such) starts a new line.
        std::string lines = text;
        for (size_t at = lines.find("\\n"); at != std::string::npos; at = lines.find("\\n", at + 2))
            lines.replace(at, 2, "\r\n");
        dialog.PopupTextMemo->SetText(platform::Utf8ToAnsi(lines));
        dialog.BitBtn1->Click();
    });
    return RunOnDocument("popup", document, [](TLorivexModule& module) { module.TextPopupClick(module); });
}

} // namespace lorivex::cli
