// Office's DocumentProperties and DocumentProperty, as Word hands them out.
#include "word/com/Bound.h"
#include "word/com/ComEnumerator.h"

namespace lorivex::word::com {

namespace {

class ComDocumentProperty : public Bound, public DocumentProperty {
public:
    using Bound::Bound;
    std::u16string Name() override { return GetText(L"Name"); }
    long Type() override { return GetLong(L"Type"); }
    Variant Value() override { return o_.Get(L"Value").ToWord(); }
    void SetValue(const Variant& value) override { Set(L"Value", ComValue::FromWord(value)); }
};

class ComDocumentProperties : public Bound, public DocumentProperties {
public:
    using Bound::Bound;
    long Count() override { return GetLong(L"Count"); }
    DocumentPropertyPtr Item(long index) override
    {
        return WrapDocumentProperty(o_.CallChild(L"Item", L"DocumentProperty", {index}));
    }
    DocumentPropertyPtr Add(const std::u16string& name, bool linkToContent, long type, const Variant& value) override
    {
        return WrapDocumentProperty(o_.CallChild(L"Add", L"DocumentProperty",
                                                 {Named(L"Name", name), Named(L"LinkToContent", linkToContent),
                                                  Named(L"Type", type), Named(L"Value", ComValue::FromWord(value))}));
    }
    std::unique_ptr<Enumerator> NewEnum() override
    {
        return EnumerateCollection(o_, L"DocumentProperty",
                                   [](AutoObject item) { return WrapDocumentProperty(std::move(item)); });
    }
};

} // namespace

DocumentPropertiesPtr WrapDocumentProperties(AutoObject object)
{
    return WrapAs<ComDocumentProperties, DocumentProperties>(std::move(object));
}
DocumentPropertyPtr WrapDocumentProperty(AutoObject object)
{
    return WrapAs<ComDocumentProperty, DocumentProperty>(std::move(object));
}

} // namespace lorivex::word::com
