#include "platform/posix/RegFile.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <utility>

#include "base/Exception.h"
#include "platform/CaseFolding.h"

namespace lorivex::platform {

namespace {

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// Key and value names compare as every name of the system does.
bool NameLess(std::string_view a, std::string_view b)
{
    return AnsiCompareText(a, b) < 0;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// A cursor over one line that knows where the line is, so that every
// complaint about the text names the file and the line.
class LineParser {
public:
    LineParser(const std::string& fileName, int lineNo, std::string_view line)
        : fileName_(fileName), lineNo_(lineNo), line_(line) {}

    [[noreturn]] void Fail(const std::string& problem) const
    {
        throw Exception("The registry file " + fileName_ + " is damaged: line " +
                        std::to_string(lineNo_) + ": " + problem);
    }

    bool AtEnd() const { return pos_ >= line_.size(); }
    char Peek() const { return AtEnd() ? '\0' : line_[pos_]; }
    void SkipBlanks()
    {
        while (!AtEnd() && IsBlank(line_[pos_]))
            ++pos_;
    }
    bool TakePrefix(std::string_view prefix)
    {
        if (line_.size() - pos_ < prefix.size() ||
            !SameName(line_.substr(pos_, prefix.size()), prefix))
            return false;
        pos_ += prefix.size();
        return true;
    }

    std::string QuotedString()
    {
        if (Peek() != '"')
            Fail("expected a quoted string");
        ++pos_;
        std::string text;
        while (!AtEnd()) {
            char c = line_[pos_++];
            if (c == '"')
                return text;
            if (c != '\\') {
                text += c;
                continue;
            }
            switch (AtEnd() ? '\0' : line_[pos_++]) {
            case '\\': text += '\\'; break;
            case '"': text += '"'; break;
            case 'n': text += '\n'; break;
            case 'r': text += '\r'; break;
            default: Fail("a backslash in a quoted string is not followed by \\, \" , n or r");
            }
        }
        Fail("a quoted string has no closing quote");
    }

    uint32_t HexDWord()
    {
        uint32_t value = 0;
        int digits = 0;
        while (!AtEnd() && std::isxdigit((unsigned char)line_[pos_])) {
            char c = AsciiLower(line_[pos_++]);
            value = value * 16 + uint32_t(c <= '9' ? c - '0' : c - 'a' + 10);
            if (++digits > 8)
                Fail("a dword value has more than 8 hexadecimal digits");
        }
        if (digits == 0)
            Fail("a dword value has no hexadecimal digits");
        return value;
    }

private:
    const std::string& fileName_;
    int lineNo_;
    std::string_view line_;
    size_t pos_ = 0;
};

HiveValue ParseValueLine(LineParser& p)
{
    HiveValue value;
    if (p.Peek() == '@')
        p.TakePrefix("@");
    else
        value.Name = p.QuotedString();
    p.SkipBlanks();
    if (!p.TakePrefix("="))
        p.Fail("expected = after the value name");
    p.SkipBlanks();
    if (p.Peek() == '"') {
        value.Text = p.QuotedString();
    } else if (p.TakePrefix("dword:")) {
        value.Kind = ValueKind::DWord;
        value.DWord = p.HexDWord();
    } else {
        p.Fail("only string (\"...\") and dword: values are supported");
    }
    p.SkipBlanks();
    if (!p.AtEnd())
        p.Fail("unexpected text after the value");
    return value;
}

void AppendQuoted(std::string& out, const std::string& text)
{
    out += '"';
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        // A raw line break would end the line. These escapes cannot clash with
        // regedit's own text, where a backslash is always doubled.
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    out += '"';
}

void AppendKey(std::string& out, const HiveKey& key, const std::string& path, bool isRoot)
{
    // An empty root section says nothing; every other key is written even
    // when empty, because an empty key exists as much as a full one.
    if (!isRoot || !key.Values().empty()) {
        out += "\r\n[" + path + "]\r\n";
        for (const HiveValue& value : key.Values()) {
            if (value.Name.empty())
                out += '@';
            else
                AppendQuoted(out, value.Name);
            out += '=';
            if (value.Kind == ValueKind::DWord) {
                char hex[16];
                std::snprintf(hex, sizeof hex, "dword:%08x", unsigned(value.DWord));
                out += hex;
            } else {
                AppendQuoted(out, value.Text);
            }
            out += "\r\n";
        }
    }
    for (const HiveKey& sub : key.SubKeys())
        AppendKey(out, sub, path + "\\" + sub.Name(), false);
}

} // namespace

bool SameName(std::string_view a, std::string_view b)
{
    return AnsiSameText(a, b);
}

const HiveKey* HiveKey::Find(const std::vector<std::string>& path) const
{
    const HiveKey* key = this;
    for (const std::string& part : path) {
        auto it = std::find_if(key->subKeys_.begin(), key->subKeys_.end(),
                               [&](const HiveKey& k) { return SameName(k.name_, part); });
        if (it == key->subKeys_.end())
            return nullptr;
        key = &*it;
    }
    return key;
}

HiveKey* HiveKey::Find(const std::vector<std::string>& path)
{
    return const_cast<HiveKey*>(std::as_const(*this).Find(path));
}

HiveKey& HiveKey::Create(const std::vector<std::string>& path)
{
    HiveKey* key = this;
    for (const std::string& part : path) {
        auto& subs = key->subKeys_;
        auto it = std::lower_bound(subs.begin(), subs.end(), part,
                                   [](const HiveKey& k, const std::string& name) {
                                       return NameLess(k.name_, name);
                                   });
        if (it == subs.end() || !SameName(it->name_, part))
            it = subs.insert(it, HiveKey(part));
        key = &*it;
    }
    return *key;
}

bool HiveKey::Remove(const std::vector<std::string>& path)
{
    if (path.empty())
        return false;
    HiveKey* parent = Find(std::vector<std::string>(path.begin(), path.end() - 1));
    if (!parent)
        return false;
    auto& subs = parent->subKeys_;
    auto it = std::find_if(subs.begin(), subs.end(),
                           [&](const HiveKey& k) { return SameName(k.name_, path.back()); });
    if (it == subs.end())
        return false;
    subs.erase(it);
    return true;
}

const HiveValue* HiveKey::FindValue(std::string_view name) const
{
    auto it = std::find_if(values_.begin(), values_.end(),
                           [&](const HiveValue& v) { return SameName(v.Name, name); });
    return it == values_.end() ? nullptr : &*it;
}

void HiveKey::SetValue(HiveValue value)
{
    auto it = std::find_if(values_.begin(), values_.end(),
                           [&](const HiveValue& v) { return SameName(v.Name, value.Name); });
    if (it == values_.end()) {
        values_.push_back(std::move(value));
        return;
    }
    value.Name = std::move(it->Name);
    *it = std::move(value);
}

bool HiveKey::RemoveValue(std::string_view name)
{
    auto it = std::find_if(values_.begin(), values_.end(),
                           [&](const HiveValue& v) { return SameName(v.Name, name); });
    if (it == values_.end())
        return false;
    values_.erase(it);
    return true;
}

HiveKey ParseHive(std::string_view text, const std::string& rootName,
                  const std::string& fileName)
{
    HiveKey root(rootName);
    // Sections are read one after the other, so the key they fill is found
    // again by path rather than kept as a pointer that later sections move.
    std::vector<std::string> section;
    bool inSection = false;
    int lineNo = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view raw = text.substr(start, end - start);
        start = end + 1;
        ++lineNo;
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        std::string_view line = Trim(raw);
        LineParser p(fileName, lineNo, line);
        if (lineNo == 1) {
            if (line != "REGEDIT4")
                p.Fail("the first line is not REGEDIT4");
            continue;
        }
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']')
                p.Fail("a key line does not end with ]");
            std::vector<std::string> path = SplitKeyPath(std::string(line.substr(1, line.size() - 2)));
            if (path.empty() || !SameName(path.front(), rootName))
                p.Fail("the key is not under " + rootName);
            path.erase(path.begin());
            root.Create(path);
            section = std::move(path);
            inSection = true;
        } else if (line.front() == '@' || line.front() == '"') {
            if (!inSection)
                p.Fail("a value comes before the first key");
            root.Find(section)->SetValue(ParseValueLine(p));
        } else {
            p.Fail("expected a [key] or a \"name\"=value line");
        }
    }
    if (lineNo == 0)
        throw Exception("The registry file " + fileName +
                        " is damaged: it is empty, not REGEDIT4 text");
    return root;
}

std::string FormatHive(const HiveKey& root)
{
    std::string out = "REGEDIT4\r\n";
    AppendKey(out, root, root.Name(), true);
    out += "\r\n";
    return out;
}

} // namespace lorivex::platform
