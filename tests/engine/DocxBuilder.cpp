#include "engine/DocxBuilder.h"

#include <algorithm>

#include <zip.h>

#include <stdexcept>
#include <vector>

#include "platform/CodePages.h"

namespace lorivex::test {

std::string DocxBuilder::WordNamespaces()
{
    return "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
           "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
           "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\" "
           "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
           "xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"";
}

DocxBuilder::DocxBuilder()
{
    parts_["[Content_Types].xml"] =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Default Extension=\"png\" ContentType=\"image/png\"/>"
        "<Override PartName=\"/word/document.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
        "</Types>";
    parts_["_rels/.rels"] =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
        "officeDocument\" Target=\"word/document.xml\"/>"
        "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/package/2006/relationships/metadata/"
        "core-properties\" Target=\"docProps/core.xml\"/>"
        "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
        "extended-properties\" Target=\"docProps/app.xml\"/>"
        "<Relationship Id=\"rId4\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
        "custom-properties\" Target=\"docProps/custom.xml\"/>"
        "</Relationships>";
    Relationship("rIdStyles", std::string(RelType) + "styles", "styles.xml");
    Styles("");
    Body("<w:p><w:r><w:t>Empty</w:t></w:r></w:p>");
}

DocxBuilder& DocxBuilder::Body(const std::string& bodyXml)
{
    parts_["word/document.xml"] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><w:document " +
                                  WordNamespaces() + "><w:body>" + bodyXml + "</w:body></w:document>";
    return *this;
}

DocxBuilder& DocxBuilder::Styles(const std::string& stylesXml)
{
    parts_["word/styles.xml"] =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:styles " + WordNamespaces() +
        "><w:docDefaults><w:rPrDefault><w:rPr><w:lang w:val=\"en-US\"/></w:rPr></w:rPrDefault></w:docDefaults>"
        "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/></w:style>"
        "<w:style w:type=\"paragraph\" w:styleId=\"Heading1\"><w:name w:val=\"heading 1\"/>"
        "<w:basedOn w:val=\"Normal\"/><w:pPr><w:outlineLvl w:val=\"0\"/></w:pPr></w:style>"
        "<w:style w:type=\"paragraph\" w:styleId=\"Heading2\"><w:name w:val=\"heading 2\"/>"
        "<w:basedOn w:val=\"Normal\"/><w:pPr><w:outlineLvl w:val=\"1\"/></w:pPr></w:style>"
        "<w:style w:type=\"paragraph\" w:styleId=\"Heading3\"><w:name w:val=\"heading 3\"/>"
        "<w:basedOn w:val=\"Normal\"/></w:style>" +
        stylesXml + "</w:styles>";
    return *this;
}

DocxBuilder& DocxBuilder::CustomProperty(const std::string& name, const std::string& value)
{
    std::string escaped;
    for (char c : value)
        escaped += c == '&' ? std::string("&amp;") : c == '<' ? std::string("&lt;") : std::string(1, c);
    customProperties_ += "<property fmtid=\"{D5CDD505-2E9C-101B-9397-08002B2CF9AE}\" pid=\""
                       + std::to_string(2 + std::count(customProperties_.begin(), customProperties_.end(), '\n'))
                       + "\" name=\"" + name + "\"><vt:lpwstr>" + escaped + "</vt:lpwstr></property>\n";
    parts_["docProps/custom.xml"] =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><Properties "
        "xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/custom-properties\" "
        "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\">"
        + customProperties_ + "</Properties>";
    return *this;
}

DocxBuilder& DocxBuilder::Part(const std::string& name, const std::string& xml)
{
    parts_[name] = xml;
    return *this;
}

DocxBuilder& DocxBuilder::Remove(const std::string& name)
{
    parts_.erase(name);
    return *this;
}

DocxBuilder& DocxBuilder::Relationship(const std::string& id, const std::string& type, const std::string& target,
                                       bool external)
{
    relationships_ += "<Relationship Id=\"" + id + "\" Type=\"" + type + "\" Target=\"" + target + "\"" +
                      (external ? " TargetMode=\"External\"" : "") + "/>";
    parts_["word/_rels/document.xml.rels"] =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
        relationships_ + "</Relationships>";
    return *this;
}

void DocxBuilder::Write(const std::string& fileName) const
{
    int error = 0;
    // Our paths are ANSI text; libzip takes UTF-8.
    zip_t* zip = zip_open(platform::AnsiToUtf8(fileName).c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        throw std::runtime_error("cannot create " + fileName);
    for (const auto& [name, bytes] : parts_) {
        zip_source_t* source = zip_source_buffer(zip, bytes.data(), bytes.size(), 0);
        if (!source || zip_file_add(zip, name.c_str(), source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            zip_discard(zip);
            throw std::runtime_error("cannot add " + name + " to " + fileName);
        }
    }
    if (zip_close(zip) != 0) {
        zip_discard(zip);
        throw std::runtime_error("cannot write " + fileName);
    }
}

} // namespace lorivex::test
