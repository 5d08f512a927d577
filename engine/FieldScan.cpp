#include "engine/FieldScan.h"

#include "engine/Records.h"
#include "engine/Utf.h"

namespace lorivex::engine {

std::optional<FieldSpan> FieldAt(const std::u16string& text, long begin)
{
    if (begin < 0 || begin >= long(text.size()) || text[size_t(begin)] != Mark::FieldBegin)
        return std::nullopt;
    FieldSpan field{begin, std::nullopt, 0};
    int depth = 0;
    for (long i = begin; i < long(text.size()); ++i) {
        char16_t c = text[size_t(i)];
        if (c == Mark::FieldBegin) {
            ++depth;
        } else if (c == Mark::FieldSeparator && depth == 1 && !field.Separator) {
            field.Separator = i;
        } else if (c == Mark::FieldEnd && --depth == 0) {
            field.End = i;
            return field;
        }
    }
    return std::nullopt;
}

std::vector<FieldSpan> FieldsIn(const std::u16string& text, long start, long end)
{
    std::vector<FieldSpan> fields;
    std::vector<size_t> open; // indexes into fields of begin marks not yet closed
    const long length = long(text.size());
    for (long i = std::max(0L, start); i < length && (i < end || !open.empty()); ++i) {
        char16_t c = text[size_t(i)];
        if (c == Mark::FieldBegin) {
            if (i >= end) { // nested in a field that began inside: not ours to list
                open.push_back(SIZE_MAX);
                continue;
            }
            open.push_back(fields.size());
            fields.push_back({i, std::nullopt, -1});
        } else if (c == Mark::FieldSeparator && !open.empty() && open.back() != SIZE_MAX
                   && !fields[open.back()].Separator) {
            fields[open.back()].Separator = i;
        } else if (c == Mark::FieldEnd && !open.empty()) {
            if (open.back() != SIZE_MAX)
                fields[open.back()].End = i;
            open.pop_back();
        }
    }
    std::erase_if(fields, [](const FieldSpan& f) { return f.End < 0; });
    return fields;
}

namespace {

struct Keyword {
    const char16_t* Name;
    long Type;
};

const Keyword Keywords[] = {
    {u"REF", 3}, {u"XE", 4}, {u"FTNREF", 5}, {u"SET", 6}, {u"IF", 7}, {u"INDEX", 8}, {u"TC", 9},
    {u"STYLEREF", 10}, {u"RD", 11}, {u"SEQ", 12}, {u"TOC", 13}, {u"INFO", 14}, {u"TITLE", 15},
    {u"SUBJECT", 16}, {u"AUTHOR", 17}, {u"KEYWORDS", 18}, {u"COMMENTS", 19}, {u"LASTSAVEDBY", 20},
    {u"CREATEDATE", 21}, {u"SAVEDATE", 22}, {u"PRINTDATE", 23}, {u"REVNUM", 24}, {u"EDITTIME", 25},
    {u"NUMPAGES", 26}, {u"NUMWORDS", 27}, {u"NUMCHARS", 28}, {u"FILENAME", 29}, {u"TEMPLATE", 30},
    {u"DATE", 31}, {u"TIME", 32}, {u"PAGE", 33}, {u"=", 34}, {u"QUOTE", 35}, {u"INCLUDE", 36},
    {u"PAGEREF", 37}, {u"ASK", 38}, {u"FILLIN", 39}, {u"DATA", 40}, {u"NEXT", 41}, {u"NEXTIF", 42},
    {u"SKIPIF", 43}, {u"MERGEREC", 44}, {u"DDE", 45}, {u"DDEAUTO", 46}, {u"GLOSSARY", 47},
    {u"PRINT", 48}, {u"EQ", 49}, {u"GOTOBUTTON", 50}, {u"MACROBUTTON", 51}, {u"AUTONUMOUT", 52},
    {u"AUTONUMLGL", 53}, {u"AUTONUM", 54}, {u"IMPORT", 55}, {u"LINK", 56}, {u"SYMBOL", 57},
    {u"EMBED", 58}, {u"MERGEFIELD", 59}, {u"USERNAME", 60}, {u"USERINITIALS", 61},
    {u"USERADDRESS", 62}, {u"BARCODE", 63}, {u"DOCVARIABLE", 64}, {u"SECTION", 65},
    {u"SECTIONPAGES", 66}, {u"INCLUDEPICTURE", 67}, {u"INCLUDETEXT", 68}, {u"FILESIZE", 69},
    {u"FORMTEXT", 70}, {u"FORMCHECKBOX", 71}, {u"NOTEREF", 72}, {u"TOA", 73}, {u"TA", 74},
    {u"MERGESEQ", 75}, {u"PRIVATE", 77}, {u"FORMDROPDOWN", 83}, {u"ADVANCE", 84}, {u"DOCPROPERTY", 85},
    {u"CONTROL", 87}, {u"HYPERLINK", 88}, {u"AUTOTEXTLIST", 89}, {u"LISTNUM", 90}, {u"HTMLCONTROL", 91},
    {u"BIDIOUTLINE", 92}, {u"ADDRESSBLOCK", 93}, {u"GREETINGLINE", 94}, {u"SHAPE", 95},
    {u"ADDIN", 81}, {u"AUTOTEXT", 79}, {u"COMPARE", 80}, {u"SUBSCRIBER", 82}, {u"PUBLISHER", 78},
    {u"CITATION", 96}, {u"BIBLIOGRAPHY", 97},
};

} // namespace

long FieldTypeOfCode(std::u16string_view code)
{
    size_t start = code.find_first_not_of(u" \t\r\n");
    if (start == std::u16string_view::npos)
        return -1;
    size_t end = code.find_first_of(u" \t\r\n\"\\", start);
    auto keyword = code.substr(start, end == std::u16string_view::npos ? std::u16string_view::npos : end - start);
    if (keyword.starts_with(u"="))
        return 34;
    for (const auto& entry : Keywords)
        if (SameTextW(entry.Name, keyword))
            return entry.Type;
    return -1;
}

std::u16string FieldKeyword(long type)
{
    for (const auto& entry : Keywords)
        if (entry.Type == type)
            return entry.Name;
    return {};
}

std::vector<std::u16string> FieldArguments(std::u16string_view code)
{
    std::vector<std::u16string> arguments;
    size_t i = 0;
    while (i < code.size()) {
        char16_t c = code[i];
        if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n') {
            ++i;
            continue;
        }
        std::u16string argument;
        if (c == u'"') {
            for (++i; i < code.size() && code[i] != u'"'; ++i) {
                if (code[i] == u'\\' && i + 1 < code.size() && (code[i + 1] == u'"' || code[i + 1] == u'\\'))
                    ++i;
                argument += code[i];
            }
            ++i;
        } else {
            while (i < code.size() && code[i] != u' ' && code[i] != u'\t' && code[i] != u'"')
                argument += code[i++];
        }
        arguments.push_back(std::move(argument));
    }
    return arguments;
}

} // namespace lorivex::engine
