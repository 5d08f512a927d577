#pragma once
// Built-in and custom document properties. The built-in ones exist always,
// in Word's order; a value never set is absent, which Word reports as a
// failure for dates and counts it cannot give.
#include <optional>
#include <string>
#include <vector>

#include "services/word/Variant.h"

namespace lorivex::engine {

struct PropertyRecord {
    std::u16string Name;
    long Type = word::PropertyTypeString;
    std::optional<word::Variant> Value;
    bool LinkToContent = false;
    std::u16string LinkSource;
};

struct PropertySet {
    PropertySet(); // every built-in property, unset
    std::vector<PropertyRecord> BuiltIn;
    std::vector<PropertyRecord> Custom;

    PropertyRecord* FindBuiltIn(std::u16string_view name);
    PropertyRecord* FindCustom(std::u16string_view name);
};

// Converts a value to the property's type the way Word coerces an
// assignment; raises EWordError when it cannot.
word::Variant CoerceToType(const word::Variant& value, long type);

} // namespace lorivex::engine
