// The attributes of a story's characters: every character reads back what
// was laid down for it, through edits, while a long text shares a few.
#include <gtest/gtest.h>

#include <random>

#include "engine/CharAttrs.h"

namespace lorivex::engine {
namespace {

std::vector<CharAttr> All(const CharAttrs& attrs)
{
    return attrs.Slice(0, attrs.size());
}

TEST(CharAttrs, ALongTextOfFewFormatsKeepsEachCharactersOwnAndFewDistinct)
{
    CharAttrs attrs;
    std::vector<CharAttr> expected;
    // 100,000 paragraphs of words in three formats, each mark with one of
    // two paragraph formats and every hundredth paragraph opening a field.
    for (uint32_t p = 0; p < 100000; ++p) {
        for (uint32_t c = 0; c < 12; ++c)
            expected.push_back({c / 4, 0, 0});
        if (p % 100 == 0)
            expected.push_back({1, 0, p / 100 + 1});
        expected.push_back({0, 1 + p % 2, 0});
    }
    attrs.reserve(expected.size());
    for (const auto& attr : expected)
        attrs.push_back(attr);
    ASSERT_EQ(attrs.size(), expected.size());
    EXPECT_EQ(All(attrs), expected);
    // Three formats of text, two of marks, a thousand fields.
    EXPECT_EQ(attrs.DistinctCount(), 3u + 2u + 1000u);
}

TEST(CharAttrs, EditsKeepEveryOtherCharactersAttributes)
{
    // Random edits against a plain array of triples.
    std::mt19937 random(7);
    auto pick = [&](uint32_t n) { return uint32_t(random() % n); };
    auto any = [&] { return CharAttr{pick(5), pick(3), pick(4) == 0 ? pick(50) : 0}; };
    CharAttrs attrs;
    std::vector<CharAttr> expected;
    for (int step = 0; step < 3000; ++step) {
        switch (pick(6)) {
        case 0:
        case 1: {
            std::vector<CharAttr> piece(pick(20));
            for (auto& attr : piece)
                attr = any();
            size_t at = pick(uint32_t(expected.size() + 1));
            attrs.Insert(at, piece);
            expected.insert(expected.begin() + std::ptrdiff_t(at), piece.begin(), piece.end());
            break;
        }
        case 2: {
            size_t start = pick(uint32_t(expected.size() + 1));
            size_t end = start + pick(uint32_t(expected.size() - start + 1));
            attrs.Erase(start, end);
            expected.erase(expected.begin() + std::ptrdiff_t(start), expected.begin() + std::ptrdiff_t(end));
            break;
        }
        case 3:
            if (!expected.empty()) {
                size_t at = pick(uint32_t(expected.size()));
                expected[at] = any();
                attrs.Set(at, expected[at]);
            }
            break;
        case 4:
            expected.push_back(any());
            attrs.push_back(expected.back());
            break;
        default:
            if (!expected.empty()) {
                expected.pop_back();
                attrs.pop_back();
            }
        }
        ASSERT_EQ(attrs.size(), expected.size()) << "step " << step;
    }
    EXPECT_EQ(All(attrs), expected);
    if (expected.size() > 10) {
        EXPECT_EQ(attrs.Slice(3, 9), std::vector<CharAttr>(expected.begin() + 3, expected.begin() + 9));
        EXPECT_EQ(attrs.back(), expected.back());
        EXPECT_EQ(attrs.at(5), expected[5]);
    }
    EXPECT_THROW(attrs.at(expected.size()), std::out_of_range);
    EXPECT_THROW(attrs.Set(expected.size(), {}), std::out_of_range);
    EXPECT_THROW(attrs.Insert(expected.size() + 1, {CharAttr{}}), std::out_of_range);
    EXPECT_THROW(attrs.Slice(0, expected.size() + 1), std::out_of_range);
    EXPECT_THROW(attrs.Erase(1, 0), std::out_of_range);
}

TEST(CharAttrs, GrowingTextCarriesNothingAndReadAttributesStayValid)
{
    CharAttrs attrs;
    attrs.push_back({4, 2, 9});
    const CharAttr& first = attrs[0];
    // Thousands of new distinct attributes must not move the one read.
    for (uint32_t i = 0; i < 5000; ++i)
        attrs.push_back({i, 0, i + 1});
    EXPECT_EQ(first, (CharAttr{4, 2, 9}));
    attrs.resize(attrs.size() + 3);
    EXPECT_EQ(attrs.back(), CharAttr{});
    attrs.resize(1);
    EXPECT_EQ(All(attrs), std::vector<CharAttr>{(CharAttr{4, 2, 9})});
    attrs.clear();
    EXPECT_TRUE(attrs.empty());
}

} // namespace
} // namespace lorivex::engine
