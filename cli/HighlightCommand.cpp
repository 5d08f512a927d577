// "lorivex highlight": a source file coloured the way the add-in's Paste
// Code command colours it, on standard output: for a look in the terminal,
// as the RTF that Paste Code pastes, or as an HTML page.
#include <cstdlib>
#include <iostream>

#include "base/Exception.h"
#include "cli/Command.h"
#include "cli/Languages.h"
#include "highlight/Highlighters.h"
#include "highlight/RtfExporter.h"
#include "highlight/SourceText.h"
#include "platform/CodePages.h"
#include "platform/Console.h"
#include "platform/FileSystem.h"

namespace lorivex::cli {

namespace {

enum class Output { Terminal, Plain, Rtf, Html };

const THighlighter& ChooseLanguage(const THighlighterList& highlighters, const std::string& language,
                                   const std::string& file)
{
    const std::string how = "Choose one with --language NAME, NAME being a language's name or one of " +
                            ShortNames(highlighters) + " (see lorivex highlight --help).";
    if (!language.empty()) {
        if (THighlighter* h = FindHighlighter(highlighters, language))
            return *h;
        throw Exception("There is no language \"" + language + "\". " + how);
    }
    if (file == "-")
        throw Exception("Standard input has no file extension to tell its language by. " + how);
    if (THighlighter* h = FindHighlighterForFile(highlighters, file))
        return *h;
    throw Exception("The extension of \"" + file + "\" tells no language. " + how);
}

std::string Utf8(std::u16string_view text) { return platform::Utf16ToUtf8(std::u16string(text)); }

// The terminal's own palette reads well on its own background, which an
// editor's dark blue on black would not: each colour becomes the nearest
// of the sixteen, and black the terminal's default colour.
int TerminalColour(ui::TColor colour)
{
    struct Entry {
        int R, G, B, Code;
    };
    static constexpr Entry palette[] = {
        {0, 0, 0, 39},        {128, 0, 0, 31},     {0, 128, 0, 32},     {128, 128, 0, 33},
        {0, 0, 128, 34},      {128, 0, 128, 35},   {0, 128, 128, 36},   {192, 192, 192, 37},
        {128, 128, 128, 90},  {255, 0, 0, 91},     {0, 255, 0, 92},     {255, 255, 0, 93},
        {0, 0, 255, 94},      {255, 0, 255, 95},   {0, 255, 255, 96},   {255, 255, 255, 97},
    };
    int best = 39;
    long bestDistance = -1;
    for (const Entry& e : palette) {
        long dr = e.R - ui::RedOf(colour), dg = e.G - ui::GreenOf(colour), db = e.B - ui::BlueOf(colour);
        long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = e.Code;
        }
    }
    return best;
}

void WriteTerminal(std::ostream& out, const std::vector<std::u16string>& lines, const THighlighter& h)
{
    TLineState state;
    std::vector<TToken> tokens;
    std::string text;
    std::string escape, current;
    for (const auto& line : lines) {
        h.ScanLine(line, state, tokens);
        text.clear();
        current.clear();
        for (const TToken& token : tokens) {
            std::u16string_view piece = std::u16string_view(line).substr(token.Start, token.Length);
            if (token.Kind != TTokenKind::Space) {
                const TTokenAttributes& a = h.Attributes(token.Kind);
                escape = "\x1b[0";
                escape += a.Bold ? ";1" : "";
                escape += a.Italic ? ";3" : "";
                escape += ';' + std::to_string(TerminalColour(a.Color)) + 'm';
                if (escape != current)
                    text += escape;
                current = escape;
            }
            text += Utf8(piece);
        }
        out << text << (current.empty() ? "\n" : "\x1b[0m\n");
    }
}

void WritePlain(std::ostream& out, const std::vector<std::u16string>& lines)
{
    for (const auto& line : lines)
        out << Utf8(line) << '\n';
}

std::string CssColour(ui::TColor colour)
{
    static const char digits[] = "0123456789abcdef";
    std::string css = "#";
    for (int part : {ui::RedOf(colour), ui::GreenOf(colour), ui::BlueOf(colour)}) {
        css += digits[part >> 4];
        css += digits[part & 15];
    }
    return css;
}

std::string Escaped(std::u16string_view text)
{
    std::string html;
    for (char c : Utf8(text)) {
        switch (c) {
        case '&': html += "&amp;"; break;
        case '<': html += "&lt;"; break;
        case '>': html += "&gt;"; break;
        case '"': html += "&quot;"; break;
        default: html += c;
        }
    }
    return html;
}

void WriteHtml(std::ostream& out, const std::vector<std::u16string>& lines, const THighlighter& h,
               const std::string& title)
{
    out << "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>"
        << Escaped(platform::AnsiToUtf16(title)) << "</title>\n<style>\n"
        << "pre { font-family: \"Courier New\", monospace; font-size: 10pt; }\n";
    for (TTokenKind kind : h.TokenKinds()) {
        const TTokenAttributes& a = h.Attributes(kind);
        if (a == TTokenAttributes{})
            continue; // plain text needs no span
        out << "." << TokenKindName(kind) << " { color: " << CssColour(a.Color) << ";"
            << (a.Bold ? " font-weight: bold;" : "") << (a.Italic ? " font-style: italic;" : "") << " }\n";
    }
    out << "</style>\n</head>\n<body>\n<pre>";
    TLineState state;
    std::vector<TToken> tokens;
    for (const auto& line : lines) {
        h.ScanLine(line, state, tokens);
        std::string text;
        for (const TToken& token : tokens) {
            std::u16string_view piece = std::u16string_view(line).substr(token.Start, token.Length);
            const TTokenAttributes& a = h.Attributes(token.Kind);
            if (token.Kind == TTokenKind::Space || a == TTokenAttributes{})
                text += Escaped(piece);
            else
                text += "<span class=\"" + std::string(TokenKindName(token.Kind)) + "\">" + Escaped(piece) + "</span>";
        }
        out << text << '\n';
    }
    out << "</pre>\n</body>\n</html>\n";
}

} // namespace

std::string HighlightUsage()
{
    return "Usage: lorivex highlight FILE [--language NAME] [--rtf | --html]\n"
           "\n"
           "Prints FILE with its syntax highlighted, as the add-in's \"Paste Code\" command\n"
           "colours code; FILE - reads standard input. The language is the one --language\n"
           "names, else the one that claims the file's extension.\n"
           "\n"
           "  -l, --language NAME  the language, by its name or short name, in any case\n"
           "      --rtf            write the RTF document that Paste Code puts on the\n"
           "                       clipboard: Courier New 10 pt, the text in the ANSI\n"
           "                       code page with other characters as \\u escapes\n"
           "      --html           write an HTML page (UTF-8) with the tokens in spans\n"
           "\n"
           "Without --rtf or --html the text is written in UTF-8, coloured with terminal\n"
           "escape sequences when standard output is a terminal (and NO_COLOR is not\n"
           "set), plain otherwise.\n"
           "\n"
           "A byte order mark tells UTF-8, UTF-16 LE or UTF-16 BE; otherwise the file is\n"
           "read as UTF-8 when it is valid UTF-8, else as text in the ANSI code page.\n"
           "Files holding NUL bytes are refused as binary.\n"
           "\n"
           "Languages (name, short name, extensions):\n" +
           LanguageTable(CreateHighlighters());
}

int RunHighlight(const std::vector<std::string>& args)
{
    std::string file, language;
    bool haveFile = false;
    Output output = platform::StandardOutputIsTerminal() && !std::getenv("NO_COLOR") ? Output::Terminal : Output::Plain;
    std::string error;
    for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
        const std::string& arg = args[i];
        if ((arg == "--language" || arg == "-l") && i + 1 < args.size())
            language = args[++i];
        else if (arg.rfind("--language=", 0) == 0)
            language = arg.substr(11);
        else if (arg == "--rtf")
            output = Output::Rtf;
        else if (arg == "--html")
            output = Output::Html;
        else if (arg.size() > 1 && arg[0] == '-')
            error = "unknown option '" + arg + "'";
        else if (haveFile)
            error = "give one FILE only";
        else {
            file = arg;
            haveFile = true;
        }
    }
    if (error.empty() && !haveFile)
        error = "give a FILE, or - for standard input";
    if (!error.empty()) {
        std::cerr << "lorivex highlight: " << error << " (see lorivex highlight --help)\n";
        return 2;
    }

    auto highlighters = CreateHighlighters();
    const THighlighter& highlighter = ChooseLanguage(highlighters, language, file);
    std::vector<std::u16string> lines = ReadSourceFile(file);
    const std::string title = file == "-" ? "Untitled" : platform::ExtractFileName(file);
    switch (output) {
    case Output::Rtf: {
        TRtfExporter exporter;
        exporter.SetHighlighter(&highlighter);
        exporter.Title = title;
        exporter.ExportAll(lines);
        std::cout.write(exporter.Rtf().data(), std::streamsize(exporter.Rtf().size()));
        break;
    }
    case Output::Html: WriteHtml(std::cout, lines, highlighter, title); break;
    case Output::Terminal: WriteTerminal(std::cout, lines, highlighter); break;
    case Output::Plain: WritePlain(std::cout, lines); break;
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}

} // namespace lorivex::cli
