#include "cli/DocumentCommand.h"

#include <filesystem>
#include <iostream>

#include "commands/LorivexModule.h"
#include "engine/Engine.h"
#include "platform/CodePages.h"
#include "services/ExceptionDialog.h"
#include "services/word/Word.h"

namespace lorivex::cli {

namespace {

// A file without any write permission is read-only for everybody,
// root included: the command refuses it rather than replace it.
bool ReadOnly(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    auto permissions = fs::status(FileSystemPath(path), ec).permissions();
    constexpr auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return !ec && (permissions & writable) == fs::perms::none;
}

std::string CheckDocument(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::exists(FileSystemPath(path), ec))
        return "no such document: " + path;
    if (!std::filesystem::is_regular_file(FileSystemPath(path), ec))
        return path + " is not a file";
    if (ReadOnly(path))
        return path + " is read-only; nothing was changed";
    return {};
}

// Word's selection: the first occurrence of the text, or the end of the
// document (in front of its last paragraph mark).
bool PlaceSelection(const word::DocumentPtr& document, const std::optional<std::string>& at)
{
    auto selection = document->ActiveWindow()->Selection();
    auto content = document->Content();
    if (!at) {
        selection->SetStart(content->End() - 1);
        selection->SetEnd(content->End() - 1);
        return true;
    }
    auto found = content->Duplicate();
    if (!found->Find()->Execute(platform::Utf8ToUtf16(*at), true))
        return false;
    selection->SetStart(found->Start());
    selection->SetEnd(found->End());
    return true;
}

} // namespace

std::filesystem::path FileSystemPath(const std::string& path)
{
    // From UTF-16 the path is made in the platform's own form: UTF-8 bytes
    // on POSIX, UTF-16 on Windows.
    return std::filesystem::path(platform::Utf8ToUtf16(path));
}

std::string FullPath(const std::string& path)
{
    return platform::Utf16ToUtf8(std::filesystem::absolute(FileSystemPath(path)).lexically_normal().u16string());
}

std::string TakeDocumentArguments(std::vector<std::string>& args, DocumentArguments& into, bool withAt)
{
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        if (withAt && args[i] == "--at") {
            if (i + 1 >= args.size())
                return "option --at needs the text to select";
            into.At = args[++i];
        } else if (into.Document.empty() && !args[i].starts_with("-")) {
            into.Document = args[i];
        } else {
            rest.push_back(args[i]);
        }
    }
    if (into.Document.empty())
        return "give the document (a .docx file)";
    args = std::move(rest);
    return {};
}

ui::ScopedAnswer PrintErrorDialogs(std::function<void()> beforePrinting)
{
    return ui::ScopedAnswer::Form("TlxExceptionDialog", [beforePrinting](ui::TForm& form) {
        if (beforePrinting)
            beforePrinting();
        auto& dialog = dynamic_cast<TlxExceptionDialog&>(form);
        std::cerr << "Error: " << platform::AnsiToUtf8(dialog.ExceptionLabel->Caption()) << "\n";
        if (dialog.DetailsCheckBox->Enabled() && dialog.TraceListBox->Items.Count() > 0) {
            std::cerr << "Call stack:\n";
            for (int i = 0; i < dialog.TraceListBox->Items.Count(); ++i)
                std::cerr << "  " << platform::AnsiToUtf8(dialog.TraceListBox->Items[i]) << "\n";
        }
        dialog.OkButton->Click();
    });
}

int UsageError(const std::string& commandName, const std::string& message)
{
    std::cerr << "lorivex " << commandName << ": " << message << " (see lorivex " << commandName << " --help)\n";
    return 2;
}

int RunOnDocument(const std::string& commandName, const DocumentArguments& arguments,
                  const std::function<void(TLorivexModule& module)>& command)
{
    const std::string path = FullPath(arguments.Document);
    if (std::string problem = CheckDocument(path); !problem.empty()) {
        std::cerr << "lorivex " << commandName << ": " << problem << "\n";
        return 2;
    }
    auto errors = PrintErrorDialogs();
    TLorivexModule module;
    module.WordApp = engine::CreateApplication();
    word::DocumentPtr document;
    try {
        document = module.WordApp->Documents()->Open(platform::Utf8ToUtf16(path));
    } catch (const Exception& e) {
        std::cerr << "lorivex " << commandName << ": " << platform::AnsiToUtf8(e.Message()) << "\n";
        return 2;
    }
    if (!PlaceSelection(document, arguments.At)) {
        std::cerr << "lorivex " << commandName << ": the text \"" << *arguments.At << "\" is not in " << path
                  << "; nothing was changed\n";
        return 2;
    }
    try {
        command(module);
        // Saved whole or not at all: a failed save leaves the old file.
        document->SaveAs(platform::Utf8ToUtf16(path), word::wdFormatXMLDocument, false);
    } catch (const std::exception& e) {
        bool handled = false;
        module.AddInModuleError(e, handled);
        if (!handled)
            std::cerr << "Error: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

} // namespace lorivex::cli
