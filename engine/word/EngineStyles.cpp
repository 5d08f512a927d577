// Styles and Style, with Word's idea of a style in use.
#include <set>

#include "engine/word/EngineRange.h"

namespace lorivex::engine::wordimpl {

bool StyleInUse(DocumentModel& model, const StyleRecord& style)
{
    // The default paragraph style underlies every paragraph, as Normal does.
    if (style.MarkedInUse || (style.IsDefault && style.Type == u"paragraph"))
        return true;
    return model.StyleUsedInText(style.Id);
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
