// DocumentProperties and DocumentProperty over the model's property set.
#include "engine/Utf.h"
#include "engine/word/EngineRange.h"

namespace lorivex::engine::wordimpl {

namespace {

class EngineProperty : public word::DocumentProperty {
public:
    EngineProperty(std::shared_ptr<DocumentModel> model, bool builtIn, std::u16string name)
        : model_(std::move(model)), builtIn_(builtIn), name_(std::move(name))
    {
    }

    std::u16string Name() override { return Record().Name; }
    long Type() override { return Record().Type; }

    word::Variant Value() override
    {
        auto& record = Record();
        if (!record.Value)
            Raise("The value of the document property \"" + Utf16ToUtf8(record.Name) + "\" is not available.");
        return *record.Value;
    }

    void SetValue(const word::Variant& value) override
    {
        auto& record = Record();
        record.Value = CoerceToType(value, record.Type);
    }

private:
    PropertyRecord& Record()
    {
        auto* record = builtIn_ ? model_->Properties.FindBuiltIn(name_) : model_->Properties.FindCustom(name_);
        if (!record)
            Raise("The object has been deleted.");
        return *record;
    }

    std::shared_ptr<DocumentModel> model_;
    bool builtIn_;
    std::u16string name_;
};

class EngineProperties : public word::DocumentProperties {
public:
    EngineProperties(std::shared_ptr<DocumentModel> model, bool builtIn) : model_(std::move(model)), builtIn_(builtIn) {}

    long Count() override { return long(List().size()); }

    word::DocumentPropertyPtr Item(long index) override
    {
        auto& list = List();
        if (index < 1 || index > long(list.size()))
            Raise(NoSuchMember);
        return std::make_shared<EngineProperty>(model_, builtIn_, list[size_t(index - 1)].Name);
    }

    word::DocumentPropertyPtr Add(const std::u16string& name, bool linkToContent, long type,
                                  const word::Variant& value) override
    {
        if (builtIn_)
            Raise("A built-in document property cannot be added.");
        if (name.empty() || name.size() > 255)
            Raise("The document property name is not valid.");
        if (model_->Properties.FindCustom(name))
            Raise("A document property named \"" + Utf16ToUtf8(name) + "\" exists already.");
        PropertyRecord record;
        record.Name = name;
        record.Type = type;
        record.LinkToContent = linkToContent;
        record.Value = CoerceToType(value, type);
        model_->Properties.Custom.push_back(record);
        return std::make_shared<EngineProperty>(model_, false, name);
    }

    std::unique_ptr<word::Enumerator> NewEnum() override
    {
        std::vector<word::DispatchPtr> items;
        for (const auto& record : List())
            items.push_back(std::make_shared<EngineProperty>(model_, builtIn_, record.Name));
        return EnumerateList(std::move(items));
    }

private:
    std::vector<PropertyRecord>& List() { return builtIn_ ? model_->Properties.BuiltIn : model_->Properties.Custom; }

    std::shared_ptr<DocumentModel> model_;
    bool builtIn_;
};

} // namespace

word::DocumentPropertiesPtr MakeProperties(const std::shared_ptr<DocumentModel>& model, bool builtIn)
{
    return std::make_shared<EngineProperties>(model, builtIn);
}

} // namespace lorivex::engine::wordimpl
