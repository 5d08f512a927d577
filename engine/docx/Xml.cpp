#include "engine/docx/Xml.h"

#include <cstring>
#include <map>
#include <sstream>
#include <vector>

#include "engine/Utf.h"
#include "engine/docx/ZipPackage.h"

namespace lorivex::engine::docx {

namespace {

struct KnownNamespace {
    const char* Uri;
    const char* Prefix;
};

const KnownNamespace Known[] = {
    {"http://schemas.openxmlformats.org/wordprocessingml/2006/main", "w"},
    {"http://purl.oclc.org/ooxml/wordprocessingml/main", "w"},
    {"http://schemas.openxmlformats.org/officeDocument/2006/relationships", "r"},
    {"http://purl.oclc.org/ooxml/officeDocument/relationships", "r"},
    {"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing", "wp"},
    {"http://purl.oclc.org/ooxml/drawingml/wordprocessingDrawing", "wp"},
    {"http://schemas.openxmlformats.org/drawingml/2006/main", "a"},
    {"http://purl.oclc.org/ooxml/drawingml/main", "a"},
    {"http://schemas.openxmlformats.org/drawingml/2006/picture", "pic"},
    {"http://purl.oclc.org/ooxml/drawingml/picture", "pic"},
    {"http://schemas.openxmlformats.org/package/2006/metadata/core-properties", "cp"},
    {"http://purl.org/dc/elements/1.1/", "dc"},
    {"http://purl.org/dc/terms/", "dcterms"},
    {"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties", "ep"},
    {"http://purl.oclc.org/ooxml/officeDocument/extendedProperties", "ep"},
    {"http://schemas.openxmlformats.org/officeDocument/2006/custom-properties", "cu"},
    {"http://purl.oclc.org/ooxml/officeDocument/customProperties", "cu"},
    {"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes", "vt"},
    {"http://purl.oclc.org/ooxml/officeDocument/docPropsVTypes", "vt"},
    {"http://schemas.openxmlformats.org/package/2006/relationships", "rel"},
    {"http://schemas.openxmlformats.org/package/2006/content-types", "ct"},
    {"http://schemas.openxmlformats.org/markup-compatibility/2006", "mc"},
};

using Scope = std::map<std::string, std::string>; // prefix ("" for default) -> uri

std::string Rename(const std::string& name, const std::vector<Scope>& scopes, bool attribute)
{
    auto colon = name.find(':');
    std::string prefix = colon == std::string::npos ? "" : name.substr(0, colon);
    if (prefix == "xmlns" || name == "xmlns" || prefix == "xml")
        return name;
    // Unprefixed attributes belong to no namespace.
    if (attribute && prefix.empty())
        return name;
    for (auto scope = scopes.rbegin(); scope != scopes.rend(); ++scope) {
        auto found = scope->find(prefix);
        if (found == scope->end())
            continue;
        const char* canonical = CanonicalPrefix(found->second);
        if (!canonical)
            return name;
        std::string local = colon == std::string::npos ? name : name.substr(colon + 1);
        return std::string(canonical) + ":" + local;
    }
    return name;
}

// Iterative, so that a hostile nesting depth fails cleanly instead of
// exhausting the stack.
void Canonicalize(pugi::xml_node root, const std::string& partName, const std::string& fileName)
{
    struct Frame {
        pugi::xml_node Node;
        bool Entered;
    };
    std::vector<Scope> scopes;
    std::vector<Frame> stack{{root, false}};
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.Entered) {
            scopes.pop_back();
            stack.pop_back();
            continue;
        }
        frame.Entered = true;
        pugi::xml_node node = frame.Node;
        if (int(scopes.size()) > MaxElementDepth)
            Fail(fileName, partName + " nests elements more than " + std::to_string(MaxElementDepth) + " deep");
        Scope scope;
        for (auto attribute : node.attributes()) {
            std::string name = attribute.name();
            if (name == "xmlns")
                scope[""] = attribute.value();
            else if (name.starts_with("xmlns:"))
                scope[name.substr(6)] = attribute.value();
        }
        scopes.push_back(std::move(scope));
        node.set_name(Rename(node.name(), scopes, false).c_str());
        for (auto attribute : node.attributes())
            attribute.set_name(Rename(attribute.name(), scopes, true).c_str());
        for (auto child = node.last_child(); child; child = child.previous_sibling())
            if (child.type() == pugi::node_element)
                stack.push_back({child, false});
    }
}

} // namespace

const char* CanonicalPrefix(const std::string& uri)
{
    for (const auto& known : Known)
        if (uri == known.Uri)
            return known.Prefix;
    return nullptr;
}

namespace {

void Check(const pugi::xml_parse_result& result, pugi::xml_document& document, const std::string& partName,
           const std::string& fileName)
{
    if (!result)
        Fail(fileName, partName + " is not well-formed XML (" + result.description() + " at byte " +
                           std::to_string(result.offset) + ")");
    if (!document.document_element())
        Fail(fileName, partName + " holds no XML element");
    Canonicalize(document.document_element(), partName, fileName);
}

constexpr unsigned ParseOptions = pugi::parse_default | pugi::parse_ws_pcdata_single;

} // namespace

void Parse(pugi::xml_document& document, const std::string& bytes, const std::string& partName,
           const std::string& fileName)
{
    Check(document.load_buffer(bytes.data(), bytes.size(), ParseOptions, pugi::encoding_auto), document, partName,
          fileName);
}

void ParseInPlace(pugi::xml_document& document, std::string& bytes, const std::string& partName,
                  const std::string& fileName)
{
    Check(document.load_buffer_inplace(bytes.data(), bytes.size(), ParseOptions, pugi::encoding_auto), document,
          partName, fileName);
}

std::u16string Attr(const pugi::xml_node& node, const char* name)
{
    auto attribute = node.attribute(name);
    if (!attribute) {
        const char* colon = std::strchr(name, ':');
        if (colon)
            attribute = node.attribute(colon + 1);
    }
    return Utf8ToUtf16(attribute.value());
}

bool HasAttr(const pugi::xml_node& node, const char* name)
{
    if (node.attribute(name))
        return true;
    const char* colon = std::strchr(name, ':');
    return colon && node.attribute(colon + 1);
}

bool OnOff(const pugi::xml_node& node, bool absent)
{
    if (!node)
        return absent;
    if (!HasAttr(node, "w:val"))
        return true;
    auto value = Attr(node, "w:val");
    return !(value == u"0" || value == u"false" || value == u"off");
}

std::u16string Text(const pugi::xml_node& node)
{
    return Utf8ToUtf16(node.text().get());
}

std::string Raw(const pugi::xml_node& node)
{
    std::ostringstream out;
    node.print(out, "", pugi::format_raw);
    return out.str();
}

std::string RawOpenTag(const pugi::xml_node& node)
{
    pugi::xml_document copy;
    auto element = copy.append_child(node.name());
    for (auto attribute : node.attributes())
        element.append_attribute(attribute.name()) = attribute.value();
    return Raw(element);
}

} // namespace lorivex::engine::docx
