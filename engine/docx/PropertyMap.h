#pragma once
// Which element of core.xml and app.xml holds which of Word's built-in
// properties: one table for the reader and the writer.
#include <iterator>

namespace lorivex::engine::docx {

struct PropertyMapping {
    const char* Element;
    const char16_t* Property;
};

inline constexpr PropertyMapping CoreMap[] = {
    {"dc:title", u"Title"}, {"dc:subject", u"Subject"}, {"dc:creator", u"Author"},
    {"cp:keywords", u"Keywords"}, {"dc:description", u"Comments"}, {"cp:lastModifiedBy", u"Last Author"},
    {"cp:revision", u"Revision Number"}, {"cp:lastPrinted", u"Last Print Date"},
    {"dcterms:created", u"Creation Date"}, {"dcterms:modified", u"Last Save Time"},
    {"cp:category", u"Category"}, {"cp:contentStatus", u"Content Status"},
    {"cp:contentType", u"Content Type"}, {"dc:language", u"Language"}, {"cp:version", u"Document Version"},
};

inline constexpr PropertyMapping AppMap[] = {
    {"ep:Template", u"Template"}, {"ep:TotalTime", u"Total Editing Time"}, {"ep:Pages", u"Number of Pages"},
    {"ep:Words", u"Number of Words"}, {"ep:Characters", u"Number of Characters"},
    {"ep:Application", u"Application Name"}, {"ep:DocSecurity", u"Security"}, {"ep:Lines", u"Number of Lines"},
    {"ep:Paragraphs", u"Number of Paragraphs"}, {"ep:CharactersWithSpaces", u"Number of Characters (with spaces)"},
    {"ep:Company", u"Company"}, {"ep:Manager", u"Manager"}, {"ep:HyperlinkBase", u"Hyperlink Base"},
    {"ep:PresentationFormat", u"Format"}, {"ep:Slides", u"Number of Slides"}, {"ep:Notes", u"Number of Notes"},
    {"ep:HiddenSlides", u"Number of Hidden Slides"}, {"ep:MMClips", u"Number of Multimedia Clips"},
};

} // namespace lorivex::engine::docx
