// Writes the sample help document that "lorivex compile" compiles when it is
// given no document: every construct the compile run handles, in a .docx
// built from the XML below so that it can be made again at any time.
//
//   make_sample OUT.docx STYLESHEET.css
#include <iostream>
#include <string>

#include "engine/DocxBuilder.h"
#include "engine/WordXml.h"
#include "examples/DocumentParts.h"
#include "platform/CodePages.h"
#include "platform/FileSystem.h"
#include "platform/Program.h"

namespace {

using lorivex::test::DocxBuilder;

const std::string Png = std::string("\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x10\x00\x00\x00\x10\x08\x02\x00\x00\x00\x90\x91\x68\x36\x00\x00\x00\x24\x49\x44\x41\x54\x78\xda\x63\xe0\x52\xc9\x82\xa3\x2b\x17\x4e\xc0\x11\x2e\x71\x86\x41\xa8\x81\x18\x45\xc8\xe2\x83\x51\xc3\x68\x3c\x0c\x0a\x0d\x00\x0b\xb1\x82\x10\x4d\xfe\x3a\x78\x00\x00\x00\x00\x49\x45\x4e\x44\xae\x42\x60\x82", 93);

using namespace lorivex::test::xml;
using namespace lorivex::examples;

std::string Code(const std::string& line)
{
    // Pasted code as the paste-code command leaves it: Courier New, coloured.
    const std::string font = "<w:rFonts w:ascii=\"Courier New\" w:hAnsi=\"Courier New\"/><w:sz w:val=\"20\"/>";
    std::string runs;
    size_t keyword = line.find("int ");
    if (keyword == 0)
        runs = Run("int", font + "<w:b/><w:color w:val=\"000080\"/>") + Run(line.substr(3), font);
    else if (line.rfind("//", 0) == 0)
        runs = Run(line, font + "<w:i/><w:color w:val=\"008000\"/>");
    else
        runs = Run(line, font);
    return Para(runs);
}

std::string Picture()
{
    return "<w:r><w:drawing><wp:inline><wp:extent cx=\"152400\" cy=\"152400\"/><wp:docPr id=\"1\" name=\"Logo\"/>"
           "<a:graphic><a:graphicData uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\">"
           "<pic:pic><pic:nvPicPr><pic:cNvPr id=\"1\" name=\"logo.png\"/><pic:cNvPicPr/></pic:nvPicPr>"
           "<pic:blipFill><a:blip r:embed=\"rIdLogo\"/></pic:blipFill><pic:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/>"
           "<a:ext cx=\"152400\" cy=\"152400\"/></a:xfrm><a:prstGeom prst=\"rect\"/></pic:spPr></pic:pic>"
           "</a:graphicData></a:graphic></wp:inline></w:drawing></w:r>";
}

std::string Table()
{
    auto cell = [](const std::string& text, bool bold) {
        return "<w:tc><w:tcPr><w:tcW w:w=\"3000\" w:type=\"dxa\"/></w:tcPr>" +
               Para(Run(text, bold ? "<w:b/>" : "")) + "</w:tc>";
    };
    auto row = [&](const std::string& a, const std::string& b, bool bold) {
        return "<w:tr>" + cell(a, bold) + cell(b, bold) + "</w:tr>";
    };
    return "<w:tbl><w:tblPr><w:tblBorders><w:top w:val=\"single\" w:sz=\"4\"/><w:bottom w:val=\"single\" "
           "w:sz=\"4\"/><w:insideH w:val=\"single\" w:sz=\"4\"/></w:tblBorders></w:tblPr>" +
           row("Requirement", "Minimum", true) + row("Disk space", "20 MB", false) +
           row("Word processor", "any that writes .docx", false) + "</w:tbl>";
}

std::string Body()
{
    return Heading(1, Run("Welcome")) +
           Related("Getting Started\\Installation\r\nReference\r\nReference\\What's new & changed\r\n") +
           Para(Run("This sample shows what a help document can hold. Every heading starts a topic; the heading "
                    "levels give the topics their place in the contents.") + Index("Welcome")) +
           Para(Run("Visit the ") +
                "<w:hyperlink r:id=\"rIdWeb\" w:tgtFrame=\"_blank\">" + Run("Lorivex web site", "<w:color w:val=\"0000FF\"/><w:u w:val=\"single\"/>") +
                "</w:hyperlink>" + Run(" for more.")) +
           Para(Field(" DOCPROPERTY lxSeeAlsoLinks ", "Topic1, Topic2, Topic3")) +
           Heading(1, Bookmarked("_Toc1", 1, Run("Getting Started"))) +
           Para(Run("Start here.") + Index("Getting started")) +
           Heading(2, Run("Installation")) +
           Para(Run("What the installation needs:") + Index("Installation") + Index("Setup:Requirements")) + Table() +
           Para(Run("Next: ") + Field(" REF _Ref100 \\h ", "Reference")) +
           Heading(2, Run("First Steps")) +
           Related("Getting Started\\Installation\r\n") +
           Para(Run("A first program:") + Index("Code")) + Code("// the smallest program") + Code("int main()") +
           Code("{") + Code("    return 0;") + Code("}") +
           Para(Field(" DOCPROPERTY lxSeeAlsoPopup ", "See also")) +
           Para("<w:hyperlink w:anchor=\"_top\">" + Run("Back to the top", "<w:u w:val=\"single\"/>") + "</w:hyperlink>") +
           Heading(1, Bookmarked("_Ref100", 2, Run("Reference"))) +
           Para(Run("The picture ") + Picture() + Run(" marks every Lorivex page.") + Index("Picture")) +
           Heading(2, Run("Topic Variables")) +
           Para(Run("This topic: ") + Field(" DOCPROPERTY lxTopicTitle ", "Topic Title")) +
           Para(Run("Compiled into ") + Field(" DOCPROPERTY lxCompiledFile ", "CompiledFile.chm") + Run(" at ") +
                Field(" DOCPROPERTY lxCompileTime ", "yyyy-mm-dd hh:nn")) +
           Heading(2, Run("What's new & changed")) +
           Para(Run("Apostrophes, ampersands and <angle brackets> in titles and text survive.") +
                Index("What's new")) +
           "<w:sectPr><w:headerReference w:type=\"default\" r:id=\"rIdHeader\"/>"
           "<w:footerReference w:type=\"default\" r:id=\"rIdFooter\"/></w:sectPr>";
}

} // namespace

int lorivex::platform::ProgramMain(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 2) {
        std::cerr << "usage: make_sample OUT.docx STYLESHEET.css\n";
        return 2;
    }
    // The stylesheet by its full path, in the form of the platform the sample
    // is compiled on (the property is the path a compile run opens), as
    // UTF-8 in the package's XML.
    const std::string styleSheet = AnsiToUtf8(ExpandFileName(Utf8ToAnsi(arguments[1])));
    const std::string type = DocxBuilder::RelType;
    DocxBuilder sample;
    sample.Part("[Content_Types].xml", ContentTypes())
        .Part("word/styles.xml", Styles())
        .Part("word/header1.xml",
              HeaderFooter("hdr", Run("Lorivex Sample Help | ", "<w:i/>") +
                                      Field(" DOCPROPERTY lxTopicTitle ", "Topic Title", "", "<w:i/>")))
        .Part("word/footer1.xml",
              HeaderFooter("ftr", Run("Compiled ", "<w:sz w:val=\"16\"/>") +
                                      Field(" DOCPROPERTY lxCompileTime ", "yyyy-mm-dd hh:nn", "", "<w:sz w:val=\"16\"/>")))
        .Part("word/media/logo.png", Png)
        .Part("docProps/core.xml", CoreProperties("Lorivex Sample Help", "What a help document can hold"))
        .Part("docProps/custom.xml", CustomProperties({{"lxCustomStyleSheet", styleSheet},
                                                         {"lxDateFormat", "yyyy-mm-dd hh:nn"},
                                                         {"lxSeeAlsoTitle", "Related: "},
                                                         {"lxSeeAlsoLinks", "Topic1, Topic2, Topic3"},
                                                         {"lxSeeAlsoPopup", "See also"},
                                                         {"lxTopicTitle", "Topic Title"},
                                                         {"lxCompiledFile", "CompiledFile.chm"},
                                                         {"lxCompileTime", "yyyy-mm-dd hh:nn"}}))
        .Remove("docProps/app.xml")
        .Relationship("rIdHeader", type + "header", "header1.xml")
        .Relationship("rIdFooter", type + "footer", "footer1.xml")
        .Relationship("rIdLogo", type + "image", "media/logo.png")
        .Relationship("rIdWeb", type + "hyperlink", "https://www.lorivex.com/", true)
        .Body(Body());
    try {
        sample.Write(Utf8ToAnsi(arguments[0]));
    } catch (const std::exception& e) {
        std::cerr << "make_sample: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
