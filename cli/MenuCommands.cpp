// The toolbar's Tools menus on the command line: "lorivex recent",
// "templates" and "symbols" list what the menus would show, and "recent
// --open", "new" and "symbol" choose an item as a click would.
#include <filesystem>
#include <iostream>

#include "base/Exception.h"
#include "cli/Command.h"
#include "cli/DocumentCommand.h"
#include "commands/LorivexModule.h"
#include "engine/Engine.h"
#include "platform/CaseFolding.h"
#include "platform/CodePages.h"
#include "platform/FileSystem.h"
#include "services/word/Word.h"

namespace lorivex::cli {

namespace {

// Runs a menu handler with the menu answered: list prints every item and
// closes the menu, or the item chosen is the one pick returns (-1: none).
int RunMenu(const std::string& menuName,
            const std::function<void(TLorivexModule&)>& click,
            const std::function<int(const ui::TPopupMenu&)>& pick, TLorivexModule& module)
{
    auto errors = PrintErrorDialogs();
    auto answer = ui::ScopedAnswer::Popup(menuName, pick);
    try {
        click(module);
    } catch (const std::exception& e) {
        bool handled = false;
        module.AddInModuleError(e, handled);
        return 1;
    }
    return 0;
}

std::string Utf8(const std::string& ansi)
{
    return platform::AnsiToUtf8(ansi);
}

// The item whose caption is NAME without regard to case; -1 when none.
int ItemNamed(const ui::TPopupMenu& menu, const std::string& name)
{
    for (int i = 0; i < menu.Count(); ++i)
        if (!menu.Items(i).IsLine() && platform::AnsiSameText(menu.Items(i).Caption, name))
            return i;
    return -1;
}

std::string Captions(const ui::TPopupMenu& menu)
{
    std::string names;
    for (int i = 0; i < menu.Count(); ++i)
        if (!menu.Items(i).IsLine())
            names += (names.empty() ? "" : ", ") + Utf8(menu.Items(i).Caption);
    return names;
}

} // namespace

int RunRecent(const std::vector<std::string>& args)
{
    int open = 0;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--open" && i + 1 < args.size()) {
            try {
                open = std::stoi(args[++i]);
            } catch (const std::exception&) {
                return UsageError("recent", "--open takes the number of an item");
            }
            if (open < 1)
                return UsageError("recent", "--open takes the number of an item");
        } else {
            return UsageError("recent", "unknown argument '" + args[i] + "'");
        }
    }
    TLorivexModule module;
    module.WordApp = engine::CreateApplication();
    bool chosen = false;
    std::string opened;
    int status = RunMenu("RecentMenu", [](TLorivexModule& m) { m.RecentFilesClick(m); },
                         [&](const ui::TPopupMenu& menu) {
                             int number = 0;
                             for (int i = 0; i < menu.Count(); ++i) {
                                 const auto& item = menu.Items(i);
                                 if (item.IsLine()) {
                                     if (!open)
                                         std::cout << "-\n";
                                     continue;
                                 }
                                 ++number;
                                 if (open == number) {
                                     chosen = true;
                                     if (!item.Enabled)
                                         throw Exception("The file " + item.Hint + " is gone.");
                                     opened = item.Hint;
                                     return i;
                                 }
                                 if (!open)
                                     std::cout << number << "\t" << (item.Tag == 0 ? "document" : "help file") << "\t"
                                               << Utf8(item.Hint) << (item.Enabled ? "" : "\t(missing)") << "\n";
                             }
                             return -1;
                         },
                         module);
    if (status == 0 && open && !chosen)
        return UsageError("recent", "there is no item " + std::to_string(open));
    if (status == 0 && chosen)
        std::cout << "Opened " << Utf8(opened) << "\n";
    return status;
}

int RunTemplates(const std::vector<std::string>& args)
{
    if (!args.empty())
        return UsageError("templates", "unknown argument '" + args.front() + "'");
    TLorivexModule module;
    return RunMenu("TemplatesPopup", [](TLorivexModule& m) { m.TemplatesClick(m); },
                   [](const ui::TPopupMenu& menu) {
                       for (int i = 0; i < menu.Count(); ++i)
                           std::cout << Utf8(menu.Items(i).Caption) << "\t" << Utf8(menu.Items(i).Hint) << "\n";
                       return -1;
                   },
                   module);
}

int RunNew(const std::vector<std::string>& args)
{
    std::string templateName, document;
    bool overwrite = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--template" && i + 1 < args.size())
            templateName = platform::Utf8ToAnsi(args[++i]);
        else if (args[i] == "--overwrite")
            overwrite = true;
        else if (document.empty() && !args[i].starts_with("-"))
            document = args[i];
        else
            return UsageError("new", "unknown argument '" + args[i] + "'");
    }
    if (templateName.empty() || document.empty())
        return UsageError("new", "give --template NAME and the new document DOC.docx");
    const std::string path = FullPath(document);
    std::error_code ec;
    if (std::filesystem::exists(FileSystemPath(path), ec) && !overwrite)
        return UsageError("new", path + " exists already; give --overwrite to replace it");
    TLorivexModule module;
    module.WordApp = engine::CreateApplication();
    std::string known;
    int status = RunMenu("TemplatesPopup", [](TLorivexModule& m) { m.TemplatesClick(m); },
                         [&](const ui::TPopupMenu& menu) {
                             known = Captions(menu);
                             return ItemNamed(menu, templateName);
                         },
                         module);
    if (status != 0)
        return status;
    if (module.WordApp->Documents()->Count() == 0)
        return UsageError("new", "there is no template \"" + platform::AnsiToUtf8(templateName) + "\"" +
                                     (known.empty() ? "; no templates are installed" : "; the templates are " + known));
    try {
        module.WordApp->ActiveDocument()->SaveAs(platform::Utf8ToUtf16(path), word::wdFormatXMLDocument, false);
    } catch (const Exception& e) {
        std::cerr << "lorivex new: " << platform::AnsiToUtf8(e.Message()) << "\n";
        return 1;
    }
    std::cout << "Made " << path << " from the template " << platform::AnsiToUtf8(templateName) << "\n";
    return 0;
}

int RunSymbols(const std::vector<std::string>& args)
{
    if (!args.empty())
        return UsageError("symbols", "unknown argument '" + args.front() + "'");
    TLorivexModule module;
    return RunMenu("SymbolsPopup", [](TLorivexModule& m) { m.SymbolsClick(m); },
                   [](const ui::TPopupMenu& menu) {
                       for (int i = 0; i < menu.Count(); ++i) {
                           const auto& item = menu.Items(i);
                           std::cout << Utf8(item.Caption) << "\t" << item.Bitmap->Width() << " x "
                                     << item.Bitmap->Height() << "\t" << Utf8(item.Hint) << "\n";
                       }
                       return -1;
                   },
                   module);
}

int RunSymbol(const std::vector<std::string>& args)
{
    std::vector<std::string> rest = args;
    DocumentArguments document;
    if (std::string error = TakeDocumentArguments(rest, document, true); !error.empty())
        return UsageError("symbol", error);
    std::string name;
    for (size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == "--symbol" && i + 1 < rest.size())
            name = platform::Utf8ToAnsi(rest[++i]);
        else
            return UsageError("symbol", "unknown argument '" + rest[i] + "'");
    }
    if (name.empty())
        return UsageError("symbol", "give the symbol with --symbol NAME (lorivex symbols lists them)");
    auto answer = ui::ScopedAnswer::Popup("SymbolsPopup", [&](const ui::TPopupMenu& menu) {
        int index = ItemNamed(menu, name);
        if (index < 0)
            throw Exception("There is no symbol \"" + name + "\"; the symbols are " + Captions(menu) + ".");
        return index;
    });
    return RunOnDocument("symbol", document, [](TLorivexModule& module) { module.SymbolsClick(module); });
}

} // namespace lorivex::cli
