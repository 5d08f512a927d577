#include "highlight/TokenKind.h"

#include <array>

namespace lorivex {

std::string_view TokenKindName(TTokenKind kind)
{
    static constexpr std::array<std::string_view, TokenKindCount> names = {
        "Space", "Text", "Identifier", "Keyword", "Comment", "Documentation", "String",
        "Number", "Operator", "Preprocessor", "Regex", "Variable", "Annotation", "Label",
        "Register", "Instruction", "Directive", "Tag", "AttributeName", "AttributeValue",
        "Entity", "Cdata", "Section", "Key", "Value", "Selector", "Property", "AtRule",
    };
    auto index = std::size_t(kind);
    return index < names.size() ? names[index] : std::string_view("Unknown");
}

} // namespace lorivex
