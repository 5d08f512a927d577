#include "engine/DocxFixtures.h"

#include <sstream>

#include "engine/Utf.h"
#include "engine/docx/ZipPackage.h"

namespace lorivex::test {

namespace {

const std::string Mc = "xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\" "
                       "xmlns:w14=\"http://schemas.microsoft.com/office/word/2010/wordml\" mc:Ignorable=\"w14\"";

const std::string Picture =
    "<w:r><w:drawing><wp:inline><wp:extent cx=\"9525\" cy=\"9525\"/><wp:docPr id=\"1\" name=\"Picture 1\"/>"
    "<a:graphic><a:graphicData uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><pic:pic>"
    "<pic:blipFill><a:blip r:embed=\"rIdImg\"/></pic:blipFill></pic:pic></a:graphicData></a:graphic>"
    "</wp:inline></w:drawing></w:r>";

// "Intro\\Setup\r\n" as UTF-16LE in base64, the related-topics data.
const std::string FieldData = "SQBuAHQAcgBvAFwAUwBlAHQAdQBwAA0ACgA=";

std::string WordBody()
{
    return "<w:p><w:pPr><w:pStyle w:val=\"Heading1\"/></w:pPr><w:bookmarkStart w:id=\"0\" w:name=\"_Toc1\"/>"
           "<w:r><w:t>Intro</w:t></w:r><w:bookmarkEnd w:id=\"0\"/></w:p>"
           "<w:p><w:r><w:rPr><w:vanish/></w:rPr><w:fldChar w:fldCharType=\"begin\"><w:fldData xml:space=\"preserve\">" +
           FieldData + "</w:fldData></w:fldChar></w:r><w:r><w:rPr><w:vanish/></w:rPr><w:instrText xml:space=\"preserve\">"
           " ADDIN lxSeeAlsoData </w:instrText></w:r><w:r><w:rPr><w:vanish/></w:rPr><w:fldChar w:fldCharType=\"end\"/>"
           "</w:r></w:p>"
           "<w:p><w:proofErr w:type=\"spellStart\"/><w:r><w:rPr><w:b/><w:i/><w:color w:val=\"FF0000\"/>"
           "<w:sz w:val=\"28\"/><w:rFonts w:ascii=\"Arial\" w:hAnsi=\"Arial\"/></w:rPr><w:t xml:space=\"preserve\">Bold "
           "</w:t></w:r><w:proofErr w:type=\"spellEnd\"/><w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r>"
           "<w:instrText xml:space=\"preserve\"> IF </w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"begin\"/></w:r>"
           "<w:r><w:instrText xml:space=\"preserve\"> DOCPROPERTY lxTopicTitle </w:instrText></w:r><w:r>"
           "<w:fldChar w:fldCharType=\"separate\"/></w:r><w:r><w:t>T</w:t></w:r><w:r><w:fldChar w:fldCharType=\"end\"/>"
           "</w:r><w:r><w:instrText xml:space=\"preserve\"> = \"T\" yes no </w:instrText></w:r><w:r>"
           "<w:fldChar w:fldCharType=\"separate\"/></w:r><w:r><w:t>yes</w:t></w:r><w:r><w:fldChar "
           "w:fldCharType=\"end\"/></w:r><w:hyperlink r:id=\"rIdLink\" w:tgtFrame=\"_blank\" w:tooltip=\"Tip\" "
           "w:history=\"1\"><w:r><w:rPr><w:rStyle w:val=\"Hyperlink\"/></w:rPr><w:t>web</w:t></w:r></w:hyperlink>"
           "<w:hyperlink w:anchor=\"_Toc1\"><w:r><w:t>back</w:t></w:r></w:hyperlink>"
           "<w:r><w:t xml:space=\"preserve\"> </w:t></w:r><w:commentRangeStart w:id=\"0\"/><w:r><w:t>note</w:t></w:r>"
           "<w:commentRangeEnd w:id=\"0\"/><w:r><w:commentReference w:id=\"0\"/></w:r></w:p>"
           "<w:p><w:pPr><w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"1\"/></w:numPr></w:pPr><w:r><w:t>item</w:t>"
           "<w:tab/><w:t>two</w:t><w:br/></w:r>" + Picture +
           "<w:r><mc:AlternateContent><mc:Choice Requires=\"w14\"><w:t>new</w:t></mc:Choice><mc:Fallback><w:t>old</w:t>"
           "</mc:Fallback></mc:AlternateContent></w:r></w:p>"
           "<w:sdt><w:sdtPr><w:alias w:val=\"Box\"/></w:sdtPr><w:sdtContent><w:p><w:r><w:t>in a control</w:t></w:r></w:p>"
           "</w:sdtContent></w:sdt>"
           "<w:tbl><w:tblPr><w:tblW w:w=\"0\" w:type=\"auto\"/></w:tblPr><w:tblGrid><w:gridCol w:w=\"100\"/>"
           "<w:gridCol w:w=\"100\"/></w:tblGrid><w:tr><w:tc><w:tcPr><w:tcW w:w=\"100\"/></w:tcPr><w:p><w:r><w:t>a1</w:t>"
           "</w:r></w:p><w:p><w:r><w:t>a1b</w:t></w:r></w:p></w:tc><w:tc><w:p/></w:tc></w:tr><w:tr><w:tc><w:p><w:r>"
           "<w:t>b1</w:t></w:r></w:p></w:tc><w:tc><w:p><w:r><w:t>b2</w:t></w:r></w:p></w:tc></w:tr></w:tbl>"
           "<w:p><w:pPr><w:pStyle w:val=\"Heading2\"/></w:pPr><w:r><w:t>Setup</w:t></w:r></w:p>"
           "<w:sectPr><w:headerReference w:type=\"default\" r:id=\"rIdHead\"/><w:footerReference w:type=\"default\" "
           "r:id=\"rIdFoot\"/><w:pgSz w:w=\"11906\" w:h=\"16838\"/></w:sectPr>";
}

void AddProperties(DocxBuilder& builder)
{
    builder.Part("docProps/core.xml",
                 "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><cp:coreProperties "
                 "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
                 "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\" "
                 "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><dc:title>Manual</dc:title>"
                 "<dc:creator>Ann</dc:creator><dcterms:created xsi:type=\"dcterms:W3CDTF\">2024-05-01T09:30:00Z"
                 "</dcterms:created></cp:coreProperties>");
    builder.Part("docProps/app.xml",
                 "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><Properties "
                 "xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\" "
                 "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\"><Template>"
                 "Normal.dotm</Template><Company>Vantrell</Company><HeadingPairs><vt:vector size=\"0\" "
                 "baseType=\"variant\"/></HeadingPairs></Properties>");
    builder.Part("docProps/custom.xml",
                 "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><Properties "
                 "xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/custom-properties\" "
                 "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\"><property "
                 "fmtid=\"{D5CDD505-2E9C-101B-9397-08002B2CF9AE}\" pid=\"2\" name=\"lxTopicTitle\"><vt:lpwstr>Topic "
                 "Title</vt:lpwstr></property></Properties>");
}

} // namespace

DocxBuilder WordLikeDocument()
{
    DocxBuilder builder;
    builder.Part("word/document.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><w:document " +
                                          DocxBuilder::WordNamespaces() + " " + Mc +
                                          "><w:background w:color=\"FFFFFF\"/><w:body>" + WordBody() +
                                          "</w:body></w:document>");
    std::string type = DocxBuilder::RelType;
    builder.Relationship("rIdLink", type + "hyperlink", "http://example.com/a?b=1&amp;c=2", true)
        .Relationship("rIdImg", type + "image", "media/image1.png")
        .Relationship("rIdHead", type + "header", "header1.xml")
        .Relationship("rIdFoot", type + "footer", "footer1.xml")
        .Relationship("rIdNum", type + "numbering", "numbering.xml")
        .Relationship("rIdComments", type + "comments", "comments.xml");
    builder.Part("word/media/image1.png", PngBytes);
    builder.Part("word/header1.xml", "<?xml version=\"1.0\"?><w:hdr " + DocxBuilder::WordNamespaces() +
                                         "><w:p><w:r><w:t>Head</w:t></w:r></w:p></w:hdr>");
    builder.Part("word/footer1.xml", "<?xml version=\"1.0\"?><w:ftr " + DocxBuilder::WordNamespaces() +
                                         "><w:p><w:r><w:t xml:space=\"preserve\">Page </w:t></w:r><w:fldSimple "
                                         "w:instr=\" PAGE \"><w:r><w:t>1</w:t></w:r></w:fldSimple></w:p></w:ftr>");
    builder.Part("word/numbering.xml", "<?xml version=\"1.0\"?><w:numbering " + DocxBuilder::WordNamespaces() +
                                           "><w:num w:numId=\"1\"><w:abstractNumId w:val=\"0\"/></w:num></w:numbering>");
    builder.Part("word/comments.xml", "<?xml version=\"1.0\"?><w:comments " + DocxBuilder::WordNamespaces() +
                                          "><w:comment w:id=\"0\" w:author=\"Ann\"><w:p><w:r><w:t>Check</w:t></w:r>"
                                          "</w:p></w:comment></w:comments>");
    builder.Part("customXml/item1.xml", "<data><unknown to=\"us\"/></data>");
    AddProperties(builder);
    return builder;
}

DocxBuilder OtherProducerDocument()
{
    const std::string ns = "xmlns:ns0=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
                           "xmlns:ns1=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";
    DocxBuilder builder;
    builder.Part(
        "word/document.xml",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><ns0:document " + ns + "><ns0:body>"
        "<ns0:p><ns0:pPr><ns0:outlineLvl ns0:val=\"0\"/></ns0:pPr><ns0:bookmarkStart ns0:id=\"7\" ns0:name=\"span\"/>"
        "<ns0:r><ns0:t>Top</ns0:t></ns0:r></ns0:p><ns0:p><ns0:r><ns0:t>Second</ns0:t></ns0:r><ns0:bookmarkEnd ns0:id=\"7\"/>"
        "<ns0:fldSimple ns0:instr=\" DOCPROPERTY Title \"><ns0:r><ns0:t>Manual</ns0:t></ns0:r></ns0:fldSimple>"
        "<ns0:hyperlink ns1:id=\"rIdL\"><ns0:r><ns0:t>site</ns0:t></ns0:r></ns0:hyperlink></ns0:p>"
        "<ns0:tbl><ns0:tblPr/><ns0:tr><ns0:tc><ns0:p><ns0:r><ns0:t>outer</ns0:t></ns0:r></ns0:p><ns0:tbl><ns0:tblPr/>"
        "<ns0:tr><ns0:tc><ns0:p><ns0:r><ns0:t>inner</ns0:t></ns0:r></ns0:p></ns0:tc></ns0:tr></ns0:tbl><ns0:p/>"
        "</ns0:tc></ns0:tr></ns0:tbl><ns0:tbl><ns0:tr><ns0:tc><ns0:p><ns0:r><ns0:t>next table</ns0:t></ns0:r></ns0:p>"
        "</ns0:tc></ns0:tr></ns0:tbl>"
        "<ns0:p><ns0:pPr><ns0:sectPr><ns0:pgSz ns0:w=\"12240\"/></ns0:sectPr></ns0:pPr><ns0:r><ns0:t>end of one"
        "</ns0:t></ns0:r></ns0:p><ns0:p><ns0:r><ns0:t>last</ns0:t></ns0:r></ns0:p>"
        "<ns0:sectPr><ns0:pgSz ns0:w=\"15840\"/></ns0:sectPr></ns0:body></ns0:document>");
    builder.Relationship("rIdL", std::string(DocxBuilder::RelType) + "hyperlink", "https://example.org/", true);
    AddProperties(builder);
    return builder;
}

std::map<std::string, std::string> ReadParts(const std::string& fileName)
{
    engine::docx::ZipPackage package(fileName);
    std::map<std::string, std::string> parts;
    for (const auto& name : package.PartNames())
        parts[name] = package.Read(name);
    return parts;
}

} // namespace lorivex::test
