#pragma once
// Writing package XML as text: escaping, the pieces of elements the reader
// kept as raw XML, and the element order the schemas require, which Word
// enforces when it opens a file.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lorivex::engine::docx {

inline constexpr char XmlDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";

// UTF-8 text with &, < and > escaped; characters XML cannot carry are left out.
std::string EscapeText(std::u16string_view text);
std::string EscapeText(std::string_view utf8);
// For a double-quoted attribute value.
std::string EscapeAttr(std::u16string_view text);
std::string EscapeAttr(std::string_view utf8);
// ` name="value"`.
std::string Attribute(std::string_view name, std::u16string_view value);

// The attributes of a kept element, ` a="1" b="2"`, from `<x a="1" b="2"/>`.
std::string AttributesOf(const std::string& rawElement);
// A kept element split around the place its content goes: `<x a="1"><p/>`
// and `</x>` from `<x a="1"><p/></x>` (or from `<x a="1"/>`).
std::pair<std::string, std::string> SplitAroundContent(const std::string& rawElement);

// The name of a kept element: "w:sdt" for `<w:sdt ...>...</w:sdt>`.
std::string ElementName(const std::string& rawElement);
inline bool ElementNameIs(const std::string& rawElement, const char* name) { return ElementName(rawElement) == name; }

// The top-level elements of concatenated raw XML, each with its name.
struct RawChild {
    std::string Name;
    std::string Xml;
};
std::vector<RawChild> SplitRawChildren(const std::string& concatenated);
// Orders elements by their place in Order (names not listed go last, in
// the order given) and joins them.
std::string JoinInOrder(std::vector<RawChild> children, const std::vector<std::string_view>& order);

// The open tag of a part's root element, with the namespaces the writer's
// new content needs (by canonical prefix) declared when the original did
// not declare them: text, relationships and pictures unless told otherwise.
struct NamespaceDefault {
    const char* Prefix;
    const char* Uri;
};
std::string RootOpenTag(const std::string& name, const std::string& originalAttributes,
                        const std::vector<NamespaceDefault>& needed = {});

} // namespace lorivex::engine::docx
