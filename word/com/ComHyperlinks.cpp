// Word's Hyperlinks and Hyperlink.
#include "word/com/Bound.h"
#include "word/com/ComEnumerator.h"

namespace lorivex::word::com {

namespace {

class ComHyperlink : public Bound, public Hyperlink {
public:
    using Bound::Bound;
    std::u16string Address() override { return GetText(L"Address"); }
    void SetAddress(const std::u16string& address) override { Set(L"Address", address); }
    std::u16string SubAddress() override { return GetText(L"SubAddress"); }
    void SetSubAddress(const std::u16string& subAddress) override { Set(L"SubAddress", subAddress); }
    std::u16string Target() override { return GetText(L"Target"); }
    void SetTarget(const std::u16string& target) override { Set(L"Target", target); }
    std::u16string ScreenTip() override { return GetText(L"ScreenTip"); }
    std::u16string TextToDisplay() override { return GetText(L"TextToDisplay"); }
    RangePtr Range() override { return WrapRange(o_.Child(L"Range", L"Range")); }
};

static void AddIfGiven(std::vector<Arg>& args, const wchar_t* name, const std::optional<std::u16string>& value)
{
    if (value)
        args.push_back(Named(name, *value));
}

class ComHyperlinks : public Bound, public Hyperlinks {
public:
    using Bound::Bound;
    long Count() override { return GetLong(L"Count"); }
    HyperlinkPtr Item(long index) override { return WrapHyperlink(o_.CallChild(L"Item", L"Hyperlink", {index})); }
    HyperlinkPtr Add(const RangePtr& anchor, const std::optional<std::u16string>& address,
                     const std::optional<std::u16string>& subAddress, const std::optional<std::u16string>& screenTip,
                     const std::optional<std::u16string>& textToDisplay,
                     const std::optional<std::u16string>& target) override
    {
        std::vector<Arg> args{Named(L"Anchor", WordObjectOf(anchor))};
        AddIfGiven(args, L"Address", address);
        AddIfGiven(args, L"SubAddress", subAddress);
        AddIfGiven(args, L"ScreenTip", screenTip);
        AddIfGiven(args, L"TextToDisplay", textToDisplay);
        AddIfGiven(args, L"Target", target);
        return WrapHyperlink(o_.CallChild(L"Add", L"Hyperlink", std::move(args)));
    }
    std::unique_ptr<Enumerator> NewEnum() override
    {
        return EnumerateCollection(o_, L"Hyperlink", [](AutoObject item) { return WrapHyperlink(std::move(item)); });
    }
};

} // namespace

HyperlinksPtr WrapHyperlinks(AutoObject object) { return WrapAs<ComHyperlinks, Hyperlinks>(std::move(object)); }
HyperlinkPtr WrapHyperlink(AutoObject object) { return WrapAs<ComHyperlink, Hyperlink>(std::move(object)); }

} // namespace lorivex::word::com
