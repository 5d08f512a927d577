#pragma once
// What a piece of a source line is, as far as colouring it goes. The kinds
// are shared by all languages, so that one attribute table serves them all
// and a language may borrow another's scanner (script inside HTML).
#include <cstdint>
#include <string_view>

namespace lorivex {

enum class TTokenKind : std::uint8_t {
    Space,          // blanks and tabs between tokens
    Text,           // running text: markup content, echo text
    Identifier,
    Keyword,
    Comment,
    Documentation,  // embedded documentation (Perl's POD)
    String,
    Number,
    Operator,       // operators and punctuation
    Preprocessor,   // directives, processing instructions, code islands' tags
    Regex,
    Variable,
    Annotation,
    Label,
    Register,
    Instruction,
    Directive,      // assembler directives
    Tag,
    AttributeName,
    AttributeValue,
    Entity,
    Cdata,
    Section,
    Key,
    Value,
    Selector,
    Property,
    AtRule,
};

inline constexpr int TokenKindCount = int(TTokenKind::AtRule) + 1;

// The kind's name as written above ("Keyword"), for diagnostics and for
// the class names of HTML output.
std::string_view TokenKindName(TTokenKind kind);

} // namespace lorivex
