#include "engine/docx/ObjectWriter.h"

#include <algorithm>
#include <cstdlib>

#include "engine/docx/ContentTypesWriter.h"
#include "engine/docx/XmlOut.h"

namespace lorivex::engine::docx {

namespace {

bool Taken(const WriteState& state, const std::string& name)
{
    return state.Model.Parts.count(name) || state.Media.count(name);
}

// A picture keeps its part when that part still holds its bytes; otherwise
// (copied from another document, or new) it gets a part of its own, shared
// with an identical picture already in the package.
std::string MediaPart(const ObjectRecord& object, WriteState& state)
{
    const auto& parts = state.Model.Parts;
    if (!object.PartName.empty()) {
        auto it = parts.find(object.PartName);
        if (it != parts.end() && it->second == object.Bytes)
            return object.PartName;
    }
    for (const auto& [name, bytes] : parts)
        if (name.starts_with("word/media/") && bytes.size() == object.Bytes.size() && bytes == object.Bytes)
            return name;
    for (const auto& [name, media] : state.Media)
        if (media.Bytes == object.Bytes)
            return name;
    std::string type = object.ContentType.empty() ? "image/png" : object.ContentType;
    std::string name;
    for (int n = 1; name.empty() || Taken(state, name); ++n)
        name = "word/media/image" + std::to_string(n) + "." + ImageExtension(type);
    state.Media[name] = {object.Bytes, type};
    return name;
}

long NextDrawingId(WriteState& state)
{
    if (state.NextDrawingId < 0) {
        long highest = 0;
        for (size_t i = 1; i < state.Model.RecordCount(); ++i) {
            if (auto* object = std::get_if<ObjectRecord>(&state.Model.Record(uint32_t(i))))
                for (size_t at = object->Xml.find(" id=\""); at != std::string::npos;
                     at = object->Xml.find(" id=\"", at + 1))
                    highest = std::max(highest, std::strtol(object->Xml.c_str() + at + 5, nullptr, 10));
        }
        state.NextDrawingId = highest + 1;
    }
    return state.NextDrawingId++;
}

std::string NewDrawing(const ObjectRecord& object, long id, const std::string& relId, const std::string& fileName)
{
    std::string cx = std::to_string(object.Cx > 0 ? object.Cx : 914400);
    std::string cy = std::to_string(object.Cy > 0 ? object.Cy : 914400);
    std::string number = std::to_string(id);
    return "<w:drawing><wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\"><wp:extent cx=\"" + cx +
           "\" cy=\"" + cy + "\"/><wp:effectExtent l=\"0\" t=\"0\" r=\"0\" b=\"0\"/><wp:docPr id=\"" + number +
           "\" name=\"Picture " + number + "\"/><wp:cNvGraphicFramePr><a:graphicFrameLocks noChangeAspect=\"1\"/>"
           "</wp:cNvGraphicFramePr><a:graphic><a:graphicData "
           "uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><pic:pic><pic:nvPicPr><pic:cNvPr id=\"0\""
           " name=\"" + EscapeAttr(fileName) + "\"/><pic:cNvPicPr/></pic:nvPicPr><pic:blipFill><a:blip r:embed=\"" +
           relId + "\"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill><pic:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/>"
           "<a:ext cx=\"" + cx + "\" cy=\"" + cy + "\"/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom>"
           "</pic:spPr></pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing>";
}

// Points every blip that named the picture's old relationship at the new one.
std::string Reembed(std::string xml, const std::string& relId)
{
    const std::string key = "r:embed=\"";
    size_t at = xml.find(key);
    if (at == std::string::npos)
        return xml;
    size_t end = xml.find('"', at + key.size());
    std::string old = key + xml.substr(at + key.size(), end - at - key.size()) + "\"";
    std::string now = key + relId + "\"";
    if (old == now)
        return xml;
    for (size_t pos = xml.find(old); pos != std::string::npos; pos = xml.find(old, pos + now.size()))
        xml.replace(pos, old.size(), now);
    return xml;
}

} // namespace

std::string ObjectXml(const ObjectRecord& object, WriteState& state, PartRelationships& rels)
{
    if (!object.Picture || object.Bytes.empty())
        return object.Xml;
    std::string part = MediaPart(object, state);
    std::string relId = rels.IdFor("image", part, false);
    if (!object.Xml.empty())
        return Reembed(object.Xml, relId);
    return NewDrawing(object, NextDrawingId(state), relId, part.substr(part.rfind('/') + 1));
}

} // namespace lorivex::engine::docx
