// "lorivex compile": the person in front of the add-in. The document is
// opened in the engine and made the active document, the compile command of
// the add-in module runs, and the dialogs it shows are answered from the
// command line's flags as a person would tick the boxes.
#include <algorithm>
#include <iostream>
#include <optional>

#include "cli/Command.h"
#include "cli/DocumentCommand.h"
#include "commands/LorivexModule.h"
#include "compiler/CompilerUi.h"
#include "compiler/HtmlCompilerOptionsForm.h"
#include "compiler/KeptWorkFiles.h"
#include "compiler/TopicProgress.h"
#include "engine/Engine.h"
#include "platform/CodePages.h"
#include "platform/Console.h"
#include "platform/FileSystem.h"
#include "services/LorivexUtils.h"
#include "services/word/Word.h"
#include "ui/headless/Answerers.h"

namespace lorivex::cli {

namespace {

struct CompileFlags {
    std::string document;
    std::optional<std::string> output, compiler, keepWorkFolder;
    std::optional<bool> toc, index, search, headers, overwrite, open;
};

// Parses the flags; returns an error text for bad input.
std::string Parse(const std::vector<std::string>& args, CompileFlags& flags)
{
    auto value = [&](size_t& i) -> std::optional<std::string> {
        if (i + 1 >= args.size())
            return std::nullopt;
        return args[++i];
    };
    struct Switch { const char* name; std::optional<bool> CompileFlags::*field; };
    const Switch switches[] = {{"toc", &CompileFlags::toc},         {"index", &CompileFlags::index},
                               {"search", &CompileFlags::search},   {"headers", &CompileFlags::headers},
                               {"overwrite", &CompileFlags::overwrite}, {"open", &CompileFlags::open}};
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        struct Valued { const char* name; std::optional<std::string> CompileFlags::*field; };
        const Valued valued[] = {{"-o", &CompileFlags::output}, {"--output", &CompileFlags::output},
                                 {"--compiler", &CompileFlags::compiler},
                                 {"--keep-work-folder", &CompileFlags::keepWorkFolder}};
        const auto named = std::find_if(std::begin(valued), std::end(valued),
                                        [&](const Valued& v) { return arg == v.name; });
        if (named != std::end(valued)) {
            auto v = value(i);
            if (!v)
                return "option " + arg + " needs a value";
            flags.*(named->field) = *v;
            continue;
        }
        bool known = false;
        for (const auto& s : switches) {
            if (arg == std::string("--") + s.name || arg == std::string("--no-") + s.name) {
                flags.*(s.field) = arg.rfind("--no-", 0) != 0;
                known = true;
            }
        }
        if (known)
            continue;
        if (!arg.empty() && arg[0] == '-')
            return "unknown option '" + arg + "'";
        if (!flags.document.empty())
            return "only one document can be compiled at a time";
        flags.document = arg;
    }
    return {};
}

std::string SamplePath()
{
    return platform::JoinPath(platform::JoinPath(GetLorivexDir(), "examples"), "Sample.docx");
}

// Ticks the options dialog's boxes from the flags on top of what it loaded
// from the stored settings, then presses OK. When a warning keeps the dialog
// open, the second visit cancels: a person at a terminal cannot answer.
void AnswerOptions(const CompileFlags& flags, std::string& outputFile, bool& keptOpen, ui::TForm& form)
{
    auto& dialog = dynamic_cast<THtmlCompilerOptionsForm&>(form);
    if (!outputFile.empty()) {
        keptOpen = true;
        dialog.CancelButton->Click();
        return;
    }
    if (flags.output) {
        // As a person picks a folder in the save dialog, the folder exists.
        std::string output = platform::Utf8ToAnsi(FullPath(*flags.output));
        platform::ForceDirectories(platform::ExtractFilePath(output));
        dialog.OutputFileEdit->SetText(output);
    }
    if (flags.compiler)
        dialog.CompilerFileNameEdit->SetText(platform::Utf8ToAnsi(*flags.compiler));
    auto tick = [](ui::TCheckBox* box, const std::optional<bool>& value) {
        if (value)
            box->SetChecked(*value);
    };
    tick(dialog.IncludeTocCB, flags.toc);
    tick(dialog.IncludeKeywordsCB, flags.index);
    tick(dialog.IncludeFullTextSearchCB, flags.search);
    tick(dialog.IncludeHeadersCB, flags.headers);
    tick(dialog.OverWriteCb, flags.overwrite);
    tick(dialog.OpenHelpCB, flags.open);
    outputFile = dialog.OutputFileEdit->Text();
    dialog.OkButton->Click();
}

} // namespace

int RunCompile(const std::vector<std::string>& args)
{
    CompileFlags flags;
    if (std::string error = Parse(args, flags); !error.empty()) {
        std::cerr << "lorivex compile: " << error << " (see lorivex compile --help)\n";
        return 2;
    }
    std::string document = flags.document.empty() ? platform::AnsiToUtf8(SamplePath()) : FullPath(flags.document);
    if (!platform::FileExists(platform::Utf8ToAnsi(document))) {
        std::cerr << "lorivex compile: no such document: " << document << "\n";
        return 2;
    }
    std::string keptFolder;
    if (flags.keepWorkFolder) {
        keptFolder = platform::Utf8ToAnsi(FullPath(*flags.keepWorkFolder));
        // Files of an earlier run left beside this run's would not tell which is which.
        if (!platform::ListDirectory(keptFolder).empty()) {
            std::cerr << "lorivex compile: the folder for the work files is not empty: " << *flags.keepWorkFolder
                      << "\n";
            return 2;
        }
    }
    std::string outputFile;
    bool keptOpen = false;
    auto options = ui::ScopedAnswer::Form("THtmlCompilerOptionsForm", [&](ui::TForm& form) {
        AnswerOptions(flags, outputFile, keptOpen, form);
    });
    // On a terminal the pages' progress shows on one line redrawn in place,
    // taken off before anything else is printed; a pipe gets only the lines.
    const bool terminal = platform::StandardOutputIsTerminal();
    TProgressLine progress;
    auto eraseProgress = [&] {
        if (std::string erase = progress.Erase(); !erase.empty())
            std::cout << erase << std::flush;
    };
    auto warnings = ui::ScopedAnswer::MessageBoxes([&](const ui::MessageBoxRequest& request) {
        eraseProgress();
        std::cerr << "Warning: " << platform::AnsiToUtf8(request.Text) << "\n";
        return ui::mrOk;
    });
    auto errors = PrintErrorDialogs(eraseProgress);
    SetCompilerLineObserver([&](const std::string& line) {
        eraseProgress();
        std::cout << platform::AnsiToUtf8(line) << std::endl;
    });
    if (terminal)
        SetTopicProgressObserver([&](size_t topic, size_t total) {
            if (std::string text = progress.Update(topic, total, TProgressLine::Clock::now()); !text.empty())
                std::cout << text << std::flush;
        });
    struct Unobserve {
        ~Unobserve()
        {
            SetTopicProgressObserver(nullptr);
            SetCompilerLineObserver(nullptr);
            SetKeptWorkFolder({});
        }
    } unobserve;
    SetKeptWorkFolder(keptFolder);

    TLorivexModule module;
    module.WordApp = engine::CreateApplication();
    try {
        module.WordApp->Documents()->Open(platform::Utf8ToUtf16(document));
        module.CompileHtmlHelpClick(module);
    } catch (const std::exception& e) {
        eraseProgress();
        bool handled = false;
        module.AddInModuleError(e, handled);
        if (!handled)
            std::cerr << "Error: " << e.what() << "\n";
        return 1;
    }
    eraseProgress();
    if (keptOpen) {
        std::cerr << "lorivex compile: the options were not accepted; nothing was compiled.\n";
        return 1;
    }
    if (outputFile.empty() || !platform::FileExists(outputFile)) {
        std::cerr << "lorivex compile: no help file was produced"
                  << (outputFile.empty() ? std::string() : " at " + platform::AnsiToUtf8(outputFile)) << ".\n";
        return 1;
    }
    std::cout << "Compiled " << platform::AnsiToUtf8(outputFile) << "\n";
    return 0;
}

} // namespace lorivex::cli
