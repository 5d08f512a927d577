// Word's Fields, Field and Indexes.
#include "word/com/Bound.h"
#include "word/com/ComEnumerator.h"

namespace lorivex::word::com {

namespace {

class ComField : public Bound, public Field {
public:
    using Bound::Bound;
    long Type() override { return GetLong(L"Type"); }
    RangePtr Code() override { return WrapRange(o_.Child(L"Code", L"Range")); }
    RangePtr Result() override { return WrapRange(o_.Child(L"Result", L"Range")); }
    std::u16string Data() override { return GetText(L"Data"); }
    void SetData(const std::u16string& data) override { Set(L"Data", data); }
    bool Update() override { return o_.Call(L"Update").Bool(); }
};

class ComFields : public Bound, public Fields {
public:
    using Bound::Bound;
    long Count() override { return GetLong(L"Count"); }
    FieldPtr Item(long index) override { return WrapField(o_.CallChild(L"Item", L"Field", {index})); }
    FieldPtr Add(const RangePtr& range, long type, const std::u16string& text, bool preserveFormatting) override
    {
        return WrapField(o_.CallChild(L"Add", L"Field", {WordObjectOf(range), type, text, preserveFormatting}));
    }
    std::unique_ptr<Enumerator> NewEnum() override
    {
        return EnumerateCollection(o_, L"Field", [](AutoObject item) { return WrapField(std::move(item)); });
    }
};

class ComIndexes : public Bound, public Indexes {
public:
    using Bound::Bound;
    FieldPtr MarkEntry(const RangePtr& range, const std::u16string& entry) override
    {
        return WrapField(o_.CallChild(L"MarkEntry", L"Field", {WordObjectOf(range), Named(L"Entry", entry)}));
    }
};

} // namespace

FieldsPtr WrapFields(AutoObject object) { return WrapAs<ComFields, Fields>(std::move(object)); }
FieldPtr WrapField(AutoObject object) { return WrapAs<ComField, Field>(std::move(object)); }
IndexesPtr WrapIndexes(AutoObject object) { return WrapAs<ComIndexes, Indexes>(std::move(object)); }

} // namespace lorivex::word::com
