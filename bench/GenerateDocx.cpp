// Writes a large help document: TOPICS topics of 20 paragraphs each (the
// default 5,000 make 100,000 paragraphs), headings on three levels, a
// DOCPROPERTY field, a bookmark and a hyperlink in every topic.
#include <zip.h>

#include <cstdlib>
#include <iostream>
#include <string>

namespace {

const char* Namespaces = "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
                         "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";

std::string Paragraph(const std::string& style, const std::string& runs)
{
    std::string pPr = style.empty() ? "" : "<w:pPr><w:pStyle w:val=\"" + style + "\"/></w:pPr>";
    return "<w:p>" + pPr + runs + "</w:p>";
}

std::string Run(const std::string& text)
{
    return "<w:r><w:t xml:space=\"preserve\">" + text + "</w:t></w:r>";
}

std::string Topic(int n)
{
    std::string id = std::to_string(n);
    int level = n % 10 == 0 ? 1 : (n % 3 == 0 ? 3 : 2);
    std::string body = Paragraph("Heading" + std::to_string(level),
                                 "<w:bookmarkStart w:id=\"" + id + "\" w:name=\"_Toc" + id + "\"/>" +
                                     Run("Topic " + id) + "<w:bookmarkEnd w:id=\"" + id + "\"/>");
    body += Paragraph("", Run("Title: ") + "<w:fldSimple w:instr=\" DOCPROPERTY lxTopicTitle \">" +
                              Run("Topic Title") + "</w:fldSimple>");
    body += Paragraph("", "<w:hyperlink w:anchor=\"_Toc" + std::to_string(n > 1 ? n - 1 : 1) + "\">" +
                              Run("previous topic") + "</w:hyperlink>" + Run(" and more text."));
    for (int i = 3; i < 20; ++i)
        body += Paragraph("", Run("Paragraph " + std::to_string(i) + " of topic " + id +
                                  ": the quick brown fox jumps over the lazy dog, twice over."));
    return body;
}

void Add(zip_t* zip, const std::string& name, const std::string& bytes)
{
    auto* copy = static_cast<char*>(std::malloc(bytes.size()));
    std::copy(bytes.begin(), bytes.end(), copy);
    zip_source_t* source = zip_source_buffer(zip, copy, bytes.size(), 1);
    if (!source || zip_file_add(zip, name.c_str(), source, ZIP_FL_OVERWRITE) < 0) {
        std::cerr << "cannot add " << name << "\n";
        std::exit(1);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: lorivex_bench_generate OUT.docx [TOPICS]\n";
        return 2;
    }
    int topics = argc > 2 ? std::atoi(argv[2]) : 5000;
    std::string body;
    for (int n = 1; n <= topics; ++n)
        body += Topic(n);
    int error = 0;
    zip_t* zip = zip_open(argv[1], ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip) {
        std::cerr << "cannot create " << argv[1] << "\n";
        return 1;
    }
    Add(zip, "[Content_Types].xml",
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>");
    Add(zip, "_rels/.rels",
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
        "officeDocument\" Target=\"word/document.xml\"/></Relationships>");
    Add(zip, "word/_rels/document.xml.rels",
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
        "styles\" Target=\"styles.xml\"/></Relationships>");
    std::string styles = std::string("<w:styles ") + Namespaces + ">"
                         "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/></w:style>";
    for (int level = 1; level <= 3; ++level)
        styles += "<w:style w:type=\"paragraph\" w:styleId=\"Heading" + std::to_string(level) +
                  "\"><w:name w:val=\"heading " + std::to_string(level) +
                  "\"/><w:basedOn w:val=\"Normal\"/><w:pPr><w:outlineLvl w:val=\"" + std::to_string(level - 1) +
                  "\"/></w:pPr></w:style>";
    Add(zip, "word/styles.xml", styles + "</w:styles>");
    Add(zip, "word/document.xml", std::string("<w:document ") + Namespaces + "><w:body>" + body + "</w:body></w:document>");
    if (zip_close(zip) != 0) {
        std::cerr << "cannot write " << argv[1] << "\n";
        return 1;
    }
    std::cout << argv[1] << ": " << topics << " topics, " << topics * 20 << " paragraphs\n";
    return 0;
}
