#pragma once
// A language's reserved words as a sorted table searched by bisection.
// Tables of languages that ignore case are written in lower case and the
// word looked up is folded (ASCII only: no language here has keywords
// outside it). IsKeywordTable is meant for static_assert next to each
// table, so that an unsorted addition fails the build instead of quietly
// never matching.
#include <algorithm>
#include <cstddef>
#include <span>
#include <string_view>

#include "highlight/CharClass.h"

namespace lorivex {

constexpr bool IsKeywordTable(std::span<const std::u16string_view> words, bool lowerCase = false)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i].empty() || (i > 0 && !(words[i - 1] < words[i])))
            return false;
        if (lowerCase)
            for (char16_t c : words[i])
                if (c >= u'A' && c <= u'Z')
                    return false;
    }
    return true;
}

class TKeywordSet {
public:
    constexpr TKeywordSet(std::span<const std::u16string_view> words, bool ignoreCase)
        : words_(words), ignoreCase_(ignoreCase)
    {
        for (auto w : words)
            longest_ = std::max(longest_, w.size());
    }

    bool Contains(std::u16string_view word) const
    {
        if (word.size() > longest_ || word.empty())
            return false;
        if (!ignoreCase_)
            return std::binary_search(words_.begin(), words_.end(), word);
        char16_t folded[64];
        if (word.size() > std::size(folded))
            return false;
        for (std::size_t i = 0; i < word.size(); ++i)
            folded[i] = chars::ToLower(word[i]);
        return std::binary_search(words_.begin(), words_.end(), std::u16string_view(folded, word.size()));
    }
    bool IgnoresCase() const { return ignoreCase_; }

private:
    std::span<const std::u16string_view> words_;
    std::size_t longest_ = 0;
    bool ignoreCase_;
};

} // namespace lorivex
