#include "engine/docx/XmlOut.h"

#include <pugixml.hpp>

#include <algorithm>
#include <map>

#include "engine/Utf.h"
#include "engine/docx/Xml.h"

namespace lorivex::engine::docx {

namespace {

// XML 1.0 cannot carry most control characters, not even as references.
bool Allowed(unsigned char c)
{
    return c >= 0x20 || c == '\t' || c == '\n' || c == '\r';
}

std::string Escape(std::string_view utf8, bool attribute)
{
    std::string out;
    out.reserve(utf8.size());
    for (char ch : utf8) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (!Allowed(c))
            continue;
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += attribute ? "&quot;" : "\""; break;
        case '\t': out += attribute ? "&#9;" : "\t"; break;
        case '\n': out += attribute ? "&#10;" : "\n"; break;
        case '\r': out += "&#13;"; break;
        default: out += ch;
        }
    }
    return out;
}

// What the writer's own new content uses: text, relationships, pictures.
const std::vector<NamespaceDefault> NewContentNamespaces = {
    {"w", "http://schemas.openxmlformats.org/wordprocessingml/2006/main"},
    {"r", "http://schemas.openxmlformats.org/officeDocument/2006/relationships"},
    {"wp", "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing"},
    {"a", "http://schemas.openxmlformats.org/drawingml/2006/main"},
    {"pic", "http://schemas.openxmlformats.org/drawingml/2006/picture"},
};

} // namespace

std::string EscapeText(std::u16string_view text) { return Escape(Utf16ToUtf8(text), false); }
std::string EscapeText(std::string_view utf8) { return Escape(utf8, false); }
std::string EscapeAttr(std::u16string_view text) { return Escape(Utf16ToUtf8(text), true); }
std::string EscapeAttr(std::string_view utf8) { return Escape(utf8, true); }

std::string Attribute(std::string_view name, std::u16string_view value)
{
    std::string out(1, ' ');
    out += name;
    out += "=\"";
    out += EscapeAttr(value);
    out += '"';
    return out;
}

std::string AttributesOf(const std::string& rawElement)
{
    if (rawElement.empty() || rawElement[0] != '<')
        return {};
    size_t nameEnd = rawElement.find_first_of(" \t\r\n/>", 1);
    size_t tagEnd = rawElement.find('>');
    if (nameEnd == std::string::npos || tagEnd == std::string::npos || nameEnd >= tagEnd)
        return {};
    size_t end = rawElement[tagEnd - 1] == '/' ? tagEnd - 1 : tagEnd;
    std::string attributes = rawElement.substr(nameEnd, end - nameEnd);
    while (!attributes.empty() && (attributes.back() == ' ' || attributes.back() == '\n'))
        attributes.pop_back();
    return attributes;
}

std::string ElementName(const std::string& rawElement)
{
    if (rawElement.size() < 2 || rawElement[0] != '<')
        return {};
    size_t end = rawElement.find_first_of(" \t\r\n/>", 1);
    return rawElement.substr(1, end == std::string::npos ? std::string::npos : end - 1);
}

std::pair<std::string, std::string> SplitAroundContent(const std::string& rawElement)
{
    size_t nameEnd = rawElement.find_first_of(" \t\r\n/>", 1);
    std::string name = rawElement.substr(1, nameEnd - 1);
    std::string close = "</" + name + ">";
    if (rawElement.ends_with("/>") && rawElement.find('>') == rawElement.size() - 1)
        return {rawElement.substr(0, rawElement.size() - 2) + ">", close};
    if (rawElement.ends_with(close))
        return {rawElement.substr(0, rawElement.size() - close.size()), close};
    return {rawElement, ""};
}

std::vector<RawChild> SplitRawChildren(const std::string& concatenated)
{
    std::vector<RawChild> children;
    if (concatenated.empty())
        return children;
    pugi::xml_document xml;
    std::string wrapped = "<x>" + concatenated + "</x>";
    if (!xml.load_buffer(wrapped.data(), wrapped.size(), pugi::parse_default | pugi::parse_ws_pcdata_single))
        return {{"", concatenated}};
    for (auto child : xml.document_element().children())
        if (child.type() == pugi::node_element)
            children.push_back({child.name(), Raw(child)});
    return children;
}

std::string JoinInOrder(std::vector<RawChild> children, const std::vector<std::string_view>& order)
{
    auto rank = [&](const RawChild& child) {
        auto at = std::find(order.begin(), order.end(), child.Name);
        return at == order.end() ? order.size() : size_t(at - order.begin());
    };
    std::stable_sort(children.begin(), children.end(),
                     [&](const RawChild& a, const RawChild& b) { return rank(a) < rank(b); });
    std::string joined;
    for (const auto& child : children)
        joined += child.Xml;
    return joined;
}

std::string RootOpenTag(const std::string& name, const std::string& originalAttributes,
                        const std::vector<NamespaceDefault>& needed)
{
    std::map<std::string, std::string> declared; // canonical prefix -> uri the original used
    std::string attributes = originalAttributes;
    pugi::xml_document xml;
    std::string probe = "<x" + originalAttributes + "/>";
    if (xml.load_string(probe.c_str())) {
        for (auto attribute : xml.document_element().attributes()) {
            std::string attributeName = attribute.name();
            if (attributeName == "xmlns")
                if (const char* canonical = CanonicalPrefix(attribute.value()))
                    declared.try_emplace(canonical, attribute.value());
            if (!attributeName.starts_with("xmlns:"))
                continue;
            if (const char* canonical = CanonicalPrefix(attribute.value()))
                declared.try_emplace(canonical, attribute.value());
            std::string key(1, '=');
            key += attributeName.substr(6);
            declared.try_emplace(std::move(key), attribute.value());
        }
    }
    for (const auto& known : needed.empty() ? NewContentNamespaces : needed) {
        if (declared.count(std::string("=") + known.Prefix))
            continue;
        auto uri = declared.find(known.Prefix);
        attributes += std::string(" xmlns:") + known.Prefix + "=\"" +
                      EscapeAttr(uri == declared.end() ? std::string(known.Uri) : uri->second) + "\"";
    }
    return "<" + name + attributes + ">";
}

} // namespace lorivex::engine::docx
