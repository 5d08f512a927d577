#include "examples/DocumentParts.h"

#include "engine/DocxBuilder.h"
#include "engine/WordXml.h"

namespace lorivex::examples {

using test::DocxBuilder;
using namespace test::xml;

namespace {

const std::string Hidden = "<w:vanish/>";

} // namespace

std::string Styles()
{
    auto heading = [](int level, int halfPoints) {
        std::string n = std::to_string(level);
        return "<w:style w:type=\"paragraph\" w:styleId=\"Heading" + n + "\"><w:name w:val=\"heading " + n +
               "\"/><w:basedOn w:val=\"Normal\"/><w:next w:val=\"Normal\"/><w:pPr><w:outlineLvl w:val=\"" +
               std::to_string(level - 1) + "\"/></w:pPr><w:rPr><w:rFonts w:ascii=\"Arial\" w:hAnsi=\"Arial\"/>"
               "<w:b/><w:color w:val=\"0A246A\"/><w:sz w:val=\"" + std::to_string(halfPoints) + "\"/></w:rPr></w:style>";
    };
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:styles " + DocxBuilder::WordNamespaces() +
           "><w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Verdana\" w:hAnsi=\"Verdana\"/>"
           "<w:sz w:val=\"20\"/><w:lang w:val=\"en-US\"/></w:rPr></w:rPrDefault></w:docDefaults>"
           "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/></w:style>" +
           heading(1, 32) + heading(2, 26) + heading(3, 22) + "</w:styles>";
}

std::string HeaderFooter(const char* element, const std::string& runs)
{
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:") + element + " " +
           DocxBuilder::WordNamespaces() + ">" + Para(runs) + "</w:" + element + ">";
}

std::string CustomProperties(const std::vector<std::pair<std::string, std::string>>& properties)
{
    std::string props;
    int pid = 2;
    auto add = [&](const std::string& name, const std::string& value) {
        props += "<property fmtid=\"{D5CDD505-2E9C-101B-9397-08002B2CF9AE}\" pid=\"" + std::to_string(pid++) +
                 "\" name=\"" + name + "\"><vt:lpwstr>" + Escape(value) + "</vt:lpwstr></property>";
    };
    for (const auto& [name, value] : properties)
        add(name, value);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><Properties "
           "xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/custom-properties\" "
           "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\">" +
           props + "</Properties>";
}

std::string ContentTypes()
{
    const std::string wml = "application/vnd.openxmlformats-officedocument.wordprocessingml.";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
           "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
           "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
           "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
           "<Default Extension=\"png\" ContentType=\"image/png\"/>"
           "<Override PartName=\"/word/document.xml\" ContentType=\"" + wml + "document.main+xml\"/>"
           "<Override PartName=\"/word/styles.xml\" ContentType=\"" + wml + "styles+xml\"/>"
           "<Override PartName=\"/word/header1.xml\" ContentType=\"" + wml + "header+xml\"/>"
           "<Override PartName=\"/word/footer1.xml\" ContentType=\"" + wml + "footer+xml\"/>"
           "<Override PartName=\"/docProps/core.xml\" "
           "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
           "<Override PartName=\"/docProps/custom.xml\" "
           "ContentType=\"application/vnd.openxmlformats-officedocument.custom-properties+xml\"/>"
           "</Types>";
}

std::string CoreProperties(const std::string& title, const std::string& subject)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><cp:coreProperties "
           "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
           "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><dc:title>" + Escape(title) + "</dc:title>"
           "<dc:subject>" + Escape(subject) + "</dc:subject><dc:creator>Lorivex</dc:creator>"
           "</cp:coreProperties>";
}

std::string Related(const std::string& pathsWithCrLf)
{
    return Para(SeeAlsoData(pathsWithCrLf, Hidden));
}

std::string Index(const std::string& entry)
{
    return Field(" XE \"" + entry + "\" ", "", "", Hidden);
}

std::string Bookmarked(const std::string& name, int id, const std::string& runs)
{
    std::string n = std::to_string(id);
    return "<w:bookmarkStart w:id=\"" + n + "\" w:name=\"" + name + "\"/>" + runs + "<w:bookmarkEnd w:id=\"" + n +
           "\"/>";
}

} // namespace lorivex::examples
