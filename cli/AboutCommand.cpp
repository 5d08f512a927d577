// "lorivex about" and "lorivex help": the about box's text, and the
// product's own help file opened as the toolbar's Help button opens it.
#include <iostream>

#include "cli/Command.h"
#include "cli/DocumentCommand.h"
#include "commands/LorivexModule.h"
#include "platform/CodePages.h"
#include "services/AboutForm.h"
#include "services/HtmlHelp.h"

namespace lorivex::cli {

int RunAbout(const std::vector<std::string>& args)
{
    if (!args.empty())
        return UsageError("about", "unknown argument '" + args.front() + "'");
    auto errors = PrintErrorDialogs();
    auto answer = ui::ScopedAnswer::Form("TAboutForm", [](ui::TForm& form) {
        auto& about = dynamic_cast<TAboutForm&>(form);
        std::cout << about.TitleLabel->Caption() << "\n"
                  << about.BuildLabel->Caption() << " " << about.VersionLabel->Caption() << "\n"
                  << about.WebPageLabel->Caption() << " " << about.WebPageLink->Caption() << "\n"
                  << about.SupportLabel->Caption() << " " << about.SupportLink->Caption() << "\n";
        about.OkButton->Click();
    });
    TLorivexModule module;
    try {
        module.AboutLorivexClick(module);
    } catch (const std::exception& e) {
        bool handled = false;
        module.AddInModuleError(e, handled);
        return 1;
    }
    return 0;
}

int RunHelp(const std::vector<std::string>& args)
{
    if (!args.empty())
        return UsageError("help", "unknown argument '" + args.front() + "'");
    auto errors = PrintErrorDialogs();
    TLorivexModule module;
    try {
        module.ShowApplicationHelpClick(module);
    } catch (const std::exception& e) {
        bool handled = false;
        module.AddInModuleError(e, handled);
        return 1;
    }
    std::cout << "Opened " << platform::AnsiToUtf8(HelpFile) << "\n";
    return 0;
}

} // namespace lorivex::cli
