// The engine's view of a document as JSON: what "lorivex inspect" prints,
// and what the tests compare before and after a document went through a
// save.
#include "engine/Inspect.h"

#include <cstdio>
#include <vector>

#include "engine/Engine.h"
#include "engine/Utf.h"
#include "base/Exception.h"

namespace lorivex::engine {

namespace {

std::string Json(const std::u16string& text)
{
    std::string out = "\"";
    for (unsigned char c : Utf16ToUtf8(text)) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                out += buffer;
            } else {
                out += char(c);
            }
        }
    }
    return out + "\"";
}

// Writes a JSON array, one element per line, from a callback per item.
template <class Each>
void Array(std::ostream& out, const char* key, long count, Each each, bool last = false)
{
    out << "  \"" << key << "\": [";
    for (long i = 1; i <= count; ++i)
        out << (i == 1 ? "\n    " : ",\n    ") << each(i);
    out << (count ? "\n  ]" : "]") << (last ? "\n" : ",\n");
}

std::string PropertyJson(const word::DocumentPropertyPtr& property)
{
    std::string value;
    try {
        value = Json(property->Value().ToText());
    } catch (const Exception&) {
        value = "null"; // Word cannot give it (a date never set)
    }
    return "{\"name\": " + Json(property->Name()) + ", \"value\": " + value + "}";
}

} // namespace

void InspectDocument(const word::DocumentPtr& document, std::ostream& out)
{
    out << "{\n";
    auto paragraphs = document->Paragraphs();
    long index = 0;
    std::vector<std::string> lines;
    for (auto p = paragraphs->First(); p; p = p->Next()) {
        lines.push_back("{\"index\": " + std::to_string(++index) + ", \"outlineLevel\": " +
                        std::to_string(p->OutlineLevel()) + ", \"style\": " + Json(ParagraphStyleName(p)) +
                        ", \"text\": " + Json(p->Range()->Text()) + "}");
    }
    Array(out, "paragraphs", long(lines.size()), [&](long i) { return lines[size_t(i - 1)]; });
    auto fields = document->Fields();
    Array(out, "fields", fields->Count(), [&](long i) {
        auto field = fields->Item(i);
        return "{\"type\": " + std::to_string(field->Type()) + ", \"code\": " + Json(field->Code()->Text()) +
               ", \"result\": " + Json(field->Result()->Text()) + "}";
    });
    auto bookmarks = document->Bookmarks();
    bookmarks->SetShowHidden(true);
    Array(out, "bookmarks", bookmarks->Count(), [&](long i) {
        auto bookmark = bookmarks->Item(i);
        auto range = bookmark->Range();
        auto name = bookmark->Name();
        return "{\"name\": " + Json(name) + ", \"start\": " + std::to_string(range->Start()) +
               ", \"end\": " + std::to_string(range->End()) +
               ", \"hidden\": " + (name.starts_with(u"_") ? "true" : "false") + "}";
    });
    auto links = document->Content()->Hyperlinks();
    Array(out, "hyperlinks", links->Count(), [&](long i) {
        auto link = links->Item(i);
        return "{\"address\": " + Json(link->Address()) + ", \"subAddress\": " + Json(link->SubAddress()) +
               ", \"target\": " + Json(link->Target()) + ", \"text\": " + Json(link->TextToDisplay()) + "}";
    });
    std::vector<std::string> styles;
    auto all = document->Styles();
    for (long i = 1; i <= all->Count(); ++i)
        if (all->Item(i)->InUse())
            styles.push_back(Json(all->Item(i)->NameLocal()));
    Array(out, "stylesInUse", long(styles.size()), [&](long i) { return styles[size_t(i - 1)]; });
    auto builtIn = document->BuiltInDocumentProperties();
    Array(out, "builtInProperties", builtIn->Count(), [&](long i) { return PropertyJson(builtIn->Item(i)); });
    auto custom = document->CustomDocumentProperties();
    Array(out, "customProperties", custom->Count(), [&](long i) { return PropertyJson(custom->Item(i)); });
    // Headers and footers as the selection sees them from the document's start.
    auto window = document->ActiveWindow();
    auto view = window->ActivePane()->View();
    std::vector<std::string> parts;
    for (long seek : {long(word::wdSeekCurrentPageHeader), long(word::wdSeekCurrentPageFooter)}) {
        view->SetSeekView(seek);
        parts.push_back("{\"kind\": \"" + std::string(seek == word::wdSeekCurrentPageHeader ? "header" : "footer") +
                        "\", \"text\": " + Json(window->Selection()->HeaderFooter()->Range()->Text()) + "}");
    }
    view->SetSeekView(word::wdSeekMainDocument);
    Array(out, "headersAndFooters", long(parts.size()), [&](long i) { return parts[size_t(i - 1)]; }, true);
    out << "}\n";
}


} // namespace lorivex::engine
