#pragma once
// Builds .docx fixtures from XML strings, so that the engine's tests carry
// their documents in the test code: a Word-like default package, parts
// replaced or added one by one, or raw bytes for damaged packages.
#include <map>
#include <string>

namespace lorivex::test {

class DocxBuilder {
public:
    DocxBuilder(); // content types, package and document relationships

    // The paragraphs and tables inside w:body, in Word's own namespace.
    DocxBuilder& Body(const std::string& bodyXml);
    DocxBuilder& Part(const std::string& name, const std::string& xml);
    DocxBuilder& Remove(const std::string& name);
    // Adds a relationship of word/document.xml.
    DocxBuilder& Relationship(const std::string& id, const std::string& type, const std::string& target,
                              bool external = false);
    DocxBuilder& Styles(const std::string& stylesXml); // the w:style elements
    // A custom document property holding text (XML-escaped here).
    DocxBuilder& CustomProperty(const std::string& name, const std::string& value);
    void Write(const std::string& fileName) const;

    static std::string WordNamespaces(); // the xmlns declarations Word writes
    static constexpr const char* RelType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

private:
    std::map<std::string, std::string> parts_;
    std::string relationships_;
    std::string customProperties_;
};

} // namespace lorivex::test
