// "lorivex convert": a document saved the way the compiler saves each topic
// page, so that an author can see what the engine makes of the document.
#include <iostream>

#include "cli/Command.h"
#include "engine/Engine.h"
#include "platform/CodePages.h"
#include "platform/FileSystem.h"

namespace lorivex::cli {

namespace {

std::string Lower(std::string text)
{
    for (auto& c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c + 32);
    return text;
}

// The save format for the output's name and the --format option; -1 when
// the option names no format.
long FormatFor(const std::string& output, const std::string& option)
{
    if (Lower(platform::ExtractFileExt(output)) == ".docx")
        return word::wdFormatXMLDocument;
    if (option.empty() || option == "filtered")
        return word::wdFormatFilteredHTML;
    if (option == "html")
        return word::wdFormatHTML;
    return -1;
}

} // namespace

int RunConvert(const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    std::string format;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--format" && i + 1 < args.size())
            format = args[++i];
        else
            files.push_back(args[i]);
    }
    long fileFormat = files.size() == 2 ? FormatFor(files[1], format) : -1;
    if (fileFormat < 0) {
        std::cerr << "lorivex convert: give DOC.docx and OUT.html, and --format html or filtered "
                     "(see lorivex convert --help)\n";
        return 2;
    }
    auto application = engine::CreateApplication();
    auto document = application->Documents()->Open(platform::AnsiToUtf16(files[0]));
    document->SaveAs(platform::AnsiToUtf16(files[1]), fileFormat, false);
    document->Close(word::wdDoNotSaveChanges);
    return 0;
}

} // namespace lorivex::cli
