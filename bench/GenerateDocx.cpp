// Writes a large help document: TOPICS topics, each a heading and 20 body
// paragraphs (the default 5,000 make 105,000 paragraphs). The headings run
// on four levels, so that the contents are a real tree; every topic has a
// bookmark on its heading, two index entries (XE fields, one of them a
// subentry), a cross-reference to a topic far away (REF \h, which a compile
// turns into a link to another page), a hyperlink to the previous topic, a
// DOCPROPERTY field and some bold and italic text: what an author's manual
// holds, in the proportions that make a compile's costs show.
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

std::string Run(const std::string& text, const std::string& rPr = "")
{
    return "<w:r>" + (rPr.empty() ? "" : "<w:rPr>" + rPr + "</w:rPr>") + "<w:t xml:space=\"preserve\">" + text +
           "</w:t></w:r>";
}

std::string FieldChar(const char* type)
{
    return std::string("<w:r><w:fldChar w:fldCharType=\"") + type + "\"/></w:r>";
}

std::string Instruction(const std::string& code)
{
    return "<w:r><w:instrText xml:space=\"preserve\">" + code + "</w:instrText></w:r>";
}

// An index entry as Word marks one: a field without a result, hidden.
std::string IndexEntry(const std::string& entry)
{
    return "<w:r><w:rPr><w:vanish/></w:rPr><w:fldChar w:fldCharType=\"begin\"/></w:r>"
           "<w:r><w:rPr><w:vanish/></w:rPr><w:instrText xml:space=\"preserve\"> XE \"" + entry +
           "\" </w:instrText></w:r><w:r><w:rPr><w:vanish/></w:rPr><w:fldChar w:fldCharType=\"end\"/></w:r>";
}

// A cross-reference to a heading's bookmark, with its result.
std::string CrossReference(int target)
{
    std::string id = std::to_string(target);
    return FieldChar("begin") + Instruction(" REF _Toc" + id + " \\h ") + FieldChar("separate") +
           Run("Topic " + id) + FieldChar("end");
}

// Words drawn from a small vocabulary by a fixed generator: text that
// compresses like an author's prose rather than like one line repeated, and
// the same document on every run.
std::string Words(unsigned& seed, int count)
{
    static const char* const vocabulary[] = {
        "the", "a", "of", "to", "and", "in", "is", "for", "on", "with", "that", "by", "this", "from", "as", "or",
        "be", "are", "it", "you", "can", "when", "each", "which", "help", "topic", "page", "file", "document",
        "window", "button", "dialog", "option", "setting", "folder", "project", "compiler", "index", "entry",
        "contents", "link", "table", "field", "style", "heading", "paragraph", "keyword", "search", "menu",
        "command", "toolbar", "select", "choose", "click", "open", "close", "save", "print", "insert", "delete",
        "update", "create", "change", "show", "hide", "move", "copy", "paste", "format", "check", "list",
        "value", "default", "custom", "related", "popup", "variable", "stylesheet", "template", "output",
        "error", "warning", "message", "author", "reader", "browser", "viewer", "section", "chapter", "image",
        "picture", "caption", "title", "text", "font", "size", "color", "language", "version", "number"};
    std::string text;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        if (i)
            text += ' ';
        text += vocabulary[(seed >> 16) % (sizeof vocabulary / sizeof *vocabulary)];
    }
    return text;
}

// Per hundred topics one chapter (level 1) of five sections (level 2),
// each of four subsections (level 3) holding the rest (level 4): a tree
// with no level skipped.
int Level(int n)
{
    int o = (n - 1) % 100;
    return o == 0 ? 1 : (o - 1) % 20 == 0 ? 2 : (o - 1) % 5 == 1 ? 3 : 4;
}

std::string Topic(int n, int topics)
{
    unsigned seed = unsigned(n);
    std::string id = std::to_string(n);
    std::string body = Paragraph("Heading" + std::to_string(Level(n)),
                                 "<w:bookmarkStart w:id=\"" + id + "\" w:name=\"_Toc" + id + "\"/>" +
                                     Run("Topic " + id) + "<w:bookmarkEnd w:id=\"" + id + "\"/>");
    body += Paragraph("", Run("Title: ") + "<w:fldSimple w:instr=\" DOCPROPERTY lxTopicTitle \">" +
                              Run("Topic Title") + "</w:fldSimple>");
    body += Paragraph("", Run("This topic explains ") + Run("feature " + id, "<w:b/>") + Run(".") +
                              IndexEntry("feature " + id) + IndexEntry("Chapter " + std::to_string((n - 1) / 100 + 1) +
                                                                       ":feature " + id));
    // A target far away in the document: links that a compile resolves
    // across the whole document, not just to a neighbour.
    int target = int((long long)n * 7919 % topics) + 1;
    body += Paragraph("", Run("See ") + CrossReference(target) + Run(" for the details, or the ") +
                              "<w:hyperlink w:anchor=\"_Toc" + std::to_string(n > 1 ? n - 1 : 1) + "\">" +
                              Run("previous topic") + "</w:hyperlink>" + Run("."));
    for (int i = 4; i <= 20; ++i)
        body += Paragraph("", Run("Paragraph " + std::to_string(i) + " of topic " + id + ": " + Words(seed, 9) + " ") +
                                  Run(Words(seed, 2), "<w:i/>") + Run(std::string(" ").append(Words(seed, 7)).append(".")));
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
    if (topics < 1) {
        std::cerr << "TOPICS must be a positive number\n";
        return 2;
    }
    std::string body;
    for (int n = 1; n <= topics; ++n)
        body += Topic(n, topics);
    int error = 0;
    zip_t* zip = zip_open(argv[1], ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip) {
        std::cerr << "cannot create " << argv[1] << "\n";
        return 1;
    }
    Add(zip, "[Content_Types].xml",
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
        "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
        "<Override PartName=\"/word/styles.xml\" ContentType=\"application/"
        "vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/></Types>");
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
    for (int level = 1; level <= 4; ++level)
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
    std::cout << argv[1] << ": " << topics << " topics, " << topics * 21 << " paragraphs\n";
    return 0;
}
