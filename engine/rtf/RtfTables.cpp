#include "engine/rtf/RtfTables.h"

#include <algorithm>

#include "engine/rtf/RtfCodePage.h"

namespace lorivex::engine::rtf {

void FontTable::BeginFont(long id)
{
    pendingId_ = id;
    pendingName_.clear();
}

void FontTable::EndFont(unsigned codePage)
{
    auto first = pendingName_.find_first_not_of(' ');
    auto last = pendingName_.find_last_not_of(' ');
    if (pendingId_ >= 0 && first != std::string::npos)
        names_[pendingId_] = DecodeBytes(pendingName_.substr(first, last - first + 1), codePage);
    pendingId_ = -1;
    pendingName_.clear();
}

std::optional<std::u16string> FontTable::Name(long id) const
{
    auto at = names_.find(id);
    if (at == names_.end())
        return std::nullopt;
    return at->second;
}

void ColourTable::SetComponent(char which, long value)
{
    int component = int(std::clamp(value, 0L, 255L));
    (which == 'r' ? red_ : which == 'g' ? green_ : blue_) = component;
    stated_ = true;
}

void ColourTable::EndColour()
{
    if (!stated_) {
        colours_.emplace_back();
    } else {
        static constexpr char16_t Hex[] = u"0123456789ABCDEF";
        std::u16string text;
        for (int component : {red_, green_, blue_}) {
            text += Hex[component / 16];
            text += Hex[component % 16];
        }
        colours_.push_back(text);
    }
    red_ = green_ = blue_ = 0;
    stated_ = false;
}

std::optional<std::u16string> ColourTable::Colour(long index) const
{
    if (index < 0 || size_t(index) >= colours_.size())
        return std::nullopt;
    return colours_[size_t(index)];
}

} // namespace lorivex::engine::rtf
