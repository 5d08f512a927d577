#include "services/word/Variant.h"

#include <cmath>
#include <cstdio>

namespace lorivex::word {

namespace {

std::u16string Ascii(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}

} // namespace

Variant Variant::Text(std::u16string value)
{
    Variant v;
    v.kind = Kind::Text;
    v.text = std::move(value);
    return v;
}

Variant Variant::Integer(int64_t value)
{
    Variant v;
    v.kind = Kind::Integer;
    v.integer = value;
    return v;
}

Variant Variant::Float(double value)
{
    Variant v;
    v.kind = Kind::Float;
    v.number = value;
    return v;
}

Variant Variant::Boolean(bool value)
{
    Variant v;
    v.kind = Kind::Boolean;
    v.boolean = value;
    return v;
}

Variant Variant::Date(const platform::DateTime& value)
{
    Variant v;
    v.kind = Kind::Date;
    v.date = value;
    return v;
}

std::u16string Variant::ToText() const
{
    switch (kind) {
    case Kind::Empty: return {};
    case Kind::Text: return text;
    case Kind::Integer: return Ascii(std::to_string(integer));
    case Kind::Boolean: return boolean ? u"True" : u"False";
    case Kind::Float: {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.15g", number);
        return Ascii(buffer);
    }
    case Kind::Date: {
        // Until the locale's date patterns are at hand here, dates read in
        // the one form every locale can parse back.
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", date.Year, date.Month, date.Day,
                      date.Hour, date.Minute, date.Second);
        return Ascii(buffer);
    }
    }
    return {};
}

} // namespace lorivex::word
