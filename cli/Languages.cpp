#include "cli/Languages.h"

namespace lorivex::cli {

namespace {

std::string Padded(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

} // namespace

std::string LanguageTable(const THighlighterList& highlighters)
{
    std::string table;
    for (const auto& h : highlighters) {
        std::string line = "  " + Padded(h->DisplayName(), 23) + Padded(h->ShortName(), 6);
        const std::size_t indent = line.size();
        for (const auto& extension : h->Extensions()) {
            if (line.size() + 1 + extension.size() > 79) {
                table += line + '\n';
                line.assign(indent, ' ');
            }
            line += ' ' + extension;
        }
        table += line + '\n';
    }
    return table;
}

std::string ShortNames(const THighlighterList& highlighters)
{
    std::string names;
    for (const auto& h : highlighters)
        names += (names.empty() ? "" : ", ") + h->ShortName();
    return names;
}

} // namespace lorivex::cli
