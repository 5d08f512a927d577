#pragma once
// The values Word's properties hold: an automation variant reduced to the
// kinds the system meets.
#include <cstdint>
#include <string>

#include "platform/Clock.h"

namespace lorivex::word {

struct Variant {
    enum class Kind { Empty, Text, Integer, Float, Boolean, Date };

    Kind kind = Kind::Empty;
    std::u16string text;
    int64_t integer = 0;
    double number = 0;
    bool boolean = false;
    platform::DateTime date;

    static Variant Text(std::u16string value);
    static Variant Integer(int64_t value);
    static Variant Float(double value);
    static Variant Boolean(bool value);
    static Variant Date(const platform::DateTime& value);

    bool IsEmpty() const { return kind == Kind::Empty; }
    // The variant's ordinary conversion to text (numbers in decimal, Booleans
    // as "True"/"False", dates in the user's short date and long time format).
    std::u16string ToText() const;
};

// Word's property types (msoPropertyType...).
enum PropertyType { PropertyTypeNumber = 1, PropertyTypeBoolean = 2, PropertyTypeDate = 3,
                    PropertyTypeString = 4, PropertyTypeFloat = 5 };

} // namespace lorivex::word
