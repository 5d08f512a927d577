#include "engine/html/HtmlNumbering.h"

#include <cstdlib>

#include "engine/Utf.h"

namespace lorivex::engine::html {

namespace {

int IntAttr(const pugi::xml_node& node, const char* name)
{
    return std::atoi(node.attribute(name).value());
}

std::u16string Roman(int n)
{
    static const std::pair<int, const char16_t*> digits[] = {
        {1000, u"m"}, {900, u"cm"}, {500, u"d"}, {400, u"cd"}, {100, u"c"}, {90, u"xc"}, {50, u"l"},
        {40, u"xl"}, {10, u"x"}, {9, u"ix"}, {5, u"v"}, {4, u"iv"}, {1, u"i"}};
    std::u16string out;
    for (const auto& [value, text] : digits)
        for (; n >= value; n -= value)
            out += text;
    return out;
}

std::u16string Letters(int n)
{
    // Word repeats the letter past z: aa, bb ...
    if (n <= 0)
        return {};
    return std::u16string(size_t((n - 1) / 26 + 1), char16_t(u'a' + (n - 1) % 26));
}

std::u16string Upper(std::u16string text)
{
    for (auto& c : text)
        if (c >= u'a' && c <= u'z')
            c = char16_t(c - 32);
    return text;
}

std::u16string Formatted(int n, const std::string& format)
{
    if (format == "lowerLetter") return Letters(n);
    if (format == "upperLetter") return Upper(Letters(n));
    if (format == "lowerRoman") return Roman(n);
    if (format == "upperRoman") return Upper(Roman(n));
    if (format == "none") return {};
    std::u16string digits = Utf8ToUtf16(std::to_string(n));
    if (format == "decimalZero" && n < 10)
        digits = u"0" + digits;
    return digits;
}

} // namespace

HtmlNumbering::HtmlNumbering(const std::string& numberingXml)
{
    xml_.load_buffer(numberingXml.data(), numberingXml.size());
    auto root = xml_.child("w:numbering");
    for (auto abstract : root.children("w:abstractNum")) {
        auto& levels = abstract_[IntAttr(abstract, "w:abstractNumId")];
        for (auto lvl : abstract.children("w:lvl")) {
            Level level;
            if (auto start = lvl.child("w:start"))
                level.Start = IntAttr(start, "w:val");
            if (auto format = lvl.child("w:numFmt"))
                level.Format = format.attribute("w:val").value();
            level.Text = Utf8ToUtf16(lvl.child("w:lvlText").attribute("w:val").value());
            levels[IntAttr(lvl, "w:ilvl")] = level;
        }
    }
    for (auto num : root.children("w:num"))
        nums_[IntAttr(num, "w:numId")] = IntAttr(num.child("w:abstractNumId"), "w:val");
}

const HtmlNumbering::Level* HtmlNumbering::Find(int numId, int ilvl)
{
    auto num = nums_.find(numId);
    if (num == nums_.end())
        return nullptr;
    auto abstract = abstract_.find(num->second);
    if (abstract == abstract_.end())
        return nullptr;
    auto level = abstract->second.find(ilvl);
    return level == abstract->second.end() ? nullptr : &level->second;
}

std::u16string HtmlNumbering::Label(const Level& level, const std::vector<int>& counters, int numId)
{
    if (level.Format == "bullet") {
        // Bullets are mostly Symbol or Wingdings characters in the private
        // use area, which no page font shows; a plain bullet reads the same.
        if (level.Text.empty() || (level.Text[0] >= 0xF000 && level.Text[0] <= 0xF0FF))
            return u"\u2022";
        return level.Text;
    }
    std::u16string label;
    for (size_t i = 0; i < level.Text.size(); ++i) {
        char16_t c = level.Text[i];
        if (c == u'%' && i + 1 < level.Text.size() && level.Text[i + 1] >= u'1' && level.Text[i + 1] <= u'9') {
            int which = level.Text[++i] - u'1';
            const Level* other = Find(numId, which);
            label += Formatted(counters[size_t(which)], other ? other->Format : level.Format);
        } else {
            label += c;
        }
    }
    return label;
}

std::u16string HtmlNumbering::Next(int numId, int ilvl, CssMap& css)
{
    if (ilvl < 0 || ilvl > 8)
        return {};
    const Level* level = Find(numId, ilvl);
    if (!level)
        return {};
    auto& counters = counters_[numId];
    if (counters.empty())
        counters.assign(9, 0);
    for (int deeper = ilvl + 1; deeper < 9; ++deeper)
        counters[size_t(deeper)] = 0;
    for (int upper = 0; upper <= ilvl; ++upper)
        if (counters[size_t(upper)] == 0) {
            const Level* missing = Find(numId, upper);
            counters[size_t(upper)] = (missing ? missing->Start : 1) - (upper == ilvl ? 1 : 0);
        }
    ++counters[size_t(ilvl)];
    // The level's own indentation, unless the paragraph sets its own.
    auto abstract = xml_.find_node([&](const pugi::xml_node& n) {
        return std::string(n.name()) == "w:abstractNum" && IntAttr(n, "w:abstractNumId") == nums_[numId];
    });
    for (auto lvl : abstract.children("w:lvl"))
        if (IntAttr(lvl, "w:ilvl") == ilvl) {
            CssMap levelCss;
            AddParagraphCss(lvl.child("w:pPr"), levelCss);
            css.insert(levelCss.begin(), levelCss.end());
        }
    return Label(*level, counters, numId);
}

} // namespace lorivex::engine::html
