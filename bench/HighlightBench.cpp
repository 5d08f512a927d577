// Times the syntax highlighting engine on generated C++ of 1, 2 and 4 MiB
// (or the sizes given, in MiB): reading the bytes into lines, scanning
// every line, and writing the RTF document that Paste Code pastes. Each
// must grow linearly with the text; 1 MiB has to take well under a second.
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "highlight/CppHighlighter.h"
#include "highlight/Highlighters.h"
#include "highlight/RtfExporter.h"
#include "highlight/SourceText.h"
#include "platform/CodePages.h"

namespace {

using namespace lorivex;
using Clock = std::chrono::steady_clock;

// Code as people write it: comments, directives, classes, strings with
// escapes, raw strings, numbers, tabs and the odd accented letter.
std::string Unit(int n)
{
    const std::string id = std::to_string(n);
    return "// Module " + id + ": reads and writes records of the caf\xC3\xA9 inventory.\n"
           "#include <string>\n"
           "#define RECORD_LIMIT_" + id + " (1024 * " + id + ")\n"
           "#if defined(_WIN32) && \\\n    !defined(NO_WIDE)\n#  define WIDE 1\n#endif\n\n"
           "namespace store" + id + " {\n\n"
           "/**\n * A record of the inventory, with its name and count.\n */\n"
           "class Record" + id + " : public Base {\npublic:\n"
           "\texplicit Record" + id + "(const std::string& name, int count = 0x1F)\n"
           "\t\t: name_(name), count_(count) {}\n\n"
           "\tstd::string Describe() const {\n"
           "\t\tif (count_ > 1'000 && name_.size() != 0u) // a big one\n"
           "\t\t\treturn name_ + \": \\\"many\\\" (\" + std::to_string(count_) + \")\\n\";\n"
           "\t\tconst char* pattern = R\"re(^\\w+\\s*=\\s*\"[^\"]*\"$)re\";\n"
           "\t\tdouble ratio = count_ / 3.25e-2 + 'x';\n"
           "\t\treturn pattern + name_; /* fallback */\n\t}\n\n"
           "private:\n\tstd::string name_;\n\tint count_ = " + id + ";\n};\n\n"
           "} // namespace store" + id + "\n\n";
}

std::string Generate(std::size_t bytes)
{
    std::string text;
    text.reserve(bytes + 2048);
    for (int n = 0; text.size() < bytes; ++n)
        text += Unit(n);
    text.resize(bytes);
    text.erase(text.find_last_of('\n') + 1);
    return text;
}

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

} // namespace

int main(int argc, char** argv)
{
    std::vector<double> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atof(argv[i]));
    if (sizes.empty())
        sizes = {1, 2, 4};
    TCppHighlighter cpp;
    std::cout << "MiB    lines     read     scan      RTF  (RTF size)   scan+RTF per MiB\n";
    for (double mib : sizes) {
        const std::string bytes = Generate(std::size_t(mib * 1024 * 1024));

        auto start = Clock::now();
        std::vector<std::u16string> lines = DecodeSourceText(bytes, "bench.cpp");
        const double read = Seconds(start);

        start = Clock::now();
        TLineState state;
        std::vector<TToken> tokens;
        std::size_t count = 0;
        for (const auto& line : lines) {
            cpp.ScanLine(line, state, tokens);
            count += tokens.size();
        }
        const double scan = Seconds(start);

        // The export scans the lines again itself, as Paste Code's does.
        start = Clock::now();
        TRtfExporter exporter;
        exporter.SetHighlighter(&cpp);
        exporter.ExportAll(lines);
        const double rtf = Seconds(start);

        std::printf("%4.1f %8zu %7.3fs %7.3fs %7.3fs  (%5.1f MiB)  %7.3fs   [%zu tokens]\n", mib, lines.size(), read,
                    scan, rtf, double(exporter.Rtf().size()) / (1024 * 1024), (scan + rtf) / mib, count);
    }

    // Single long lines of what makes scanners look ahead without finding
    // an end: each language must stay linear on them too.
    const std::u16string patterns[] = {u"=/[", u"(/ ", u"'", u"${", u"a b ", u"%x ", u"<?", u"{$", u"\"\\", u"#"};
    double worst = 0, next = 0;
    std::string worstWhat;
    for (const auto& h : CreateHighlighters())
        for (const auto& pattern : patterns) {
            std::u16string line;
            while (line.size() < 256 * 1024)
                line += pattern;
            auto start = Clock::now();
            TLineState state;
            std::vector<TToken> tokens;
            h->ScanLine(line, state, tokens);
            const double seconds = Seconds(start);
            if (seconds > worst) {
                next = worst;
                worst = seconds;
                worstWhat = h->DisplayName() + " on " + platform::Utf16ToUtf8(pattern);
            } else if (seconds > next) {
                next = seconds;
            }
        }
    std::printf("slowest 256 KiB pathological line: %.3fs (%s), the next %.3fs\n", worst, worstWhat.c_str(), next);
    return 0;
}
