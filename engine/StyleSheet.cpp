#include "engine/StyleSheet.h"

#include "engine/Utf.h"

namespace lorivex::engine {

int HeadingNumber(std::u16string_view name)
{
    auto lower = LowerW(name);
    std::u16string_view rest = lower;
    if (rest.starts_with(u"heading "))
        rest.remove_prefix(8);
    else if (rest.starts_with(u"heading"))
        rest.remove_prefix(7);
    else
        return 0;
    if (rest.size() == 1 && rest[0] >= u'1' && rest[0] <= u'9')
        return rest[0] - u'0';
    return 0;
}

std::u16string StyleNameLocal(const std::u16string& storedName)
{
    static const char16_t* const capitalised[] = {u"heading ", u"caption", u"title", u"subtitle", u"header",
                                                  u"footer", u"hyperlink", u"normal", u"index ", u"footnote text",
                                                  u"list paragraph", u"quote", u"strong", u"emphasis"};
    auto lower = LowerW(storedName);
    if (lower.starts_with(u"toc "))
        return u"TOC" + storedName.substr(3);
    for (const auto* prefix : capitalised) {
        if (lower == prefix || (std::u16string_view(prefix).ends_with(u' ') && lower.starts_with(prefix))) {
            auto name = storedName;
            if (!name.empty() && name[0] >= u'a' && name[0] <= u'z')
                name[0] = char16_t(name[0] - 32);
            return name;
        }
    }
    return storedName;
}

const StyleRecord* StyleSheet::ById(std::u16string_view id) const
{
    auto it = byId_.find(std::u16string(id));
    return it == byId_.end() ? nullptr : &styles_[it->second];
}

const StyleRecord* StyleSheet::ByName(std::u16string_view name) const
{
    for (const auto& style : styles_)
        if (SameTextW(style.Name, name) || SameTextW(StyleNameLocal(style.Name), name))
            return &style;
    return nullptr;
}

void StyleSheet::Put(StyleRecord style)
{
    ++version_;
    if (auto it = byId_.find(style.Id); it != byId_.end()) {
        styles_[it->second] = std::move(style);
        return;
    }
    byId_[style.Id] = styles_.size();
    styles_.push_back(std::move(style));
}

void StyleSheet::Remove(std::u16string_view id)
{
    auto it = byId_.find(std::u16string(id));
    if (it == byId_.end())
        return;
    ++version_;
    styles_.erase(styles_.begin() + long(it->second));
    byId_.clear();
    for (size_t i = 0; i < styles_.size(); ++i)
        byId_[styles_[i].Id] = i;
}

std::u16string StyleSheet::DefaultParagraphStyle() const
{
    for (const auto& style : styles_)
        if (style.IsDefault && style.Type == u"paragraph")
            return style.Id;
    return {};
}

int StyleSheet::OutlineLevel(std::u16string_view styleId) const
{
    std::u16string id(styleId.empty() ? DefaultParagraphStyle() : std::u16string(styleId));
    // A cycle in basedOn (damaged files have them) must not hang the walk.
    for (int hops = 0; hops < 64 && !id.empty(); ++hops) {
        const StyleRecord* style = ById(id);
        if (!style)
            break;
        if (style->OutlineLvl)
            return *style->OutlineLvl >= 0 && *style->OutlineLvl <= 8 ? *style->OutlineLvl + 1 : 10;
        if (int n = HeadingNumber(style->Name))
            return n;
        id = style->BasedOn;
    }
    return 10;
}

} // namespace lorivex::engine
