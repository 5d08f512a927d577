#include "services/word/Variant.h"

#include <cstdio>

#include "platform/CodePages.h"
#include "services/DateFormat.h"

namespace lorivex::word {

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
    case Kind::Integer: return platform::Utf8ToUtf16(std::to_string(integer));
    case Kind::Float: {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.15g", number);
        return platform::Utf8ToUtf16(buffer);
    }
    case Kind::Boolean: return boolean ? u"True" : u"False";
    case Kind::Date: return platform::AnsiToUtf16(FormatDateTime("c", date));
    }
    return {};
}

} // namespace lorivex::word
