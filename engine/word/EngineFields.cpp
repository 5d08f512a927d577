// Fields, Field and Indexes. A field is found from its begin mark each time
// it is used, so that it stays right whatever edits happened in between.
#include "engine/FieldScan.h"
#include "engine/Utf.h"
#include "engine/word/EngineRange.h"

namespace lorivex::engine::wordimpl {

namespace {

constexpr char16_t ErrorUnknownProperty[] = u"Error! Unknown document property name.";

} // namespace

FieldSpan LocateField(const StoryRef& story, long begin)
{
    auto field = FieldAt(story.Get().Text, begin);
    if (!field)
        Raise("The object has been deleted.");
    return *field;
}

FieldRecord& FieldRecordOf(const StoryRef& story, long begin)
{
    auto& attrs = story.Get().Attrs;
    CharAttr attr = attrs.at(size_t(begin));
    if (!attr.Ext) {
        attr.Ext = story.Model->AddRecord(FieldRecord{});
        attrs.Set(size_t(begin), attr);
    }
    auto* record = std::get_if<FieldRecord>(&story.Model->Record(attr.Ext));
    if (!record)
        Raise("The field's data is damaged.");
    return *record;
}

namespace {

class EngineField : public word::Field {
public:
    EngineField(StoryRef story, SpanPtr begin) : story_(std::move(story)), begin_(std::move(begin)) {}

    long Type() override { return FieldTypeOfCode(CodeText()); }

    word::RangePtr Code() override
    {
        // The code reads as it is, hidden or not (index entries are hidden).
        auto field = Locate();
        return std::make_shared<EngineRange>(
            story_, story_.Get().Spans.Make(field.Begin + 1, field.Separator.value_or(field.End)), TextMode{true, true});
    }

    word::RangePtr Result() override
    {
        auto field = Locate();
        return MakeRange(story_, field.Separator ? *field.Separator + 1 : field.End, field.End);
    }

    std::u16string Data() override { return Record().Data; }
    void SetData(const std::u16string& data) override { Record().Data = data; }
    bool Update() override { return UpdateField(story_, Locate().Begin); }

private:
    FieldSpan Locate() { return LocateField(story_, begin_->Start); }

    std::u16string CodeText()
    {
        auto field = Locate();
        const auto& text = story_.Get().Text;
        return text.substr(size_t(field.Begin + 1), size_t(field.Separator.value_or(field.End) - field.Begin - 1));
    }

    FieldRecord& Record() { return FieldRecordOf(story_, Locate().Begin); }

    StoryRef story_;
    SpanPtr begin_;
};

class EngineFields : public word::Fields {
public:
    EngineFields(StoryRef story, SpanPtr scope) : story_(std::move(story)), scope_(std::move(scope)) {}

    long Count() override { return long(List().size()); }

    word::FieldPtr Item(long index) override
    {
        const auto& fields = List();
        if (index < 1 || index > long(fields.size()))
            Raise(NoSuchMember);
        return MakeField(story_, fields[size_t(index - 1)].Begin);
    }

    std::unique_ptr<word::Enumerator> NewEnum() override
    {
        std::vector<word::DispatchPtr> items;
        for (const auto& field : List())
            items.push_back(MakeField(story_, field.Begin));
        return EnumerateList(std::move(items));
    }

    word::FieldPtr Add(const word::RangePtr& range, long type, const std::u16string& text, bool) override
    {
        EngineRange& where = Own(range);
        std::u16string code;
        if (type == word::wdFieldEmpty) {
            code = text;
        } else {
            std::u16string keyword = FieldKeyword(type);
            if (keyword.empty())
                Raise("The field type " + std::to_string(type) + " is not valid.");
            code = u" " + keyword + u" " + (text.empty() ? u"" : text + u" ");
        }
        const StoryRef& story = where.StoryOf();
        // A paragraph's own mark is not replaced by the field: the field goes
        // into the paragraph, as Word keeps a selected paragraph mark.
        if (where.End() > where.Start() && IsParagraphEnd(story.Get().Text[size_t(where.End() - 1)]))
            where.SetEnd(where.End() - 1);
        Fragment fragment =
            story.Model->TextFragment(story.Get(), where.Start(), Mark::FieldBegin + code + Mark::FieldSeparator +
                                                                      Mark::FieldEnd);
        fragment.Records.push_back(FieldRecord{});
        fragment.Attrs.front().Ext = uint32_t(fragment.Records.size() - 1);
        where.SetFormattedTextFrom(fragment);
        long begin = where.Start();
        UpdateField(story, begin);
        return MakeField(story, begin);
    }

private:
    const std::vector<FieldSpan>& List()
    {
        Story& story = story_.Get();
        if (cacheVersion_ != story.Version || cacheStart_ != scope_->Start || cacheEnd_ != scope_->End) {
            cache_ = FieldsIn(story.Text, scope_->Start, scope_->End);
            cacheVersion_ = story.Version;
            cacheStart_ = scope_->Start;
            cacheEnd_ = scope_->End;
        }
        return cache_;
    }

    StoryRef story_;
    SpanPtr scope_;
    std::vector<FieldSpan> cache_;
    uint64_t cacheVersion_ = UINT64_MAX;
    long cacheStart_ = -1, cacheEnd_ = -1;
};

class EngineIndexes : public word::Indexes {
public:
    explicit EngineIndexes(StoryRef main) : main_(std::move(main)) {}

    word::FieldPtr MarkEntry(const word::RangePtr& range, const std::u16string& entry) override
    {
        EngineRange& where = Own(range);
        const StoryRef& story = where.StoryOf();
        long at = story.Model->InsertionPoint(story.Get(), where.End());
        Fragment fragment = story.Model->TextFragment(
            story.Get(), at, Mark::FieldBegin + (u" XE \"" + entry + u"\" ") + Mark::FieldEnd);
        fragment.Records.push_back(FieldRecord{});
        fragment.Attrs.front().Ext = uint32_t(fragment.Records.size() - 1);
        // Index entries are hidden text in Word.
        CharFormat hidden = story.Model->CharFormats[fragment.Attrs.front().Format];
        hidden.Hidden = true;
        uint32_t format = story.Model->CharFormats.Intern(hidden);
        for (auto& attr : fragment.Attrs)
            attr.Format = format;
        story.Model->Insert(story.Get(), at, fragment);
        return MakeField(story, at);
    }

private:
    StoryRef main_;
};

std::optional<std::u16string> PropertyText(DocumentModel& model, const std::u16string& name)
{
    PropertyRecord* property = model.Properties.FindBuiltIn(name);
    if (!property)
        property = model.Properties.FindCustom(name);
    if (!property)
        return std::nullopt;
    return property->Value ? property->Value->ToText() : std::u16string();
}

std::optional<std::u16string> ComputeResult(DocumentModel& model, long type, const std::u16string& code)
{
    auto arguments = FieldArguments(code);
    static const std::pair<long, const char16_t*> infoFields[] = {
        {15, u"Title"}, {16, u"Subject"}, {17, u"Author"}, {18, u"Keywords"}, {19, u"Comments"},
        {20, u"Last Author"}, {24, u"Revision Number"}, {30, u"Template"}};
    if (type == word::wdFieldDocProperty) {
        if (arguments.size() < 2)
            return std::u16string(ErrorUnknownProperty);
        return PropertyText(model, arguments[1]).value_or(ErrorUnknownProperty);
    }
    for (const auto& [fieldType, property] : infoFields)
        if (type == fieldType)
            return PropertyText(model, property).value_or(u"");
    return std::nullopt;
}

} // namespace

bool UpdateField(const StoryRef& storyRef, long begin)
{
    Story& story = storyRef.Get();
    auto field = FieldAt(story.Text, begin);
    if (!field)
        return false;
    std::u16string code =
        story.Text.substr(size_t(begin + 1), size_t(field->Separator.value_or(field->End) - begin - 1));
    auto result = ComputeResult(*storyRef.Model, FieldTypeOfCode(code), code);
    if (!result)
        return false;
    long resultStart;
    if (field->Separator) {
        resultStart = *field->Separator + 1;
    } else {
        Fragment separator = storyRef.Model->TextFragment(story, field->End, std::u16string(1, Mark::FieldSeparator));
        storyRef.Model->Insert(story, field->End, separator);
        resultStart = field->End + 1;
        field->End += 1;
    }
    // The result keeps the formatting of its first character, as Word's
    // MERGEFORMAT does.
    long formatAt = resultStart < field->End ? resultStart + 1 : resultStart;
    Fragment text = storyRef.Model->TextFragment(story, formatAt, *result);
    storyRef.Model->Delete(story, resultStart, field->End);
    storyRef.Model->Insert(story, resultStart, text);
    return true;
}

word::FieldPtr MakeField(const StoryRef& story, long begin)
{
    return std::make_shared<EngineField>(story, story.Get().Spans.Make(begin, begin + 1));
}

word::FieldsPtr MakeFields(const StoryRef& story, SpanPtr scope)
{
    return std::make_shared<EngineFields>(story, std::move(scope));
}

word::IndexesPtr MakeIndexes(const StoryRef& main)
{
    return std::make_shared<EngineIndexes>(main);
}

} // namespace lorivex::engine::wordimpl
