#include "engine/CharAttrs.h"

#include <stdexcept>

namespace lorivex::engine {

CharAttrs::CharAttrs()
{
    table_.emplace_back();
    index_.emplace(CharAttr{}, 0);
}

uint32_t CharAttrs::Id(const CharAttr& attr)
{
    if (table_[lastId_] == attr)
        return lastId_;
    auto [it, added] = index_.try_emplace(attr, uint32_t(table_.size()));
    if (added)
        table_.push_back(attr);
    lastId_ = it->second;
    return lastId_;
}

void CharAttrs::Insert(size_t at, const std::vector<CharAttr>& attrs)
{
    if (at > ids_.size())
        throw std::out_of_range("CharAttrs::Insert");
    std::vector<uint32_t> ids;
    ids.reserve(attrs.size());
    for (const auto& attr : attrs)
        ids.push_back(Id(attr));
    ids_.insert(ids_.begin() + std::ptrdiff_t(at), ids.begin(), ids.end());
}

void CharAttrs::Erase(size_t start, size_t end)
{
    if (start > end || end > ids_.size())
        throw std::out_of_range("CharAttrs::Erase");
    ids_.erase(ids_.begin() + std::ptrdiff_t(start), ids_.begin() + std::ptrdiff_t(end));
}

std::vector<CharAttr> CharAttrs::Slice(size_t start, size_t end) const
{
    if (start > end || end > ids_.size())
        throw std::out_of_range("CharAttrs::Slice");
    std::vector<CharAttr> attrs;
    attrs.reserve(end - start);
    for (size_t i = start; i < end; ++i)
        attrs.push_back((*this)[i]);
    return attrs;
}

} // namespace lorivex::engine
