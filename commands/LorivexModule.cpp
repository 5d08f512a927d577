#include "commands/LorivexModule.h"

#include <memory>

#include "compiler/LvxDocumentHelper.h"
#include "services/AddInModuleError.h"
#include "base/Finally.h"
#include "services/word/Word.h"
#include "ui/Application.h"

namespace lorivex {

void TLorivexModule::CompileHtmlHelpClick()
{
    Guard("CompileHtmlHelpClick", [&] {
        if (!WordApp || WordApp->Documents()->Count() == 0)
            throw Exception("This command cannot be executed when no document is active.");
        auto document = WordApp->ActiveDocument();
        auto run = std::make_unique<TLvxDocumentHelper>();
        ui::Application().SetScreenCursor(ui::TCursor::HourGlass);
        auto options = WordApp->DefaultWebOptions();
        const bool updateLinks = options->UpdateLinksOnSave();
        const bool relyOnVml = options->RelyOnVML();
        const bool defaultEncoding = options->AlwaysSaveInDefaultEncoding();
        options->SetUpdateLinksOnSave(false);
        options->SetRelyOnVML(false);
        options->SetAlwaysSaveInDefaultEncoding(true);
        Finally([&] { run->CreateHtmlHelp(document); },
                [&] {
                    options->SetUpdateLinksOnSave(updateLinks);
                    options->SetRelyOnVML(relyOnVml);
                    options->SetAlwaysSaveInDefaultEncoding(defaultEncoding);
                    // Freeing the run waits for the compiler, then removes the work folder.
                    run.reset();
                    ui::Application().SetScreenCursor(ui::TCursor::Default);
                });
    });
}

void TLorivexModule::AddInModuleError(const std::exception& e, bool& handled)
{
    lorivex::AddInModuleError(e, handled, WordApp);
}

void TLorivexModule::SaveShowHiddenText()
{
    Guard("SaveShowHiddenText", [&] {
        if (WordApp->Documents()->Count() > 0)
            SavedShowHiddenText = WordApp->ActiveDocument()->ActiveWindow()->View()->ShowHiddenText();
    });
}

void TLorivexModule::RestoreShowHiddenText()
{
    Guard("RestoreShowHiddenText", [&] {
        if (WordApp->Documents()->Count() > 0)
            WordApp->ActiveDocument()->ActiveWindow()->View()->SetShowHiddenText(SavedShowHiddenText);
    });
}

void TLorivexModule::OnLorivexInitialize()
{
}

void TLorivexModule::OnLorivexFinalize()
{
    ui::Application().SetHandle(0);
}

} // namespace lorivex
