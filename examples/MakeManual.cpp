// Writes Lorivex's own manual as a Word document, from the text files of
// examples/manual, together with the lorivex commands that then add its
// index entries, popups, topic variables, related topics and stylesheet.
//
//   make_manual SOURCE_DIR OUT.docx COMMANDS_FILE
//
// COMMANDS_FILE gets one command a line, its arguments separated by tabs,
// in the order they are to run (examples/manual/run-commands.sh runs them).
#include <filesystem>
#include <fstream>
#include <iostream>

#include "ManualCommands.h"
#include "ManualDocx.h"
#include "platform/Program.h"

int lorivex::platform::ProgramMain(const std::vector<std::string>& arguments)
{
    using namespace lorivex::manual;
    if (arguments.size() != 3) {
        std::cerr << "usage: make_manual SOURCE_DIR OUT.docx COMMANDS_FILE\n";
        return 2;
    }
    namespace fs = std::filesystem;
    try {
        const fs::path source = fs::absolute(arguments[0]);
        const std::string document = fs::absolute(arguments[1]).lexically_normal().string();
        Manual manual = ReadManual(source.string());
        AssignPlaceholders(manual);
        std::string styleSheet;
        if (manual.StyleSheet) {
            styleSheet = (source / manual.StyleSheet->Text).lexically_normal().string();
            if (!fs::is_regular_file(styleSheet))
                throw ManualError(manual.StyleSheet->Where, "no stylesheet file " + styleSheet);
        }
        auto commands = PlanCommands(manual, document, styleSheet);
        std::ofstream out(arguments[2], std::ios::binary | std::ios::trunc);
        WriteCommands(commands, out);
        out.close();
        if (!out)
            throw ManualError(std::string("cannot write ") + arguments[2]);
        WriteDocx(manual, document);
        std::cout << "make_manual: " << manual.Topics.size() << " topics, " << commands.size()
                  << " commands\n";
    } catch (const std::exception& e) {
        std::cerr << "make_manual: " << e.what() << "\n";
        // Nothing half-made stays behind to look up to date to the next build.
        std::error_code ignored;
        fs::remove(arguments[1], ignored);
        fs::remove(arguments[2], ignored);
        return 1;
    }
    return 0;
}
