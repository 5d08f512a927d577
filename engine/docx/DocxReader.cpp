#include "engine/docx/DocxReader.h"

#include "engine/Utf.h"
#include "engine/docx/PropertiesReader.h"
#include "engine/docx/StoryReader.h"
#include "engine/docx/StylesReader.h"
#include "engine/docx/Xml.h"
#include "engine/docx/XmlOut.h"

namespace lorivex::engine::docx {

namespace {

class DocxReader {
public:
    explicit DocxReader(const std::string& fileName) : package_(fileName) {}
    DocxReader(std::shared_ptr<const std::string> bytes, const std::string& fileName)
        : package_(std::move(bytes), fileName)
    {
    }

    std::unique_ptr<DocumentModel> Read()
    {
        document_ = std::make_unique<DocumentModel>();
        document_->SourcePath = package_.FileName();
        types_.Read(package_);
        auto packageRels = ReadRelationships(package_, "");
        std::string mainPart = FindByType(packageRels, "/officeDocument");
        if (mainPart.empty())
            mainPart = "word/document.xml";
        if (!package_.Has(mainPart))
            Fail(package_.FileName(), "the package has no main document part (" + mainPart + ")");
        mainRels_ = ReadRelationships(package_, mainPart);
        ReadStyleSheet(mainPart);
        ReadMain(mainPart);
        ReadProperties(package_, packageRels, document_->Properties);
        KeepOtherParts();
        // What the writer would make of the document as read is needed only
        // when it is saved, and most documents opened (a compile's) never
        // are: the package is kept to work it out then.
        document_->BaselinePackage = package_.Bytes();
        return std::move(document_);
    }

private:
    void ReadStyleSheet(const std::string& mainPart)
    {
        std::string part = FindByType(mainRels_, "/styles");
        if (part.empty() || !package_.Has(part))
            return;
        pugi::xml_document xml;
        Parse(xml, package_.Read(part), part, package_.FileName());
        ReadStyles(xml.document_element(), document_->Styles);
        (void)mainPart;
    }

    void ReadMain(const std::string& mainPart)
    {
        // The main part is most of the document: parsed where it was
        // unpacked rather than copied first.
        std::string bytes = package_.Read(mainPart);
        pugi::xml_document xml;
        ParseInPlace(xml, bytes, mainPart, package_.FileName());
        auto body = xml.document_element().child("w:body");
        if (!body)
            Fail(package_.FileName(), mainPart + " has no document body (w:body)");
        Story& main = document_->Main();
        KeepShell(xml.document_element(), body, main);
        main.Text.clear();
        main.Attrs.clear();
        main.PartName = mainPart;
        document_->Sections.clear();
        PartContext context{&package_, &types_, mainPart, mainRels_, [this](const pugi::xml_node& sectPr) {
                                return Section(sectPr);
                            }};
        StoryReader(*document_, main, context).Read(body);
        if (document_->Sections.empty())
            document_->Sections.emplace_back();
    }

    static void KeepShell(const pugi::xml_node& root, const pugi::xml_node& content, Story& story)
    {
        story.RootAttributes = AttributesOf(RawOpenTag(root));
        bool after = false;
        for (auto child : root.children()) {
            if (child == content)
                after = true;
            else if (child.type() == pugi::node_element && content != root)
                (after ? story.AfterContent : story.BeforeContent) += Raw(child);
        }
    }

    int Section(const pugi::xml_node& sectPr)
    {
        SectionRecord section;
        pugi::xml_document copy;
        auto kept = copy.append_copy(sectPr);
        for (const char* kind : {"w:headerReference", "w:footerReference"}) {
            bool header = kind[2] == 'h';
            for (auto reference : sectPr.children(kind)) {
                int story = HeaderFooterStory(reference.attribute("r:id").value(), header);
                if (story >= 0)
                    (header ? section.Headers : section.Footers)
                        .push_back({Attr(reference, "w:type").empty() ? u"default" : Attr(reference, "w:type"),
                                    story});
            }
            while (auto reference = kept.child(kind))
                kept.remove_child(reference);
        }
        section.Raw = Raw(kept);
        document_->Sections.push_back(std::move(section));
        return int(document_->Sections.size() - 1);
    }

    int HeaderFooterStory(const std::string& id, bool header)
    {
        auto rel = mainRels_.find(id);
        if (rel == mainRels_.end() || rel->second.External || !package_.Has(rel->second.Target))
            return -1;
        const std::string& part = rel->second.Target;
        for (size_t i = 1; i < document_->Stories.size(); ++i)
            if (document_->Stories[i]->PartName == part)
                return int(i);
        pugi::xml_document xml;
        Parse(xml, package_.Read(part), part, package_.FileName());
        auto story = std::make_unique<Story>();
        story->Kind = header ? StoryKind::Header : StoryKind::Footer;
        story->PartName = part;
        KeepShell(xml.document_element(), xml.document_element(), *story);
        PartContext context{&package_, &types_, part, ReadRelationships(package_, part), nullptr};
        StoryReader(*document_, *story, context).Read(xml.document_element());
        document_->Stories.push_back(std::move(story));
        return int(document_->Stories.size() - 1);
    }

    // Parts the engine does not model (numbering, footnotes, settings,
    // themes ...) are kept as bytes for the writer, within the size limit.
    // The main part is not: it is most of the package, the writer makes it
    // again from the model, and its bytes are wanted only when a save finds
    // the body unchanged; that save takes them from the package as read.
    void KeepOtherParts()
    {
        uint64_t total = 0;
        for (const auto& name : package_.PartNames()) {
            if (name.empty() || name.back() == '/' || document_->Parts.count(name))
                continue;
            total += package_.DeclaredSize(name);
            if (total > MaxPartSize)
                Fail(package_.FileName(), "the package unpacks to more than 1 GiB");
            if (name != document_->Main().PartName)
                document_->Parts[name] = package_.Read(name);
        }
    }

    ZipPackage package_;
    ContentTypes types_;
    Relationships mainRels_;
    std::unique_ptr<DocumentModel> document_;
};

} // namespace

std::unique_ptr<DocumentModel> ReadDocx(const std::string& fileName)
{
    return DocxReader(fileName).Read();
}

std::unique_ptr<DocumentModel> ReadDocx(std::shared_ptr<const std::string> package, const std::string& fileName)
{
    return DocxReader(std::move(package), fileName).Read();
}

} // namespace lorivex::engine::docx
