// "lorivex info": what this installation sees of its machine. Useful when a
// compile picks an unexpected folder, language or date format.
#include <iostream>

#include "cli/Command.h"
#include "platform/CodePages.h"
#include "platform/Clock.h"
#include "platform/HelpCompiler.h"
#include "platform/Locale.h"
#include "platform/Registry.h"
#include "services/DateFormat.h"
#include "services/LorivexUtils.h"
#include "services/SpecialDirs.h"

namespace lorivex::cli {

namespace {

std::string Hex(unsigned value)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), digits[value % 16]);
        value /= 16;
    } while (value);
    while (text.size() < 3)
        text.insert(text.begin(), '0');
    return text;
}

} // namespace

int RunInfo(const std::vector<std::string>& args)
{
    std::string pattern;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--date-format" && i + 1 < args.size())
            pattern = args[++i];
        else {
            std::cerr << "lorivex info: unknown argument '" << args[i] << "' (see lorivex info --help)\n";
            return 2;
        }
    }
    auto out = [](const std::string& label, const std::string& ansiValue) {
        std::cout << label << ": " << platform::AnsiToUtf8(ansiValue) << "\n";
    };
    TSpecialDirs dirs;
    unsigned lang = platform::UserDefaultLangId();
    out("Version", VersionText());
    out("Install folder", GetLorivexDir());
    out("Temporary folder", GetTempDir());
    out("Documents folder", dirs.GetMyDocumentsDir());
    out("Help compiler", platform::DefaultHelpCompilerPath());
    out("Language", "0x" + Hex(lang) + " " + platform::LanguageName(lang));
    out("ANSI code page", std::to_string(platform::AnsiCodePage()));
    // A compile run formats its time with the document's pattern, or with the
    // long date format when the document has none; so does this preview.
    if (pattern.empty())
        pattern = platform::UserFormatSettings().LongDateFormat;
    out("Compile time", FormatDateTime(pattern, platform::Now()));
    return 0;
}

} // namespace lorivex::cli
