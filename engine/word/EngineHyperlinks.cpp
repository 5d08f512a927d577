// Hyperlinks: w:hyperlink elements, HYPERLINK fields, and cross-references
// with \h, which Word lists among the hyperlinks too.
#include <algorithm>

#include "engine/FieldScan.h"
#include "engine/word/EngineRange.h"

namespace lorivex::engine::wordimpl {

namespace {

// A link kept as a record of the story.
class RecordHyperlink : public word::Hyperlink {
public:
    RecordHyperlink(StoryRef story, SpanPtr where) : story_(std::move(story)), where_(std::move(where)) {}

    std::u16string Address() override { return Record().Address; }
    void SetAddress(const std::u16string& address) override { Record().Address = address; }
    std::u16string SubAddress() override { return Record().SubAddress; }
    void SetSubAddress(const std::u16string& subAddress) override { Record().SubAddress = subAddress; }
    std::u16string Target() override { return Record().Target; }
    void SetTarget(const std::u16string& target) override { Record().Target = target; }
    std::u16string ScreenTip() override { return Record().ScreenTip; }
    std::u16string TextToDisplay() override { return WordText(story_, where_->Start, where_->End, true, true); }
    word::RangePtr Range() override { return MakeRange(story_, where_->Start, where_->End); }

private:
    HyperlinkRecord& Record()
    {
        for (auto& link : story_.Get().Hyperlinks)
            if (link.Where == where_)
                return link;
        Raise("The object has been deleted.");
    }

    StoryRef story_;
    SpanPtr where_;
};

// HYPERLINK "address" \l "sub" \t "target" \o "tip", or REF/PAGEREF name \h.
class FieldHyperlink : public word::Hyperlink {
public:
    FieldHyperlink(StoryRef story, SpanPtr begin) : story_(std::move(story)), begin_(std::move(begin)) {}

    std::u16string Address() override
    {
        if (!IsHyperlinkField())
            return Record().LinkAddress.value_or(u"");
        auto arguments = Arguments();
        for (size_t i = 1; i < arguments.size(); ++i) {
            if (arguments[i].starts_with(u"\\")) {
                if (TakesValue(arguments[i]))
                    ++i;
                continue;
            }
            return arguments[i];
        }
        return {};
    }

    void SetAddress(const std::u16string& address) override
    {
        if (!IsHyperlinkField()) {
            Record().LinkAddress = address;
            return;
        }
        auto arguments = Arguments();
        std::u16string code = u" HYPERLINK \"" + address + u"\"";
        for (size_t i = 1; i < arguments.size(); ++i) {
            if (arguments[i].starts_with(u"\\")) {
                code += u" " + arguments[i];
                if (TakesValue(arguments[i]) && i + 1 < arguments.size())
                    code += u" \"" + arguments[++i] + u"\"";
            }
        }
        SetCode(code + u" ");
    }

    std::u16string SubAddress() override
    {
        if (!IsHyperlinkField()) {
            if (const auto& given = Record().LinkSubAddress)
                return *given;
            auto arguments = Arguments();
            return arguments.size() > 1 ? arguments[1] : u"";
        }
        return Switch(u"\\l");
    }

    void SetSubAddress(const std::u16string& subAddress) override
    {
        if (!IsHyperlinkField()) {
            Record().LinkSubAddress = subAddress;
            return;
        }
        auto arguments = Arguments();
        std::u16string code = u" " + arguments[0];
        {
            code += u" \"" + Address() + u"\" \\l \"" + subAddress + u"\"";
            for (size_t i = 1; i < arguments.size(); ++i)
                if (arguments[i].starts_with(u"\\") && arguments[i] != u"\\l" && TakesValue(arguments[i]) &&
                    i + 1 < arguments.size())
                    code += u" " + arguments[i] + u" \"" + arguments[i + 1] + u"\"";
        }
        SetCode(code + u" ");
    }

    std::u16string Target() override { return IsHyperlinkField() ? Switch(u"\\t") : u""; }

    void SetTarget(const std::u16string& target) override
    {
        if (!IsHyperlinkField())
            Raise("A cross-reference has no target frame.");
        auto arguments = Arguments();
        std::u16string code = u" HYPERLINK \"" + Address() + u"\"";
        for (size_t i = 1; i < arguments.size(); ++i)
            if (arguments[i].starts_with(u"\\") && arguments[i] != u"\\t" && TakesValue(arguments[i]) &&
                i + 1 < arguments.size())
                code += u" " + arguments[i] + u" \"" + arguments[i + 1] + u"\"";
        SetCode(code + u" \\t \"" + target + u"\" ");
    }

    std::u16string ScreenTip() override { return IsHyperlinkField() ? Switch(u"\\o") : u""; }
    std::u16string TextToDisplay() override { return Range()->Text(); }

    word::RangePtr Range() override
    {
        auto field = Locate();
        return MakeRange(story_, field.Separator ? *field.Separator + 1 : field.End, field.End);
    }

private:
    static bool TakesValue(const std::u16string& flag) { return flag == u"\\l" || flag == u"\\t" || flag == u"\\o"; }

    FieldSpan Locate() { return LocateField(story_, begin_->Start); }

    std::u16string Code()
    {
        auto field = Locate();
        return story_.Get().Text.substr(size_t(field.Begin + 1),
                                        size_t(field.Separator.value_or(field.End) - field.Begin - 1));
    }

    void SetCode(const std::u16string& code)
    {
        auto field = Locate();
        long end = field.Separator.value_or(field.End);
        Story& story = story_.Get();
        Fragment text = story_.Model->TextFragment(story, field.Begin + 2, code);
        story_.Model->Delete(story, field.Begin + 1, end);
        story_.Model->Insert(story, field.Begin + 1, text);
    }

    std::vector<std::u16string> Arguments()
    {
        auto arguments = FieldArguments(Code());
        if (arguments.empty())
            arguments.emplace_back();
        return arguments;
    }

    bool IsHyperlinkField() { return FieldTypeOfCode(Code()) == word::wdFieldHyperlink; }

    std::u16string Switch(const std::u16string& flag)
    {
        auto arguments = Arguments();
        for (size_t i = 1; i + 1 < arguments.size(); ++i)
            if (arguments[i] == flag)
                return arguments[i + 1];
        return {};
    }

    FieldRecord& Record() { return FieldRecordOf(story_, Locate().Begin); }

    StoryRef story_;
    SpanPtr begin_;
};

bool LinkField(const std::u16string& code)
{
    long type = FieldTypeOfCode(code);
    if (type == word::wdFieldHyperlink)
        return true;
    if (type != word::wdFieldRef && type != word::wdFieldPageRef)
        return false;
    auto arguments = FieldArguments(code);
    return std::find(arguments.begin(), arguments.end(), u"\\h") != arguments.end();
}

class EngineHyperlinks : public word::Hyperlinks {
public:
    EngineHyperlinks(StoryRef story, SpanPtr scope) : story_(std::move(story)), scope_(std::move(scope)) {}

    long Count() override { return long(List().size()); }

    word::HyperlinkPtr Item(long index) override
    {
        auto list = List();
        if (index < 1 || index > long(list.size()))
            Raise(NoSuchMember);
        return list[size_t(index - 1)];
    }

    std::unique_ptr<word::Enumerator> NewEnum() override
    {
        std::vector<word::DispatchPtr> items;
        for (auto& link : List())
            items.push_back(link);
        return EnumerateList(std::move(items));
    }

    word::HyperlinkPtr Add(const word::RangePtr& anchor, const std::optional<std::u16string>& address,
                           const std::optional<std::u16string>& subAddress,
                           const std::optional<std::u16string>& screenTip,
                           const std::optional<std::u16string>& textToDisplay,
                           const std::optional<std::u16string>& target) override
    {
        EngineRange& where = Own(anchor);
        // The same text again would only lose the anchor's formatting.
        if (textToDisplay && !textToDisplay->empty() && *textToDisplay != where.Text())
            where.SetText(*textToDisplay);
        Story& story = where.StoryOf().Get();
        HyperlinkRecord record;
        record.Address = address.value_or(u"");
        record.SubAddress = subAddress.value_or(u"");
        record.ScreenTip = screenTip.value_or(u"");
        record.Target = target.value_or(u"");
        record.Where = story.Spans.Make(where.Start(), where.End());
        story.Hyperlinks.push_back(record);
        ++story.Version;
        return std::make_shared<RecordHyperlink>(where.StoryOf(), record.Where);
    }

private:
    std::vector<word::HyperlinkPtr> List()
    {
        Story& story = story_.Get();
        std::vector<std::pair<long, word::HyperlinkPtr>> found;
        for (const auto& link : story.Hyperlinks)
            if (link.Where->Start >= scope_->Start && link.Where->End <= scope_->End)
                found.emplace_back(link.Where->Start, std::make_shared<RecordHyperlink>(story_, link.Where));
        for (const auto& field : FieldsIn(story.Text, scope_->Start, scope_->End)) {
            auto code = story.Text.substr(size_t(field.Begin + 1),
                                          size_t(field.Separator.value_or(field.End) - field.Begin - 1));
            if (LinkField(code))
                found.emplace_back(field.Begin, std::make_shared<FieldHyperlink>(
                                                    story_, story.Spans.Make(field.Begin, field.Begin + 1)));
        }
        std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<word::HyperlinkPtr> list;
        for (auto& [position, link] : found)
            list.push_back(std::move(link));
        return list;
    }

    StoryRef story_;
    SpanPtr scope_;
};

} // namespace

word::HyperlinksPtr MakeHyperlinks(const StoryRef& story, SpanPtr scope)
{
    return std::make_shared<EngineHyperlinks>(story, std::move(scope));
}

} // namespace lorivex::engine::wordimpl
