// lorivex: compiles a help document into an HTML Help file, and gives help
// authors the add-in's commands on the command line.
#include <iostream>

#include "cli/Command.h"
#include "platform/CodePages.h"
#include "platform/FileSystem.h"
#include "platform/Program.h"
#include "base/Exception.h"
#include "ui/Application.h"
#include "ui/headless/HeadlessBackend.h"
#include "services/LorivexUtils.h"
#include "platform/Versions.h"

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
         "For this run only (not stored):\n"
         "      --keep-work-folder DIR\n"
         "                           copy the pages, contents, index and project into\n"
         "                           DIR as the help compiler is given them (DIR is\n"
         "                           created; it must not hold anything yet)\n"
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
        {"keyword", "Mark the selected text as a keyword of the index (Ctrl+Shift+Alt+K)",
         "Usage: lorivex keyword DOC.docx --at TEXT\n"
         "\n"
         "Selects the first occurrence of TEXT in the document and runs the index-entry\n"
         "shortcut on it, as pressing Ctrl+Shift+Alt+K in Word does: an index-entry (XE)\n"
         "field with TEXT as its keyword goes in after it, hidden. The compiled help's\n"
         "keyword index then leads to the topic that holds it. The document is saved.\n",
         RunKeyword},
        {"related", "Choose the related topics of a topic",
         "Usage: lorivex related DOC.docx --topic PATH [--select PATH]...\n"
         "\n"
         "Runs the Related Topics dialog with the cursor in the topic PATH and confirms\n"
         "it with the --select topics chosen in its tree; without --select the topic's\n"
         "list is emptied. A PATH is the topic's place in the contents: the titles of\n"
         "its headings from the top level down, joined by \\, as in\n"
         "  lorivex related Manual.docx --topic 'Installation\\Requirements' \\\n"
         "                              --select 'Installation\\Upgrading'\n"
         "The list is kept in a hidden field of the topic; where a topic variable\n"
         "lxSeeAlsoLinks or lxSeeAlsoPopup stands, the compiled page shows the related\n"
         "topics as a line of links or as a popup menu. The document is saved.\n",
         RunRelated},
        {"popup", "Make the selected text open a popup window with a text",
         "Usage: lorivex popup DOC.docx --at TEXT --text POPUP_TEXT\n"
         "       lorivex popup DOC.docx --link TEXT --text POPUP_TEXT\n"
         "\n"
         "Runs the Text Popup dialog on the first occurrence of TEXT (--at), or types a\n"
         "new link text TEXT at the end of the document (--link): in the compiled help,\n"
         "clicking the link opens a small window showing POPUP_TEXT; \\n in it starts a\n"
         "new line. The document gets a hidden bookmark, a hyperlink and a script block\n"
         "for the popup. The document is saved.\n",
         RunPopup},
        {"variable", "Insert a topic variable (title, file, compile time, related topics)",
         "Usage: lorivex variable DOC.docx [--at TEXT] --name NAME\n"
         "\n"
         "Inserts a topic variable as the Insert Variable dialog does: a DOCPROPERTY\n"
         "field in place of the first occurrence of TEXT (or at the end of the\n"
         "document). Each compiled page shows its own value. NAME is one of\n"
         "  lxTopicTitle    the topic's title\n"
         "  lxCompiledFile  the compiled help file's name\n"
         "  lxCompileTime   when the help file was compiled\n"
         "  lxSeeAlsoLinks  the related topics, as a line of links\n"
         "  lxSeeAlsoPopup  the related topics, as a popup menu\n"
         "The document property of that name gets a sample value when it has none, so\n"
         "that the field shows something in the document. The document is saved.\n",
         RunVariable},
        {"stylesheet", "Link a stylesheet to every compiled page, or unlink it",
         "Usage: lorivex stylesheet DOC.docx FILE.css\n"
         "       lorivex stylesheet DOC.docx --none\n"
         "\n"
         "Records FILE.css (its full path) as the stylesheet every page of the compiled\n"
         "help links to, as the Linked StyleSheet command does; --none removes the\n"
         "stylesheet the document names. The compile run copies the file into the help\n"
         "file. The document is saved.\n",
         RunStyleSheet},
        {"paste-code", "Paste a source file as syntax-highlighted code", PasteCodeUsage(), RunPasteCode},
        {"recent", "List the recently compiled documents and help files",
         "Usage: lorivex recent [--open N]\n"
         "\n"
         "Lists what the toolbar's Recent menu shows: the documents compiled last and\n"
         "the help files they made, most recent first, each with its number, its kind\n"
         "and its path; a file that is gone is marked (missing). With --open N, does\n"
         "what choosing item N does: a document is opened, a help file is shown with\n"
         "the program that opens .chm files (xdg-open, or LORIVEX_OPEN_COMMAND).\n",
         RunRecent},
        {"templates", "List the installed templates for new help documents",
         "Usage: lorivex templates\n"
         "\n"
         "Lists the templates the toolbar's Templates menu shows: the documents in the\n"
         "\"templates\" folder of the installation whose extension begins with .doc\n"
         "(what Windows finds for *.doc), by name and path.\n",
         RunTemplates},
        {"new", "Start a new help document from a template",
         "Usage: lorivex new --template NAME DOC.docx [--overwrite]\n"
         "\n"
         "Makes DOC.docx from the installed template NAME (see lorivex templates), as\n"
         "choosing it in the Templates menu does, and saves it. An existing DOC.docx\n"
         "is replaced only with --overwrite.\n",
         RunNew},
        {"symbols", "List the installed symbol pictures",
         "Usage: lorivex symbols\n"
         "\n"
         "Lists the pictures the toolbar's Symbols menu shows: the .bmp and .gif files\n"
         "of the \"Symbols\" folder of the installation, with their size in pixels.\n",
         RunSymbols},
        {"symbol", "Insert a symbol picture into a document",
         "Usage: lorivex symbol DOC.docx --symbol NAME [--at TEXT]\n"
         "\n"
         "Inserts the symbol NAME (see lorivex symbols) as choosing it in the Symbols\n"
         "menu does: in place of the first occurrence of TEXT, or at the end of the\n"
         "document. The picture is kept in the document. The document is saved.\n",
         RunSymbol},
        {"about", "Show the program information (version, web page)",
         "Usage: lorivex about\n"
         "\n"
         "Prints what the About box shows: the product, its build number, its web page\n"
         "and its support forum.\n",
         RunAbout},
        {"help", "Open Lorivex's own help file",
         "Usage: lorivex help\n"
         "\n"
         "Opens Lorivex2008.chm, the user manual installed beside the program, as the\n"
         "toolbar's \"Help on Lorivex\" button does: with the program that opens .chm\n"
         "files (xdg-open, or the program LORIVEX_OPEN_COMMAND names).\n",
         RunHelp},
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
    if (args[0] == "--help" || args[0] == "-h") {
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
            // Without an installed add-in, the templates, symbols and help
            // are looked for beside this program.
            SetUnregisteredLorivexDir(lorivex::platform::ExtractFilePath(lorivex::platform::ProgramPath()));
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
