#include "highlight/LineScanner.h"

#include <algorithm>

namespace lorivex {

bool TLineScanner::LookingAt(std::size_t at, std::u16string_view text) const
{
    return at <= end_ && end_ - at >= text.size() && line_.compare(at, text.size(), text) == 0;
}

bool TLineScanner::LookingAtNoCase(std::size_t at, std::u16string_view text) const
{
    if (at > end_ || end_ - at < text.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (chars::ToLower(line_[at + i]) != text[i])
            return false;
    return true;
}

std::size_t TLineScanner::Find(std::u16string_view text, std::size_t from) const
{
    if (from >= end_)
        return end_;
    std::size_t found = line_.substr(0, end_).find(text, from);
    return found == std::u16string_view::npos ? end_ : found;
}

std::size_t TLineScanner::FindNoCase(std::u16string_view text, std::size_t from) const
{
    if (text.empty())
        return from;
    // The needles are short tag names, so the plain search stays linear in
    // practice.
    for (std::size_t at = from; at + text.size() <= end_; ++at)
        if (chars::ToLower(line_[at]) == text[0] && LookingAtNoCase(at, text))
            return at;
    return end_;
}

void TLineScanner::Emit(TTokenKind kind, std::size_t length)
{
    length = std::min(length, end_ > pos_ ? end_ - pos_ : 0);
    if (length == 0)
        return;
    if (!tokens_.empty() && tokens_.back().Kind == kind && tokens_.back().Start + tokens_.back().Length == pos_)
        tokens_.back().Length += std::uint32_t(length);
    else
        tokens_.push_back({kind, std::uint32_t(pos_), std::uint32_t(length)});
    pos_ += length;
}

bool TLineScanner::EmitSpace()
{
    std::size_t end = SpaceEnd(pos_);
    if (end == pos_)
        return false;
    EmitTo(TTokenKind::Space, end);
    return true;
}

std::size_t TLineScanner::LimitEnd(std::size_t end)
{
    std::size_t previous = end_;
    end_ = std::clamp(end, pos_, end_);
    return previous;
}

} // namespace lorivex
