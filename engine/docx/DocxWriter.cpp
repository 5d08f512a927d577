#include "engine/docx/DocxWriter.h"

#include <functional>
#include <memory>

#include "engine/docx/ContentTypesWriter.h"
#include "engine/docx/DocxReader.h"
#include "engine/docx/PackageZip.h"
#include "engine/docx/PartRelationships.h"
#include "engine/docx/PropertiesWriter.h"
#include "engine/docx/StoryWriter.h"
#include "engine/docx/StylesWriter.h"
#include "engine/docx/XmlOut.h"
#include "engine/docx/ZipPackage.h"
#include "platform/DurableFile.h"

namespace lorivex::engine::docx {

namespace {

constexpr char MainType[] = "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";
constexpr char StylesType[] = "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml";
constexpr char HeaderType[] = "application/vnd.openxmlformats-officedocument.wordprocessingml.header+xml";
constexpr char FooterType[] = "application/vnd.openxmlformats-officedocument.wordprocessingml.footer+xml";
constexpr char CoreType[] = "application/vnd.openxmlformats-package.core-properties+xml";
constexpr char AppType[] = "application/vnd.openxmlformats-officedocument.extended-properties+xml";
constexpr char CustomType[] = "application/vnd.openxmlformats-officedocument.custom-properties+xml";

const std::string* Original(const DocumentModel& model, const std::string& part)
{
    auto it = model.Parts.find(part);
    return it == model.Parts.end() ? nullptr : &it->second;
}

// Everything the writer makes of a model, before it is compared with what
// the package held.
class Generation {
public:
    explicit Generation(const DocumentModel& model)
        : model_(model), state_(model), types_(OriginalOr("[Content_Types].xml")),
          packageRels_(std::make_unique<PartRelationships>("", OriginalOr("_rels/.rels")))
    {
    }

    void Run()
    {
        std::string mainPart = model_.Stories[0]->PartName;
        if (mainPart.empty())
            mainPart = packageRels_->TargetOf("officeDocument");
        if (mainPart.empty())
            mainPart = "word/document.xml";
        Add(mainPart, MainType, *packageRels_, "officeDocument");
        PartRelationships& mainRels = RelsOf(mainPart);
        Xml[mainPart] = StoryPart(*model_.Stories[0], "w:document", mainRels);
        for (size_t i = 1; i < model_.Stories.size(); ++i)
            HeaderFooter(*model_.Stories[i], mainRels);
        std::string styles = mainRels.TargetOf("styles");
        if (styles.empty())
            styles = "word/styles.xml";
        Add(styles, StylesType, mainRels, "styles");
        Xml[styles] = StylesXml(Original(model_, styles), model_.Styles);
        Properties();
        for (const auto& [name, media] : state_.Media)
            types_.Ensure(name, media.ContentType);
    }

    std::map<std::string, std::string> Xml;
    const std::map<std::string, NewMedia>& Media() const { return state_.Media; }
    const ContentTypesWriter& Types() const { return types_; }
    std::vector<const PartRelationships*> Rels() const
    {
        std::vector<const PartRelationships*> all{packageRels_.get()};
        for (const auto& [part, rels] : rels_)
            all.push_back(rels.get());
        return all;
    }

private:
    std::string OriginalOr(const std::string& part) const
    {
        const std::string* bytes = Original(model_, part);
        return bytes ? *bytes : std::string();
    }

    PartRelationships& RelsOf(const std::string& part)
    {
        auto& rels = rels_[part];
        if (!rels)
            rels = std::make_unique<PartRelationships>(part, OriginalOr(RelsPartName(part)));
        return *rels;
    }

    // A part the package lacks gets its relationship and content type.
    void Add(const std::string& part, const char* type, PartRelationships& owner, const std::string& kind)
    {
        owner.IdFor(kind, part, false);
        if (!model_.Parts.count(part))
            types_.Ensure(part, type);
    }

    std::string StoryPart(const Story& story, const std::string& root, PartRelationships& rels)
    {
        std::string content = StoryWriter(state_, story, rels).Write();
        if (root == "w:document")
            content = story.BeforeContent + "<w:body>" + content + "</w:body>" + story.AfterContent;
        return XmlDeclaration + RootOpenTag(root, story.RootAttributes) + content + "</" + root + ">";
    }

    void HeaderFooter(const Story& story, PartRelationships& mainRels)
    {
        if (story.PartName.empty())
            return;
        bool header = story.Kind == StoryKind::Header;
        Add(story.PartName, header ? HeaderType : FooterType, mainRels, header ? "header" : "footer");
        Xml[story.PartName] = StoryPart(story, header ? "w:hdr" : "w:ftr", RelsOf(story.PartName));
    }

    void Properties()
    {
        using Make = std::function<std::optional<std::string>(const std::string*, const PropertySet&)>;
        struct Kind {
            const char* Rel;
            const char* Default;
            const char* Type;
            Make Writer;
        };
        const Kind kinds[] = {{"core-properties", "docProps/core.xml", CoreType, CoreXml},
                              {"extended-properties", "docProps/app.xml", AppType, AppXml},
                              {"custom-properties", "docProps/custom.xml", CustomType, CustomXml}};
        for (const auto& kind : kinds) {
            std::string part = packageRels_->TargetOf(kind.Rel);
            if (part.empty())
                part = kind.Default;
            auto xml = kind.Writer(Original(model_, part), model_.Properties);
            if (!xml)
                continue;
            Add(part, kind.Type, *packageRels_, kind.Rel);
            Xml[part] = std::move(*xml);
        }
    }

    const DocumentModel& model_;
    WriteState state_;
    ContentTypesWriter types_;
    std::unique_ptr<PartRelationships> packageRels_;
    std::map<std::string, std::unique_ptr<PartRelationships>> rels_;
};

uint64_t Hash(const std::string& xml)
{
    return uint64_t(std::hash<std::string>{}(xml));
}

} // namespace

std::map<std::string, uint64_t> Fingerprint(const DocumentModel& model)
{
    Generation generation(model);
    generation.Run();
    std::map<std::string, uint64_t> hashes;
    for (const auto& [part, xml] : generation.Xml)
        hashes[part] = Hash(xml);
    return hashes;
}

} // namespace lorivex::engine::docx

namespace lorivex::engine::docx {

namespace {

using PartBytes = std::map<std::string, const std::string*>;

std::vector<std::pair<std::string, const std::string*>> InPackageOrder(const PartBytes& parts)
{
    // Readers that sniff the package expect the content types first.
    std::vector<std::pair<std::string, const std::string*>> order;
    if (auto types = parts.find("[Content_Types].xml"); types != parts.end())
        order.emplace_back(*types);
    for (const auto& entry : parts)
        if (entry.first != "[Content_Types].xml")
            order.emplace_back(entry);
    return order;
}

// The reader leaves the main part's bytes in the package as read (see
// ReadDocx): a save that finds the body unchanged copies them from there.
void TakeMainPartFromPackage(DocumentModel& model)
{
    const std::string& part = model.Main().PartName;
    if (part.empty() || model.Parts.count(part))
        return;
    ZipPackage package(model.BaselinePackage, model.SourcePath);
    if (package.Has(part))
        model.Parts[part] = package.Read(part);
}

} // namespace

void WriteDocx(DocumentModel& model, const std::string& fileName, const WriteOptions& options)
{
    if (model.BaselinePackage) {
        TakeMainPartFromPackage(model);
        // The document as read, read again from the same bytes.
        model.Baseline = Fingerprint(*ReadDocx(model.BaselinePackage, model.SourcePath));
        model.BaselinePackage.reset();
    }
    Generation generation(model);
    generation.Run();
    PartBytes parts;
    for (const auto& [name, bytes] : model.Parts)
        parts[name] = &bytes;
    std::map<std::string, std::string> written; // what replaces or joins the originals
    std::map<std::string, uint64_t> baseline;
    for (auto& [part, xml] : generation.Xml) {
        uint64_t hash = Hash(xml);
        baseline[part] = hash;
        auto before = model.Baseline.find(part);
        if (options.RewriteAll || before == model.Baseline.end() || before->second != hash || !parts.count(part))
            written[part] = std::move(xml);
    }
    for (const auto* rels : generation.Rels())
        if (rels->Changed())
            written[rels->PartName()] = rels->Xml();
    if (generation.Types().Changed() || !parts.count("[Content_Types].xml"))
        written["[Content_Types].xml"] = generation.Types().Xml();
    for (const auto& [name, media] : generation.Media())
        written[name] = media.Bytes;
    for (const auto& [name, bytes] : written)
        parts[name] = &bytes;

    platform::ReplaceFileDurably(fileName, ZipParts(InPackageOrder(parts), fileName));

    for (auto& [name, bytes] : written)
        model.Parts[name] = std::move(bytes);
    model.Baseline = std::move(baseline);
    model.SourcePath = fileName;
}

} // namespace lorivex::engine::docx
