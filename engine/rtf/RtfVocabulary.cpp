#include "engine/rtf/RtfVocabulary.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "engine/Records.h"

namespace lorivex::engine::rtf {

bool IsSkippedDestination(std::string_view word)
{
    static constexpr std::string_view Words[] = {
        "annotation", "atnauthor", "atnid", "author", "bkmkend", "bkmkstart", "buptim", "colorschememapping",
        "comment", "creatim", "datastore", "doccomm", "fldinst", "filetbl", "footer", "footerf",
        "footerl", "footerr", "footnote", "generator", "header", "headerf", "headerl", "headerr",
        "info", "keywords", "latentstyles", "listoverridetable", "listtable", "nonshppict", "object", "operator",
        "pict", "printim", "revtbl", "revtim", "rsidtbl", "shpinst", "stylesheet", "subject",
        "themedata", "title", "userprops", "xmlnstbl",
    };
    return std::find(std::begin(Words), std::end(Words), word) != std::end(Words);
}

std::optional<char16_t> WordCharacter(std::string_view word)
{
    // Tables become tab-separated lines: the engine's cell marks need the
    // row and table records that RTF describes in another way.
    static constexpr std::pair<std::string_view, char16_t> Words[] = {
        {"par", Mark::Paragraph}, {"line", Mark::LineBreak}, {"tab", Mark::Tab},
        {"page", Mark::PageBreak}, {"sect", Mark::Paragraph}, {"cell", Mark::Tab},
        {"row", Mark::Paragraph}, {"emdash", 0x2014}, {"endash", 0x2013},
        {"emspace", 0x2003}, {"enspace", 0x2002}, {"bullet", 0x2022},
        {"lquote", 0x2018}, {"rquote", 0x2019}, {"ldblquote", 0x201C},
        {"rdblquote", 0x201D},
    };
    for (const auto& [name, character] : Words)
        if (name == word)
            return character;
    return std::nullopt;
}

std::optional<char16_t> SymbolCharacter(char symbol)
{
    switch (symbol) {
    case '\\': case '{': case '}':
        return char16_t(symbol);
    case '~':
        return char16_t(0x00A0);
    case '-':
        return Mark::SoftHyphen;
    case '_':
        return Mark::NonBreakingHyphen;
    case '\r':
        return Mark::Paragraph;
    default:
        return std::nullopt;
    }
}

std::optional<std::u16string> UnderlineKind(std::string_view word)
{
    static constexpr std::pair<std::string_view, std::u16string_view> Kinds[] = {
        {"uld", u"dotted"}, {"uldb", u"double"}, {"ulw", u"words"}, {"ulth", u"thick"},
        {"uldash", u"dash"}, {"ulwave", u"wave"}, {"uldashd", u"dotDash"}, {"uldashdd", u"dotDotDash"},
    };
    for (const auto& [name, kind] : Kinds)
        if (name == word)
            return std::u16string(kind);
    return std::nullopt;
}

} // namespace lorivex::engine::rtf
