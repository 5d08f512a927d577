// lorivex: compiles a help document into an HTML Help file, and gives help
// authors the add-in's commands on the command line.
#include <iostream>

#include "cli/Command.h"
#include "platform/CodePages.h"
#include "platform/Program.h"
#include "base/Exception.h"
#include "ui/Application.h"
#include "ui/headless/HeadlessBackend.h"

namespace lorivex::cli {


const std::vector<Command>& Commands()
{
    static const std::vector<Command> commands = {
        {"compile", "Compile a help document (.docx) into an HTML Help file (.chm)",
         "Usage: lorivex compile [DOC.docx] [options]\n"
         "\n"
         "Compiles the document as the add-in's \"Compile Help File\" button does: every\n"
         "heading starts a topic, each topic becomes a page, and the help compiler\n"
         "(chmcmd) turns the pages, contents and keyword index into one .chm file.\n"
         "Without DOC it compiles the sample document that comes with Lorivex.\n"
         "\n"
         "The options start from the settings stored for this document (by its file\n"
         "name) and are stored again, as the options dialog does:\n"
         "  -o, --output FILE        the compiled help file (default: DOC with .chm)\n"
         "      --compiler PATH      the help compiler (default: chmcmd on PATH)\n"
         "      --toc, --no-toc      include the table of contents\n"
         "      --index, --no-index  include the keyword index\n"
         "      --search, --no-search\n"
         "                           include full-text search\n"
         "      --headers, --no-headers\n"
         "                           keep each topic's heading in its page\n"
         "      --overwrite, --no-overwrite\n"
         "                           replace an existing output file\n"
         "      --open, --no-open    open the help file when it is compiled\n"
         "\n"
         "The compiler's progress lines are printed as they arrive. The exit status\n"
         "is 0 only when the help file was produced.\n",
         RunCompile},
        {"info", "Show the folders, language and formats this installation uses",
         "Usage: lorivex info [--date-format PATTERN]\n"
         "\n"
         "Prints the version, the install folder registered for the add-in, the\n"
         "temporary folder compile runs work in, the Documents folder, the default\n"
         "help compiler, the user's language and ANSI code page, and the current\n"
         "time as a compile run would stamp it.\n"
         "\n"
         "  --date-format PATTERN  format the time with PATTERN (the pattern\n"
         "                         language of the lxDateFormat document property,\n"
         "                         e.g. \"yyyy-mm-dd hh:nn\") instead of the user's\n"
         "                         long date format\n",
         RunInfo},
        {"inspect", "Print the document engine's view of a .docx as JSON",
         "Usage: lorivex inspect DOC.docx\n"
         "\n"
         "Opens DOC.docx with the document engine and prints, as JSON in UTF-8, what\n"
         "the compiler will see: every paragraph with its index, outline level (1-9\n"
         "headings, 10 body text), style and text; the fields with type, code and\n"
         "result; the bookmarks (hidden ones too) with their positions; the\n"
         "hyperlinks; the styles in use; the built-in and custom document\n"
         "properties; and the text of the headers and footers. Keys always come in\n"
         "the same order, so two outputs can be compared line by line.\n",
         RunInspect},
        {"convert", "Save a .docx as an HTML page the way topic pages are saved",
         "Usage: lorivex convert DOC.docx OUT.html [--format filtered|html]\n"
         "\n"
         "Opens DOC.docx with the document engine and saves it as OUT.html, the way\n"
         "a compile run saves each topic page: filtered HTML by default, Word's own\n"
         "HTML (with Office markup) with --format html. Pictures go into the folder\n"
         "OUT_files beside the page. The page is in the ANSI code page; characters\n"
         "outside it are written as numeric character references.\n"
         "\n"
         "When OUT ends in .docx the document is saved as a Word document instead.\n"
         "\n"
         "  --format filtered  clean HTML 4 (the default)\n"
         "  --format html      Word's own HTML, as Word 2000 and 2002 save topics\n",
         RunConvert},
        {"highlight", "Print a source file syntax-highlighted, as Paste Code colours it",
         HighlightUsage(), RunHighlight},
    };
    return commands;
}

} // namespace lorivex::cli

namespace {

using namespace lorivex::cli;

void PrintOverview(std::ostream& out)
{
    out << "Usage: lorivex COMMAND [ARGUMENTS]\n"
           "       lorivex --help | --version\n"
           "\n"
           "Lorivex turns one word-processor document into a compiled HTML Help file:\n"
           "every heading starts a topic, the heading levels make the contents.\n"
           "\n"
           "Commands:\n";
    for (const auto& command : Commands())
        out << "  " << command.Name << std::string(12 - std::min<size_t>(command.Name.size(), 11), ' ')
            << command.Summary << "\n";
    out << "\n"
           "Run 'lorivex COMMAND --help' for the options of a command.\n"
           "Settings live in ~/.config/lorivex (or $XDG_CONFIG_HOME/lorivex).\n";
}

} // namespace

int lorivex::platform::ProgramMain(const std::vector<std::string>& args)
{
    // The command line answers the dialogs itself: no window may open, not
    // even on Windows, where a process starts with real windows.
    lorivex::ui::Application().SetBackend(std::make_unique<lorivex::ui::headless::HeadlessBackend>());
    if (args.empty()) {
        PrintOverview(std::cerr);
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintOverview(std::cout);
        return 0;
    }
    if (args[0] == "--version" || args[0] == "-V") {
        std::cout << "lorivex " << VersionText() << "\n";
        return 0;
    }
    for (const auto& command : Commands()) {
        if (command.Name != args[0])
            continue;
        std::vector<std::string> rest(args.begin() + 1, args.end());
        for (const auto& arg : rest)
            if (arg == "--help" || arg == "-h") {
                std::cout << command.Usage;
                return 0;
            }
        try {
            EnsureInstallRegistration();
            return command.Run(rest);
        } catch (const lorivex::Exception& e) {
            std::cerr << "lorivex " << command.Name << ": " << lorivex::platform::AnsiToUtf8(e.Message()) << "\n";
            if (auto* elx = dynamic_cast<const lorivex::ElxException*>(&e); elx && !elx->CallStack().empty()) {
                std::cerr << "Call stack:\n";
                for (char c : elx->CallStack())
                    if (c != '\r')
                        std::cerr << c;
            }
            return 1;
        }
    }
    std::cerr << "lorivex: unknown command '" << args[0] << "'\n\n";
    PrintOverview(std::cerr);
    return 2;
}
