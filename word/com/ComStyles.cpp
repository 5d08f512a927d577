// Word's Styles and Style.
#include "word/com/Bound.h"
#include "word/com/ComEnumerator.h"

namespace lorivex::word::com {

namespace {

class ComStyle : public Bound, public Style {
public:
    using Bound::Bound;
    std::u16string NameLocal() override { return GetText(L"NameLocal"); }
    bool InUse() override { return GetBool(L"InUse"); }
};

class ComStyles : public Bound, public Styles {
public:
    using Bound::Bound;
    long Count() override { return GetLong(L"Count"); }
    StylePtr Item(long index) override { return WrapStyle(o_.CallChild(L"Item", L"Style", {index})); }
    std::unique_ptr<Enumerator> NewEnum() override
    {
        return EnumerateCollection(o_, L"Style", [](AutoObject item) { return WrapStyle(std::move(item)); });
    }
};

} // namespace

StylesPtr WrapStyles(AutoObject object) { return WrapAs<ComStyles, Styles>(std::move(object)); }
StylePtr WrapStyle(AutoObject object) { return WrapAs<ComStyle, Style>(std::move(object)); }

} // namespace lorivex::word::com
