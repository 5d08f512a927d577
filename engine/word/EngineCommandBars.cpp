// Office command bars held in memory: what the add-in builds and finds again
// is there for as long as the application runs.
#include "engine/Utf.h"
#include "engine/word/EngineApplication.h"

namespace lorivex::engine::wordimpl {

namespace {

class EngineControls;

class EngineControl : public word::CommandBarControl, public std::enable_shared_from_this<EngineControl> {
public:
    EngineControl(long type, long id, std::weak_ptr<EngineControls> parent);

    long Type() override { return type_; }
    long Id() override { return id_; }
    std::u16string Caption() override { return caption_; }
    void SetCaption(const std::u16string& caption) override { caption_ = caption; }
    std::u16string Tag() override { return tag_; }
    void SetTag(const std::u16string& tag) override { tag_ = tag; }
    std::u16string TooltipText() override { return tooltip_; }
    void SetTooltipText(const std::u16string& text) override { tooltip_ = text; }
    bool BeginGroup() override { return beginGroup_; }
    void SetBeginGroup(bool value) override { beginGroup_ = value; }
    bool Visible() override { return visible_; }
    void SetVisible(bool value) override { visible_ = value; }
    bool Enabled() override { return enabled_; }
    void SetEnabled(bool value) override { enabled_ = value; }
    long Style() override { return style_; }
    void SetStyle(long style) override { style_ = style; }
    void Delete() override;
    word::CommandBarControlsPtr Controls() override;
    void SetOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    void Execute() override
    {
        if (onClick_)
            onClick_();
    }

private:
    long type_, id_;
    std::weak_ptr<EngineControls> parent_;
    std::u16string caption_, tag_, tooltip_;
    bool beginGroup_ = false, visible_ = true, enabled_ = true;
    long style_ = word::msoButtonAutomatic;
    std::shared_ptr<EngineControls> children_;
    std::function<void()> onClick_;
};

class EngineControls : public word::CommandBarControls, public std::enable_shared_from_this<EngineControls> {
public:
    long Count() override { return long(controls_.size()); }

    word::CommandBarControlPtr Item(long index) override
    {
        if (index < 1 || index > long(controls_.size()))
            Raise(NoSuchMember);
        return controls_[size_t(index - 1)];
    }

    word::CommandBarControlPtr Add(long type, long id, const std::u16string&, long before, bool) override
    {
        auto control = std::make_shared<EngineControl>(type, id, weak_from_this());
        if (before >= 1 && before <= long(controls_.size()))
            controls_.insert(controls_.begin() + (before - 1), control);
        else
            controls_.push_back(control);
        return control;
    }

    std::unique_ptr<word::Enumerator> NewEnum() override
    {
        return EnumerateList(std::vector<word::DispatchPtr>(controls_.begin(), controls_.end()));
    }

    void Remove(const EngineControl* control)
    {
        std::erase_if(controls_, [&](const auto& c) { return c.get() == control; });
    }

    word::CommandBarControlPtr Find(long type, const std::u16string& tag, bool recursive)
    {
        for (auto& control : controls_) {
            if ((type == 0 || control->Type() == type) && (tag.empty() || control->Tag() == tag))
                return control;
            if (recursive && control->Type() == word::msoControlPopup)
                if (auto controls = std::dynamic_pointer_cast<EngineControls>(control->Controls()))
                    if (auto found = controls->Find(type, tag, true))
                        return found;
        }
        return nullptr;
    }

private:
    std::vector<std::shared_ptr<EngineControl>> controls_;
};

EngineControl::EngineControl(long type, long id, std::weak_ptr<EngineControls> parent)
    : type_(type), id_(id), parent_(std::move(parent))
{
    if (type == word::msoControlPopup)
        children_ = std::make_shared<EngineControls>();
}

void EngineControl::Delete()
{
    if (auto parent = parent_.lock())
        parent->Remove(this);
}

word::CommandBarControlsPtr EngineControl::Controls()
{
    return children_;
}

class EngineBars;

class EngineBar : public word::CommandBar {
public:
    EngineBar(std::u16string name, long position, bool builtIn, std::weak_ptr<EngineBars> parent)
        : name_(std::move(name)), position_(position), builtIn_(builtIn), parent_(std::move(parent))
    {
    }

    std::u16string Name() override { return name_; }
    std::u16string NameLocal() override { return name_; }
    bool BuiltIn() override { return builtIn_; }
    bool Visible() override { return visible_; }
    void SetVisible(bool value) override { visible_ = value; }
    bool Enabled() override { return enabled_; }
    void SetEnabled(bool value) override { enabled_ = value; }
    long Position() override { return position_; }
    void SetPosition(long position) override { position_ = position; }
    long Protection() override { return protection_; }
    void SetProtection(long protection) override { protection_ = protection; }
    long RowIndex() override { return rowIndex_; }
    void SetRowIndex(long row) override { rowIndex_ = row; }
    void Delete() override;
    word::CommandBarControlsPtr Controls() override { return controls_; }
    word::CommandBarControlPtr FindControl(long type, const std::u16string& tag, bool recursive) override
    {
        return controls_->Find(type, tag, recursive);
    }

private:
    std::u16string name_;
    long position_;
    bool builtIn_;
    std::weak_ptr<EngineBars> parent_;
    bool visible_ = false, enabled_ = true;
    long protection_ = 0, rowIndex_ = 0;
    std::shared_ptr<EngineControls> controls_ = std::make_shared<EngineControls>();
};

class EngineBars : public word::CommandBars, public std::enable_shared_from_this<EngineBars> {
public:
    void AddBuiltIns()
    {
        for (const char16_t* name : {u"Menu Bar", u"Standard", u"Formatting"}) {
            auto bar = std::make_shared<EngineBar>(name, word::msoBarTop, true, weak_from_this());
            bar->SetVisible(true);
            bars_.push_back(bar);
        }
    }

    long Count() override { return long(bars_.size()); }

    word::CommandBarPtr Item(long index) override
    {
        if (index < 1 || index > long(bars_.size()))
            Raise(NoSuchMember);
        return bars_[size_t(index - 1)];
    }

    word::CommandBarPtr Item(const std::u16string& name) override
    {
        for (auto& bar : bars_)
            if (SameTextW(bar->Name(), name))
                return bar;
        return nullptr;
    }

    word::CommandBarPtr Add(const std::u16string& name, long position, bool) override
    {
        if (Item(name))
            Raise("A command bar named \"" + Utf16ToUtf8(name) + "\" exists already.");
        auto bar = std::make_shared<EngineBar>(name, position, false, weak_from_this());
        bars_.push_back(bar);
        return bar;
    }

    std::unique_ptr<word::Enumerator> NewEnum() override
    {
        return EnumerateList(std::vector<word::DispatchPtr>(bars_.begin(), bars_.end()));
    }

    void Remove(const EngineBar* bar)
    {
        std::erase_if(bars_, [&](const auto& b) { return b.get() == bar; });
    }

private:
    std::vector<std::shared_ptr<EngineBar>> bars_;
};

void EngineBar::Delete()
{
    if (builtIn_)
        Raise("A built-in command bar cannot be deleted.");
    if (auto parent = parent_.lock())
        parent->Remove(this);
}

} // namespace

word::CommandBarsPtr MakeCommandBars()
{
    auto bars = std::make_shared<EngineBars>();
    bars->AddBuiltIns();
    return bars;
}

} // namespace lorivex::engine::wordimpl
