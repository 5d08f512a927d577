#include "highlight/TokenAttributes.h"

namespace lorivex {

namespace {

using ui::Rgb;

constexpr TTokenAttributes Plain{Rgb(0, 0, 0)};
constexpr TTokenAttributes Navy{Rgb(0, 0, 128)};
constexpr TTokenAttributes BoldNavy{Rgb(0, 0, 128), true};
constexpr TTokenAttributes Blue{Rgb(0, 0, 255)};
constexpr TTokenAttributes Green{Rgb(0, 128, 0), false, true};
constexpr TTokenAttributes Teal{Rgb(0, 128, 128)};
constexpr TTokenAttributes Olive{Rgb(128, 128, 0)};
constexpr TTokenAttributes Maroon{Rgb(128, 0, 0)};
constexpr TTokenAttributes Purple{Rgb(128, 0, 128)};
constexpr TTokenAttributes Red{Rgb(255, 0, 0)};
constexpr TTokenAttributes Gray{Rgb(128, 128, 128)};

TAttributeTable BuildTable()
{
    TAttributeTable table;
    table.fill(Plain);
    auto set = [&](TTokenKind kind, TTokenAttributes attributes) { table[std::size_t(kind)] = attributes; };
    set(TTokenKind::Keyword, BoldNavy);
    set(TTokenKind::Comment, Green);
    set(TTokenKind::Documentation, {Rgb(0, 128, 128), false, true});
    set(TTokenKind::String, Blue);
    set(TTokenKind::Number, Teal);
    set(TTokenKind::Preprocessor, Olive);
    set(TTokenKind::Regex, Purple);
    set(TTokenKind::Variable, Maroon);
    set(TTokenKind::Annotation, Olive);
    set(TTokenKind::Label, {Rgb(128, 0, 0), true});
    set(TTokenKind::Register, Purple);
    set(TTokenKind::Instruction, BoldNavy);
    set(TTokenKind::Directive, {Rgb(0, 0, 255), true});
    set(TTokenKind::Tag, Maroon);
    set(TTokenKind::AttributeName, Red);
    set(TTokenKind::AttributeValue, Blue);
    set(TTokenKind::Entity, Purple);
    set(TTokenKind::Cdata, Gray);
    set(TTokenKind::Section, BoldNavy);
    set(TTokenKind::Key, Navy);
    set(TTokenKind::Value, Blue);
    set(TTokenKind::Selector, Maroon);
    set(TTokenKind::Property, Red);
    set(TTokenKind::AtRule, BoldNavy);
    return table;
}

} // namespace

const TAttributeTable& DefaultAttributes()
{
    static const TAttributeTable table = BuildTable();
    return table;
}

} // namespace lorivex
