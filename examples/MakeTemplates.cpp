// Writes the templates that come with the installation: documents an author
// starts a help system from ("T&emplates" on the toolbar, lorivex new). Each
// has the heading styles, a page header and footer with topic variables,
// sample topics with related topics, index entries and the stylesheet
// beside it.
//
//   make_templates FOLDER STYLESHEET.css
#include <iostream>
#include <stdexcept>
#include <string>

#include "engine/DocxBuilder.h"
#include "engine/WordXml.h"
#include "base/Exception.h"
#include "examples/DocumentParts.h"
#include "platform/CodePages.h"
#include "platform/FileSystem.h"
#include "platform/Program.h"

namespace {

using lorivex::test::DocxBuilder;
using namespace lorivex::test::xml;
using namespace lorivex::examples;

std::string Text(const std::string& text)
{
    return Para(Run(text));
}

std::string Links()
{
    return Para(Field(" DOCPROPERTY lxSeeAlsoLinks ", "Topic1, Topic2, Topic3"));
}

std::string Syntax(const std::string& line)
{
    return Para(Run(line, "<w:rFonts w:ascii=\"Courier New\" w:hAnsi=\"Courier New\"/>"));
}

std::string ManualBody()
{
    return Heading(1, Run("Introduction")) + Related("Getting Started\r\nGetting Started\\First Steps\r\n") +
           Text("Say here what the product does and who it is for. Every heading of this document starts a "
                "topic of the help file; the heading levels make the contents.") +
           Para(Run("This topic is called ") + Field(" DOCPROPERTY lxTopicTitle ", "Topic Title") + Run(".") +
                Index("introduction")) +
           Links() +
           Heading(2, Run("About This Manual")) +
           Text("Tell the reader how the manual is organised and which conventions it uses.") +
           Heading(1, Run("Getting Started")) + Related("Getting Started\\Installing\r\nTroubleshooting\r\n") +
           Text("Lead the reader from installing the product to the first result.") + Links() +
           Heading(2, Run("Installing")) +
           Para(Run("List what the product needs and how to install it.") + Index("installing") +
                Index("requirements")) +
           Heading(2, Run("First Steps")) + Related("Using the Product\\Everyday Tasks\r\n") +
           Para(Run("Walk through a first task, one numbered step at a time.") + Index("first steps")) +
           Para(Field(" DOCPROPERTY lxSeeAlsoPopup ", "See also")) +
           Heading(1, Run("Using the Product")) +
           Text("Describe the tasks the reader does every day, one topic each.") +
           Heading(2, Run("Everyday Tasks")) + Related("Using the Product\\Settings\r\n") +
           Para(Run("A task topic: what it is for, the steps, the result.") + Index("tasks")) + Links() +
           Heading(2, Run("Settings")) +
           Para(Run("What each setting does and when to change it.") + Index("settings")) +
           Heading(1, Run("Troubleshooting")) + Related("Getting Started\\Installing\r\n") +
           Para(Run("Each problem a reader may meet, with its cause and its remedy.") + Index("problems")) +
           Links() +
           Heading(1, Run("Glossary")) +
           Para(Run("The terms of the product, in alphabetical order.") + Index("glossary"));
}

std::string ReferenceBody()
{
    return Heading(1, Run("Overview")) + Related("Commands\r\nOptions\r\n") +
           Para(Run("What this reference covers and how each entry is laid out.") + Index("overview")) + Links() +
           Heading(1, Run("Commands")) + Text("One topic per command, in alphabetical order.") +
           Heading(2, Run("First Command")) + Related("Commands\\Second Command\r\nOptions\r\n") +
           Para(Run("What the command does.") + Index("commands:first")) + Text("Syntax:") +
           Syntax("first-command [OPTIONS] FILE") + Text("Remarks, examples and the results to expect.") +
           Links() +
           Heading(2, Run("Second Command")) + Related("Commands\\First Command\r\n") +
           Para(Run("What the command does.") + Index("commands:second")) + Text("Syntax:") +
           Syntax("second-command [OPTIONS]") + Links() +
           Heading(1, Run("Options")) + Related("Commands\r\n") +
           Para(Run("Every option, what it takes and its default.") + Index("options")) + Links() +
           Heading(1, Run("Messages")) +
           Para(Run("Every message the product shows, what it means and what to do.") + Index("messages")) +
           Para(Field(" DOCPROPERTY lxSeeAlsoPopup ", "See also"));
}

void Write(const std::string& path, const std::string& title, const std::string& subject, const std::string& body,
           const std::string& styleSheet)
{
    const std::string type = DocxBuilder::RelType;
    DocxBuilder()
        .Part("[Content_Types].xml", ContentTypes())
        .Part("word/styles.xml", Styles())
        .Part("word/header1.xml", HeaderFooter("hdr", Run(title + " | ", "<w:i/>") +
                                                           Field(" DOCPROPERTY lxTopicTitle ", "Topic Title", "",
                                                                 "<w:i/>")))
        .Part("word/footer1.xml",
              HeaderFooter("ftr", Run("Compiled ", "<w:sz w:val=\"16\"/>") +
                                      Field(" DOCPROPERTY lxCompileTime ", "yyyy-mm-dd", "", "<w:sz w:val=\"16\"/>")))
        .Part("docProps/core.xml", CoreProperties(title, subject))
        .Part("docProps/custom.xml", CustomProperties({{"lxCustomStyleSheet", styleSheet},
                                                       {"lxDateFormat", "yyyy-mm-dd"},
                                                       {"lxSeeAlsoTitle", "See Also: "},
                                                       {"lxSeeAlsoLinks", "Topic1, Topic2, Topic3"},
                                                       {"lxSeeAlsoPopup", "See also"},
                                                       {"lxTopicTitle", "Topic Title"},
                                                       {"lxCompiledFile", "CompiledFile.chm"},
                                                       {"lxCompileTime", "yyyy-mm-dd"}}))
        .Remove("docProps/app.xml")
        .Relationship("rIdHeader", type + "header", "header1.xml")
        .Relationship("rIdFooter", type + "footer", "footer1.xml")
        .Body(body + "<w:sectPr><w:headerReference w:type=\"default\" r:id=\"rIdHeader\"/>"
                     "<w:footerReference w:type=\"default\" r:id=\"rIdFooter\"/></w:sectPr>")
        .Write(path);
}

} // namespace

int lorivex::platform::ProgramMain(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 2) {
        std::cerr << "usage: make_templates FOLDER STYLESHEET.css\n";
        return 2;
    }
    try {
        const std::string folder = Utf8ToAnsi(arguments[0]), source = Utf8ToAnsi(arguments[1]);
        if (!ForceDirectories(folder))
            throw std::runtime_error("cannot create the folder " + folder);
        // The templates name their stylesheet without a folder: it is found
        // beside the document, else here among the templates.
        const std::string styleSheet = ExtractFileName(source);
        WriteFileBytes(JoinPath(folder, styleSheet), ReadFileBytes(source));
        Write(JoinPath(folder, "User Manual.docx"), "User Manual",
              "A manual that leads readers from installing to everyday work", ManualBody(), AnsiToUtf8(styleSheet));
        Write(JoinPath(folder, "Reference.docx"), "Reference", "One topic per command, option and message",
              ReferenceBody(), AnsiToUtf8(styleSheet));
    } catch (const Exception& e) {
        std::cerr << "make_templates: " << AnsiToUtf8(e.Message()) << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "make_templates: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
