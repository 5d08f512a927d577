#pragma once
// The relationships of one part as the writer sees them: those the part had,
// which stay as they were, and those new content needs, added behind them.
#include <string>
#include <vector>

namespace lorivex::engine::docx {

inline constexpr char RelTypeBase[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

class PartRelationships {
public:
    // SourcePart "" is the package itself; Original the .rels bytes, if any.
    PartRelationships(std::string sourcePart, std::string original);

    // The id of a relationship of the kind (the type's last segment:
    // "hyperlink", "image") to the target, adding one when none exists.
    // Internal targets are part names; external ones addresses.
    std::string IdFor(const std::string& kind, const std::string& target, bool external);
    // The part the first relationship of the kind points to; empty when none.
    std::string TargetOf(const std::string& kind) const;
    bool Changed() const { return added_ > 0; }
    // The .rels part: the original bytes while nothing was added.
    std::string Xml() const;
    std::string PartName() const; // "word/_rels/document.xml.rels"

private:
    struct Entry {
        std::string Id, Type, Target; // Target resolved for internal ones
        bool External = false;
    };
    std::string RelativeTarget(const std::string& partName) const;

    std::string source_;
    std::string original_;
    std::vector<Entry> entries_;
    size_t added_ = 0;
};

std::string RelsPartName(const std::string& sourcePart);

} // namespace lorivex::engine::docx
