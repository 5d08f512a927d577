// Word's Paragraphs and Paragraph.
#include "word/com/Bound.h"
#include "word/com/ComEnumerator.h"

namespace lorivex::word::com {

namespace {

class ComParagraph : public Bound, public Paragraph {
public:
    using Bound::Bound;
    RangePtr Range() override { return WrapRange(o_.Child(L"Range", L"Range")); }
    long OutlineLevel() override { return GetLong(L"OutlineLevel"); }
    ParagraphPtr Next(long count) override { return WrapParagraph(o_.CallChild(L"Next", L"Paragraph", {count})); }
    ParagraphPtr Previous(long count) override
    {
        return WrapParagraph(o_.CallChild(L"Previous", L"Paragraph", {count}));
    }
};

class ComParagraphs : public Bound, public Paragraphs {
public:
    using Bound::Bound;
    long Count() override { return GetLong(L"Count"); }
    ParagraphPtr Item(long index) override { return WrapParagraph(o_.CallChild(L"Item", L"Paragraph", {index})); }
    ParagraphPtr First() override { return WrapParagraph(o_.Child(L"First", L"Paragraph")); }
    std::unique_ptr<Enumerator> NewEnum() override
    {
        return EnumerateCollection(o_, L"Paragraph", [](AutoObject item) { return WrapParagraph(std::move(item)); });
    }
};

} // namespace

ParagraphsPtr WrapParagraphs(AutoObject object) { return WrapAs<ComParagraphs, Paragraphs>(std::move(object)); }
ParagraphPtr WrapParagraph(AutoObject object) { return WrapAs<ComParagraph, Paragraph>(std::move(object)); }

} // namespace lorivex::word::com
