// Styles and Style, with Word's idea of a style in use.
#include <set>

#include "engine/word/EngineRange.h"

namespace lorivex::engine::wordimpl {

namespace {

std::set<std::u16string> UsedStyles(DocumentModel& model)
{
    std::set<std::u16string> used;
    std::u16string defaultStyle = model.Styles.DefaultParagraphStyle();
    for (const auto& story : model.Stories) {
        std::vector<char> paraSeen(model.ParaFormats.Size()), charSeen(model.CharFormats.Size());
        for (size_t i = 0; i < story->Attrs.size(); ++i) {
            const auto& attr = story->Attrs[i];
            if (IsParagraphEnd(story->Text[i]) && !paraSeen[attr.Para]) {
                paraSeen[attr.Para] = 1;
                const auto& id = model.ParaFormats[attr.Para].Style;
                used.insert(id.empty() ? defaultStyle : id);
            }
            if (!charSeen[attr.Format]) {
                charSeen[attr.Format] = 1;
                if (!model.CharFormats[attr.Format].CharStyle.empty())
                    used.insert(model.CharFormats[attr.Format].CharStyle);
            }
        }
    }
    // A style that a used style is based on shapes the text too.
    std::set<std::u16string> withBases = used;
    for (const auto& id : used) {
        std::u16string next = id;
        for (int hops = 0; hops < 64 && !next.empty(); ++hops) {
            const StyleRecord* record = model.Styles.ById(next);
            if (!record)
                break;
            withBases.insert(record->Id);
            next = record->BasedOn;
        }
    }
    return withBases;
}

} // namespace

bool StyleInUse(DocumentModel& model, const StyleRecord& style)
{
    // The default paragraph style underlies every paragraph, as Normal does.
    if (style.MarkedInUse || (style.IsDefault && style.Type == u"paragraph"))
        return true;
    // Copying styles asks every style in turn; the text is scanned once per
    // state of the document.
    uint64_t key = model.Styles.Version() * 1000003 + model.Stories.size();
    for (const auto& story : model.Stories)
        key = key * 31 + story->Version;
    if (key != model.UsedStylesKey) {
        model.UsedStyles = UsedStyles(model);
        model.UsedStylesKey = key;
    }
    return model.UsedStyles.count(style.Id) > 0;
}

namespace {

class EngineStyle : public word::Style {
public:
    EngineStyle(std::shared_ptr<DocumentModel> model, std::u16string id) : model_(std::move(model)), id_(std::move(id)) {}

    std::u16string NameLocal() override { return StyleNameLocal(Record().Name); }
    bool InUse() override { return StyleInUse(*model_, Record()); }

private:
    const StyleRecord& Record()
    {
        const StyleRecord* style = model_->Styles.ById(id_);
        if (!style)
            Raise("The object has been deleted.");
        return *style;
    }

    std::shared_ptr<DocumentModel> model_;
    std::u16string id_;
};

class EngineStyles : public word::Styles {
public:
    explicit EngineStyles(std::shared_ptr<DocumentModel> model) : model_(std::move(model)) {}

    long Count() override { return long(model_->Styles.All().size()); }

    word::StylePtr Item(long index) override
    {
        const auto& all = model_->Styles.All();
        if (index < 1 || index > long(all.size()))
            Raise(NoSuchMember);
        return std::make_shared<EngineStyle>(model_, all[size_t(index - 1)].Id);
    }

    std::unique_ptr<word::Enumerator> NewEnum() override
    {
        std::vector<word::DispatchPtr> items;
        for (const auto& style : model_->Styles.All())
            items.push_back(std::make_shared<EngineStyle>(model_, style.Id));
        return EnumerateList(std::move(items));
    }

private:
    std::shared_ptr<DocumentModel> model_;
};

} // namespace

word::StylesPtr MakeStyles(const std::shared_ptr<DocumentModel>& model)
{
    return std::make_shared<EngineStyles>(model);
}

} // namespace lorivex::engine::wordimpl
