// Which styles the text of a document uses, as Word's organizer and style
// lists tell styles in use from the others.
#include <set>

#include "engine/DocumentModel.h"

namespace lorivex::engine {

std::set<std::u16string> DocumentModel::ScanUsedStyles() const
{
    std::set<std::u16string> used;
    std::u16string defaultStyle = Styles.DefaultParagraphStyle();
    for (const auto& story : Stories) {
        std::vector<char> paraSeen(ParaFormats.Size()), charSeen(CharFormats.Size());
        for (size_t i = 0; i < story->Attrs.size(); ++i) {
            const auto& attr = story->Attrs[i];
            if (IsParagraphEnd(story->Text[i]) && !paraSeen[attr.Para]) {
                paraSeen[attr.Para] = 1;
                const auto& id = ParaFormats[attr.Para].Style;
                used.insert(id.empty() ? defaultStyle : id);
            }
            if (!charSeen[attr.Format]) {
                charSeen[attr.Format] = 1;
                if (!CharFormats[attr.Format].CharStyle.empty())
                    used.insert(CharFormats[attr.Format].CharStyle);
            }
        }
    }
    // A style that a used style is based on shapes the text too.
    std::set<std::u16string> withBases = used;
    for (const auto& id : used) {
        std::u16string next = id;
        for (int hops = 0; hops < 64 && !next.empty(); ++hops) {
            const StyleRecord* record = Styles.ById(next);
            if (!record)
                break;
            withBases.insert(record->Id);
            next = record->BasedOn;
        }
    }
    return withBases;
}

bool DocumentModel::StyleUsedInText(const std::u16string& id) const
{
    // Copying styles asks every style in turn.
    uint64_t key = Styles.Version() * 1000003 + Stories.size();
    for (const auto& story : Stories)
        key = key * 31 + story->Version;
    if (key != usedStylesKey_) {
        usedStyles_ = ScanUsedStyles();
        usedStylesKey_ = key;
    }
    return usedStyles_.count(id) > 0;
}

} // namespace lorivex::engine
