#include "engine/Properties.h"

#include <cstdlib>

#include "engine/Utf.h"
#include "services/word/Dispatch.h"

namespace lorivex::engine {

namespace {

struct BuiltInName {
    const char16_t* Name;
    long Type;
};

// Word's enumeration order of its built-in properties.
const BuiltInName BuiltInNames[] = {
    {u"Title", word::PropertyTypeString},
    {u"Subject", word::PropertyTypeString},
    {u"Author", word::PropertyTypeString},
    {u"Keywords", word::PropertyTypeString},
    {u"Comments", word::PropertyTypeString},
    {u"Template", word::PropertyTypeString},
    {u"Last Author", word::PropertyTypeString},
    {u"Revision Number", word::PropertyTypeString},
    {u"Application Name", word::PropertyTypeString},
    {u"Last Print Date", word::PropertyTypeDate},
    {u"Creation Date", word::PropertyTypeDate},
    {u"Last Save Time", word::PropertyTypeDate},
    {u"Total Editing Time", word::PropertyTypeNumber},
    {u"Number of Pages", word::PropertyTypeNumber},
    {u"Number of Words", word::PropertyTypeNumber},
    {u"Number of Characters", word::PropertyTypeNumber},
    {u"Security", word::PropertyTypeNumber},
    {u"Category", word::PropertyTypeString},
    {u"Format", word::PropertyTypeString},
    {u"Manager", word::PropertyTypeString},
    {u"Company", word::PropertyTypeString},
    {u"Number of Bytes", word::PropertyTypeNumber},
    {u"Number of Lines", word::PropertyTypeNumber},
    {u"Number of Paragraphs", word::PropertyTypeNumber},
    {u"Number of Slides", word::PropertyTypeNumber},
    {u"Number of Notes", word::PropertyTypeNumber},
    {u"Number of Hidden Slides", word::PropertyTypeNumber},
    {u"Number of Multimedia Clips", word::PropertyTypeNumber},
    {u"Hyperlink Base", word::PropertyTypeString},
    {u"Number of Characters (with spaces)", word::PropertyTypeNumber},
    {u"Content Type", word::PropertyTypeString},
    {u"Content Status", word::PropertyTypeString},
    {u"Language", word::PropertyTypeString},
    {u"Document Version", word::PropertyTypeString},
};

PropertyRecord* Find(std::vector<PropertyRecord>& list, std::u16string_view name)
{
    for (auto& property : list)
        if (SameTextW(property.Name, name))
            return &property;
    return nullptr;
}

[[noreturn]] void TypeMismatch()
{
    throw word::EWordError("Type mismatch");
}

} // namespace

PropertySet::PropertySet()
{
    for (const auto& entry : BuiltInNames) {
        PropertyRecord record;
        record.Name = entry.Name;
        record.Type = entry.Type;
        // Word gives the empty text for text properties nobody has set and
        // fails only for dates and for counts it cannot give.
        if (entry.Type == word::PropertyTypeString)
            record.Value = word::Variant::Text(u"");
        BuiltIn.push_back(std::move(record));
    }
}

PropertyRecord* PropertySet::FindBuiltIn(std::u16string_view name)
{
    return Find(BuiltIn, name);
}

PropertyRecord* PropertySet::FindCustom(std::u16string_view name)
{
    return Find(Custom, name);
}

word::Variant CoerceToType(const word::Variant& value, long type)
{
    using K = word::Variant::Kind;
    switch (type) {
    case word::PropertyTypeString:
        return word::Variant::Text(value.ToText());
    case word::PropertyTypeNumber:
        if (value.kind == K::Integer) return value;
        if (value.kind == K::Float) return word::Variant::Integer(int64_t(value.number));
        if (value.kind == K::Boolean) return word::Variant::Integer(value.boolean ? -1 : 0);
        if (value.kind == K::Text) {
            auto text = Utf16ToUtf8(value.text);
            char* end = nullptr;
            long long n = std::strtoll(text.c_str(), &end, 10);
            if (!text.empty() && end && *end == 0)
                return word::Variant::Integer(n);
        }
        TypeMismatch();
    case word::PropertyTypeFloat:
        if (value.kind == K::Float) return value;
        if (value.kind == K::Integer) return word::Variant::Float(double(value.integer));
        if (value.kind == K::Text) {
            auto text = Utf16ToUtf8(value.text);
            char* end = nullptr;
            double n = std::strtod(text.c_str(), &end);
            if (!text.empty() && end && *end == 0)
                return word::Variant::Float(n);
        }
        TypeMismatch();
    case word::PropertyTypeBoolean:
        if (value.kind == K::Boolean) return value;
        if (value.kind == K::Integer) return word::Variant::Boolean(value.integer != 0);
        if (value.kind == K::Text) {
            if (SameTextW(value.text, u"true")) return word::Variant::Boolean(true);
            if (SameTextW(value.text, u"false")) return word::Variant::Boolean(false);
        }
        TypeMismatch();
    case word::PropertyTypeDate:
        if (value.kind == K::Date) return value;
        TypeMismatch();
    default:
        throw word::EWordError("The property type is not valid.");
    }
}

} // namespace lorivex::engine
