// The contents file: the topic paths as a tree, kept as an XML document and
// written depth first as the help compiler's sitemap.
#include <pugixml.hpp>

#include "compiler/LvxDocumentHelper.h"
#include "compiler/TextFile.h"
#include "platform/FileSystem.h"
#include "platform/CodePages.h"
#include "services/LorivexUtils.h"

namespace lorivex {

namespace {

// The XML document holds UTF-8; the system's text is ANSI.
std::string Xml(const std::string& ansi) { return platform::AnsiToUtf8(ansi); }
std::string Ansi(const char* utf8) { return platform::Utf8ToAnsi(utf8); }

std::string Item(const std::string& name, const std::string& fileName)
{
    return "<LI><OBJECT type=\"text/sitemap\">\r\n<param name=\"Name\" value=\"" + name
         + "\">\r\n<param name=\"Local\" value=\"" + fileName + "\">\r\n</OBJECT>";
}

} // namespace

// Built as a class of its own so that the one compiled lookup serves every
// topic: the path travels in a variable, so apostrophes and double quotes in
// headings need no quoting at all.
class TContentsTree {
public:
    TContentsTree() : lookup_("Topic[@Path = $path]", &variables())
    {
        document.load_string("<children></children>");
    }

    pugi::xml_document document;

    void Add(const TDocumentChapter& chapter)
    {
        TStringList components;
        SplitString(chapter.Path, '\\', components);
        pugi::xml_node parent = document.document_element();
        std::string path;
        for (int i = 0; i < components.Count(); ++i) {
            path = i == 0 ? components[i] : path + "\\" + components[i];
            variables().set("path", Xml(path).c_str());
            pugi::xml_node found = lookup_.evaluate_node(parent).node();
            if (found) {
                parent = found;
                continue;
            }
            pugi::xml_node topic = parent.append_child("Topic");
            topic.append_attribute("Name") = Xml(components[i]).c_str();
            topic.append_attribute("Path") = Xml(path).c_str();
            if (i == components.Count() - 1)
                topic.append_attribute("FileName") = Xml(platform::ExtractFileName(chapter.FileName)).c_str();
            parent = topic;
        }
    }

private:
    static pugi::xpath_variable_set& variables()
    {
        static thread_local pugi::xpath_variable_set set = [] {
            pugi::xpath_variable_set s;
            s.add("path", pugi::xpath_type_string);
            return s;
        }();
        return set;
    }
    pugi::xpath_query lookup_;
};

static void AddNodeAndChildren(const pugi::xml_node& node, std::vector<std::string>& lines)
{
    Guarded("TLvxDocumentHelper", "AddNodeAndChildren", [&] {
        lines.push_back(Item(HtmlEncode(Ansi(node.attribute("Name").value())), Ansi(node.attribute("FileName").value())));
        if (!node.first_child())
            return;
        lines.push_back("<UL>");
        for (const auto& child : node.children("Topic"))
            AddNodeAndChildren(child, lines);
        lines.push_back("</UL>");
    });
}

void TLvxDocumentHelper::CreateHtmlTableOfContents(const TChapterList& chapters)
{
    Guard("CreateHtmlTableOfContents", [&] {
        auto tree = Guarded(ClassName(), "CreateXmlFromChapterList", [&] {
            auto built = std::make_unique<TContentsTree>();
            for (const auto& chapter : chapters)
                built->Add(*chapter);
            return built;
        });
        if (!tree)
            throw Exception("XML Document creation failed!");
        std::string contents = platform::JoinPath(WorkFolder, ContentsFileName);
        std::string xmlCopy = platform::ChangeFileExt(contents, ".xml");
        if (!tree->document.save_file(platform::AnsiToUtf8(xmlCopy).c_str()))
            throw Exception("Cannot write file \"" + xmlCopy + "\".");
        std::vector<std::string> lines = {Block({"<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">", "<HTML>", "<HEAD>",
                                                 "<meta name=\"GENERATOR\" content=\"Vantrell&reg; Lorivex 2008\">",
                                                 "<!-- Sitemap 1.0 -->", "</HEAD><BODY>",
                                                 "<OBJECT type=\"text/site properties\">",
                                                 "  <param name=\"ImageType\" value=\"Folder\">", "</OBJECT><UL>"})};
        for (const auto& node : tree->document.document_element().children("Topic"))
            AddNodeAndChildren(node, lines);
        lines.push_back(Block({"</UL>", "</BODY></HTML>"}));
        SaveLines(contents, lines);
    });
}

} // namespace lorivex
