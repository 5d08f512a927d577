#include "ManualDocx.h"

#include <algorithm>

#include "engine/DocxBuilder.h"
#include "engine/WordXml.h"

namespace lorivex::manual {

namespace {

using namespace lorivex::test::xml;
using lorivex::test::DocxBuilder;

const std::string CodeFont = "<w:rFonts w:ascii=\"Courier New\" w:hAnsi=\"Courier New\" w:cs=\"Courier New\"/>";

// numId 1 is every bullet list; numbered list n gets numId n + 1, so that
// each starts again at 1.
const int BulletNumbering = 1;

std::string Runs(const std::vector<Span>& spans)
{
    std::string runs;
    for (const auto& span : spans) {
        std::string properties;
        if (span.Code)
            properties += CodeFont;
        if (span.Bold)
            properties += "<w:b/>";
        if (span.Italic)
            properties += "<w:i/>";
        runs += Run(span.Text, properties);
    }
    return runs;
}

std::string ListParagraph(const Block& block, int numId)
{
    return "<w:p><w:pPr><w:pStyle w:val=\"" + std::string(numId == BulletNumbering ? "ListBullet" : "ListNumber") +
           "\"/><w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"" + std::to_string(numId) + "\"/></w:numPr></w:pPr>" +
           Runs(block.Spans) + "</w:p>";
}

std::string CodeParagraphs(const Block& block)
{
    std::string xml;
    for (size_t i = 0; i < block.CodeLines.size(); ++i) {
        // The block keeps its distance from what follows; its lines do not.
        const bool last = i + 1 == block.CodeLines.size();
        xml += "<w:p><w:pPr><w:pStyle w:val=\"Code\"/>" +
               std::string(last ? "<w:spacing w:after=\"160\"/>" : "") + "</w:pPr>" +
               (block.CodeLines[i].empty() ? std::string() : Run(block.CodeLines[i])) + "</w:p>";
    }
    return xml;
}

std::string Styles()
{
    auto heading = [](int level, int halfPoints, const char* colour) {
        std::string n = std::to_string(level);
        return "<w:style w:type=\"paragraph\" w:styleId=\"Heading" + n + "\"><w:name w:val=\"heading " + n +
               "\"/><w:basedOn w:val=\"Normal\"/><w:next w:val=\"Normal\"/><w:pPr><w:keepNext/>"
               "<w:spacing w:before=\"240\" w:after=\"120\"/><w:outlineLvl w:val=\"" + std::to_string(level - 1) +
               "\"/></w:pPr><w:rPr><w:rFonts w:ascii=\"Arial\" w:hAnsi=\"Arial\" w:cs=\"Arial\"/><w:b/>"
               "<w:color w:val=\"" + colour + "\"/><w:sz w:val=\"" + std::to_string(halfPoints) + "\"/></w:rPr></w:style>";
    };
    auto list = [](const char* id, const char* name) {
        return std::string("<w:style w:type=\"paragraph\" w:styleId=\"") + id + "\"><w:name w:val=\"" + name +
               "\"/><w:basedOn w:val=\"Normal\"/><w:pPr><w:spacing w:after=\"60\"/>"
               "<w:ind w:left=\"720\" w:hanging=\"360\"/></w:pPr></w:style>";
    };
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:styles " + DocxBuilder::WordNamespaces() +
           "><w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Verdana\" w:hAnsi=\"Verdana\" "
           "w:cs=\"Verdana\"/><w:sz w:val=\"20\"/><w:lang w:val=\"en-US\"/></w:rPr></w:rPrDefault>"
           "</w:docDefaults>"
           "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/>"
           "<w:pPr><w:spacing w:after=\"120\"/></w:pPr></w:style>" +
           heading(1, 32, "0A246A") + heading(2, 26, "0A246A") + heading(3, 22, "1F3F8F") +
           heading(4, 20, "1F3F8F") + list("ListBullet", "List Bullet") + list("ListNumber", "List Number") +
           "<w:style w:type=\"paragraph\" w:styleId=\"Code\"><w:name w:val=\"Code\"/><w:basedOn w:val=\"Normal\"/>"
           "<w:pPr><w:spacing w:after=\"0\"/><w:ind w:left=\"360\"/></w:pPr><w:rPr>" + CodeFont +
           "<w:sz w:val=\"18\"/></w:rPr></w:style></w:styles>";
}

std::string Numbering(int numberedLists)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><w:numbering " +
                      DocxBuilder::WordNamespaces() +
                      "><w:abstractNum w:abstractNumId=\"0\"><w:lvl w:ilvl=\"0\"><w:start w:val=\"1\"/>"
                      "<w:numFmt w:val=\"bullet\"/><w:lvlText w:val=\"\xE2\x80\xA2\"/><w:lvlJc w:val=\"left\"/>"
                      "<w:pPr><w:ind w:left=\"720\" w:hanging=\"360\"/></w:pPr></w:lvl></w:abstractNum>"
                      "<w:abstractNum w:abstractNumId=\"1\"><w:lvl w:ilvl=\"0\"><w:start w:val=\"1\"/>"
                      "<w:numFmt w:val=\"decimal\"/><w:lvlText w:val=\"%1.\"/><w:lvlJc w:val=\"left\"/>"
                      "<w:pPr><w:ind w:left=\"720\" w:hanging=\"360\"/></w:pPr></w:lvl></w:abstractNum>";
    xml += "<w:num w:numId=\"" + std::to_string(BulletNumbering) + "\"><w:abstractNumId w:val=\"0\"/></w:num>";
    for (int n = 1; n <= numberedLists; ++n)
        xml += "<w:num w:numId=\"" + std::to_string(n + 1) + "\"><w:abstractNumId w:val=\"1\"/></w:num>";
    return xml + "</w:numbering>";
}

std::string ContentTypes()
{
    const std::string wml = "application/vnd.openxmlformats-officedocument.wordprocessingml.";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
           "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
           "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
           "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
           "<Override PartName=\"/word/document.xml\" ContentType=\"" + wml + "document.main+xml\"/>"
           "<Override PartName=\"/word/styles.xml\" ContentType=\"" + wml + "styles+xml\"/>"
           "<Override PartName=\"/word/numbering.xml\" ContentType=\"" + wml + "numbering+xml\"/>"
           "<Override PartName=\"/docProps/core.xml\" "
           "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
           "<Override PartName=\"/docProps/custom.xml\" "
           "ContentType=\"application/vnd.openxmlformats-officedocument.custom-properties+xml\"/>"
           "</Types>";
}

// No title: a page without one takes its first words, the topic's heading,
// which is what the viewer's search results should list.
std::string CoreProperties()
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><cp:coreProperties "
           "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
           "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><dc:subject>The Lorivex 2008 manual</dc:subject>"
           "<dc:creator>Lorivex</dc:creator></cp:coreProperties>";
}

} // namespace

std::string BodyXml(const Manual& manual)
{
    std::string body;
    for (const auto& block : manual.Blocks) {
        switch (block.Kind) {
        case BlockKind::Heading: body += Heading(block.Level, Run(block.Title)); break;
        case BlockKind::Paragraph: body += Para(Runs(block.Spans)); break;
        case BlockKind::Bullet: body += ListParagraph(block, BulletNumbering); break;
        case BlockKind::Numbered: body += ListParagraph(block, block.ListNumber + 1); break;
        case BlockKind::Code: body += CodeParagraphs(block); break;
        }
    }
    return body + "<w:sectPr/>";
}

void WriteDocx(const Manual& manual, const std::string& fileName)
{
    int lists = 0;
    for (const auto& block : manual.Blocks)
        lists = std::max(lists, block.Kind == BlockKind::Numbered ? block.ListNumber : 0);
    DocxBuilder docx;
    docx.Part("[Content_Types].xml", ContentTypes())
        .Part("word/styles.xml", Styles())
        .Part("word/numbering.xml", Numbering(lists))
        .Part("docProps/core.xml", CoreProperties())
        .Remove("docProps/app.xml")
        .Relationship("rIdNumbering", std::string(DocxBuilder::RelType) + "numbering", "numbering.xml")
        .Body(BodyXml(manual));
    for (const auto& property : manual.Properties)
        docx.CustomProperty(property.Name, property.Value);
    if (manual.Properties.empty())
        docx.Remove("docProps/custom.xml");
    docx.Write(fileName);
}

} // namespace lorivex::manual
