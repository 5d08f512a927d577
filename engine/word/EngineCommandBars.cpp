// Office command bars held in memory: what the add-in builds and finds again
// is there for as long as the application runs, as Word keeps it in the
// Normal template. Every change leaves that template unsaved.
#include <algorithm>

#include "engine/Utf.h"
#include "engine/word/EngineApplication.h"
#include "platform/Clipboard.h"

namespace lorivex::engine::wordimpl {

namespace {

// Word's answer to a member the control's kind lacks.
constexpr char NotForThisControl[] = "This member is not available for this kind of control.";

class EngineControls;

class EngineControl : public word::CommandBarControl, public std::enable_shared_from_this<EngineControl> {
public:
    EngineControl(long type, long id, std::weak_ptr<EngineControls> parent, std::shared_ptr<Customization> state);

    long Type() override { return type_; }
    long Id() override { return id_; }
    bool BuiltIn() override { return id_ != 1; }
    long Index() override;
    void Move(long before) override;
    std::u16string Caption() override { return caption_; }
    void SetCaption(const std::u16string& caption) override { Set(caption_, caption); }
    std::u16string Tag() override { return tag_; }
    void SetTag(const std::u16string& tag) override { Set(tag_, tag); }
    std::u16string TooltipText() override { return tooltip_; }
    void SetTooltipText(const std::u16string& text) override { Set(tooltip_, text); }
    std::u16string DescriptionText() override { return description_; }
    void SetDescriptionText(const std::u16string& text) override { Set(description_, text); }
    std::u16string Parameter() override { return parameter_; }
    void SetParameter(const std::u16string& parameter) override { Set(parameter_, parameter); }
    long HelpContextId() override { return helpContext_; }
    void SetHelpContextId(long id) override { Set(helpContext_, id); }
    std::u16string HelpFile() override { return helpFile_; }
    void SetHelpFile(const std::u16string& file) override { Set(helpFile_, file); }
    long Priority() override { return priority_; }
    void SetPriority(long priority) override
    {
        // Word's range: 0 (automatic) to 7.
        if (priority < 0 || priority > 7)
            Raise("The value is out of range.");
        Set(priority_, priority);
    }
    bool BeginGroup() override { return beginGroup_; }
    void SetBeginGroup(bool value) override { Set(beginGroup_, value); }
    bool Visible() override { return visible_; }
    void SetVisible(bool value) override { Set(visible_, value); }
    bool Enabled() override { return enabled_; }
    void SetEnabled(bool value) override { Set(enabled_, value); }
    long Width() override { return width_; }
    void SetWidth(long width) override { Set(width_, width); }
    long Height() override { return height_; }
    void SetHeight(long height) override { Set(height_, height); }
    void Delete() override;

    long Style() override
    {
        Button();
        return style_;
    }
    void SetStyle(long style) override
    {
        Button();
        if (style < word::msoButtonAutomatic || style > word::msoButtonIconAndCaption)
            Raise("The value is out of range.");
        Set(style_, style);
    }
    long FaceId() override
    {
        Button();
        return faceId_;
    }
    void SetFaceId(long id) override
    {
        Button();
        Set(faceId_, id);
        // A stock face replaces a picture of one's own.
        picture_ = mask_ = platform::Image();
    }
    std::u16string ShortcutText() override
    {
        Button();
        return shortcut_;
    }
    void SetShortcutText(const std::u16string& text) override
    {
        Button();
        Set(shortcut_, text);
    }
    long State() override
    {
        Button();
        return state_;
    }
    void SetState(long state) override
    {
        Button();
        Set(state_, state);
    }
    platform::Image Picture() override
    {
        Button();
        return picture_;
    }
    void SetPicture(const platform::Image& picture) override
    {
        Button();
        if (picture.Width <= 0 || picture.Height <= 0)
            Raise("Invalid picture.");
        picture_ = picture;
        Changed();
    }
    platform::Image Mask() override
    {
        Button();
        return mask_;
    }
    void SetMask(const platform::Image& mask) override
    {
        Button();
        if (mask.Width <= 0 || mask.Height <= 0)
            Raise("Invalid picture.");
        mask_ = mask;
        Changed();
    }
    void PasteFace() override
    {
        Button();
        if (!platform::ClipboardHasFormat(platform::ClipboardDibFormat))
            Raise("Method 'PasteFace' of object 'CommandBarButton' failed: the clipboard holds no picture.");
        for (const auto& block : platform::GetClipboardBlocks())
            if (block.Format == platform::ClipboardDibFormat)
                picture_ = platform::DecodeDib(block.Data, "the clipboard");
        mask_ = platform::Image();
        Changed();
    }
    void SetOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    void Execute() override
    {
        if (!enabled_)
            Raise("The control is disabled.");
        if (onClick_)
            onClick_();
    }

    word::CommandBarControlsPtr Controls() override;

private:
    void Button()
    {
        if (type_ != word::msoControlButton)
            Raise(NotForThisControl);
    }
    void Changed() { customization_->Saved = false; }
    template <class T>
    void Set(T& field, const T& value)
    {
        field = value;
        Changed();
    }

    long type_, id_;
    std::weak_ptr<EngineControls> parent_;
    std::shared_ptr<Customization> customization_;
    std::u16string caption_, tag_, tooltip_, description_, parameter_, helpFile_, shortcut_;
    long helpContext_ = 0, priority_ = 0, width_ = 23, height_ = 22;
    bool beginGroup_ = false, visible_ = true, enabled_ = true;
    long style_ = word::msoButtonAutomatic, faceId_ = 0, state_ = word::msoButtonUp;
    platform::Image picture_, mask_;
    std::shared_ptr<EngineControls> children_;
    std::function<void()> onClick_;
};

class EngineControls : public word::CommandBarControls, public std::enable_shared_from_this<EngineControls> {
public:
    explicit EngineControls(std::shared_ptr<Customization> state) : state_(std::move(state)) {}

    long Count() override { return long(controls_.size()); }

    word::CommandBarControlPtr Item(long index) override
    {
        if (index < 1 || index > long(controls_.size()))
            Raise(NoSuchMember);
        return controls_[size_t(index - 1)];
    }

    word::CommandBarControlPtr Add(long type, long id, const std::u16string& parameter, long before,
                                   bool) override
    {
        if (type != word::msoControlButton && type != word::msoControlPopup)
            Raise("The control type " + std::to_string(type) + " cannot be added.");
        if (before < 0 || before > long(controls_.size()) + 1)
            Raise("Invalid procedure call or argument.");
        auto control = std::make_shared<EngineControl>(type, id, weak_from_this(), state_);
        control->SetParameter(parameter);
        if (id != 1)
            control->SetCaption(u"Built-in control " + Utf8ToUtf16(std::to_string(id)));
        if (before >= 1)
            controls_.insert(controls_.begin() + (before - 1), control);
        else
            controls_.push_back(control);
        state_->Saved = false;
        return control;
    }

    std::unique_ptr<word::Enumerator> NewEnum() override
    {
        return EnumerateList(std::vector<word::DispatchPtr>(controls_.begin(), controls_.end()));
    }

    long IndexOf(const EngineControl* control) const
    {
        for (size_t i = 0; i < controls_.size(); ++i)
            if (controls_[i].get() == control)
                return long(i + 1);
        Raise("The control has been deleted.");
    }

    void Move(const EngineControl* control, long before)
    {
        const long from = IndexOf(control);
        if (before < 0 || before > long(controls_.size()) + 1)
            Raise("Invalid procedure call or argument.");
        auto moved = controls_[size_t(from - 1)];
        controls_.erase(controls_.begin() + (from - 1));
        // Before names a position in the list as it was, the moved control
        // still in it.
        long at = before == 0 ? long(controls_.size()) : before > from ? before - 2 : before - 1;
        controls_.insert(controls_.begin() + std::clamp(at, 0L, long(controls_.size())), moved);
        state_->Saved = false;
    }

    void Remove(const EngineControl* control)
    {
        std::erase_if(controls_, [&](const auto& c) { return c.get() == control; });
        state_->Saved = false;
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
    std::shared_ptr<Customization> state_;
    std::vector<std::shared_ptr<EngineControl>> controls_;
};

EngineControl::EngineControl(long type, long id, std::weak_ptr<EngineControls> parent,
                             std::shared_ptr<Customization> state)
    : type_(type), id_(id), parent_(std::move(parent)), customization_(std::move(state))
{
    if (type == word::msoControlPopup)
        children_ = std::make_shared<EngineControls>(customization_);
}

long EngineControl::Index()
{
    auto parent = parent_.lock();
    if (!parent)
        Raise("The control has been deleted.");
    return parent->IndexOf(this);
}

void EngineControl::Move(long before)
{
    auto parent = parent_.lock();
    if (!parent)
        Raise("The control has been deleted.");
    parent->Move(this, before);
}

void EngineControl::Delete()
{
    if (auto parent = parent_.lock())
        parent->Remove(this);
}

word::CommandBarControlsPtr EngineControl::Controls()
{
    if (type_ != word::msoControlPopup)
        Raise(NotForThisControl);
    return children_;
}

class EngineBars;

class EngineBar : public word::CommandBar {
public:
    EngineBar(std::u16string name, long position, bool builtIn, std::weak_ptr<EngineBars> parent,
              std::shared_ptr<Customization> state)
        : name_(std::move(name)), position_(position), builtIn_(builtIn), parent_(std::move(parent)),
          state_(std::move(state)), controls_(std::make_shared<EngineControls>(state_))
    {
    }

    std::u16string Name() override { return name_; }
    std::u16string NameLocal() override { return name_; }
    bool BuiltIn() override { return builtIn_; }
    bool Visible() override { return visible_; }
    void SetVisible(bool value) override
    {
        // Word shows no bar that is disabled.
        if (value && !enabled_)
            Raise("The command bar is disabled.");
        Set(visible_, value);
    }
    bool Enabled() override { return enabled_; }
    void SetEnabled(bool value) override
    {
        Set(enabled_, value);
        if (!value)
            visible_ = false;
    }
    long Position() override { return position_; }
    void SetPosition(long position) override
    {
        if (position < word::msoBarLeft || position > word::msoBarFloating)
            Raise("The value is out of range.");
        Set(position_, position);
    }
    long Protection() override { return protection_; }
    void SetProtection(long protection) override { Set(protection_, protection); }
    long RowIndex() override { return rowIndex_; }
    void SetRowIndex(long row) override { Set(rowIndex_, row); }
    long Left() override { return left_; }
    void SetLeft(long left) override { Set(left_, left); }
    long Top() override { return top_; }
    void SetTop(long top) override { Set(top_, top); }
    void Delete() override;
    word::CommandBarControlsPtr Controls() override { return controls_; }
    word::CommandBarControlPtr FindControl(long type, const std::u16string& tag, bool recursive) override
    {
        return controls_->Find(type, tag, recursive);
    }

private:
    template <class T>
    void Set(T& field, const T& value)
    {
        field = value;
        state_->Saved = false;
    }

    std::u16string name_;
    long position_;
    bool builtIn_;
    std::weak_ptr<EngineBars> parent_;
    std::shared_ptr<Customization> state_;
    bool visible_ = false, enabled_ = true;
    long protection_ = word::msoBarNoProtection, rowIndex_ = 0, left_ = 0, top_ = 0;
    std::shared_ptr<EngineControls> controls_;
};

class EngineBars : public word::CommandBars, public std::enable_shared_from_this<EngineBars> {
public:
    explicit EngineBars(std::shared_ptr<Customization> state) : state_(std::move(state)) {}

    // Word's own bars; "Envelope" shows only in a window that edits an
    // e-mail message.
    void AddBuiltIns()
    {
        for (const char16_t* name : {u"Menu Bar", u"Standard", u"Formatting", u"Envelope"}) {
            auto bar = std::make_shared<EngineBar>(name, word::msoBarTop, true, weak_from_this(), state_);
            bar->SetVisible(std::u16string_view(name) != u"Envelope");
            bars_.push_back(bar);
        }
        state_->Saved = true;
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
        auto bar = std::make_shared<EngineBar>(name, position, false, weak_from_this(), state_);
        bars_.push_back(bar);
        state_->Saved = false;
        return bar;
    }

    std::unique_ptr<word::Enumerator> NewEnum() override
    {
        return EnumerateList(std::vector<word::DispatchPtr>(bars_.begin(), bars_.end()));
    }

    void Remove(const EngineBar* bar)
    {
        std::erase_if(bars_, [&](const auto& b) { return b.get() == bar; });
        state_->Saved = false;
    }

private:
    std::shared_ptr<Customization> state_;
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

word::CommandBarsPtr MakeCommandBars(std::shared_ptr<Customization> customization)
{
    auto bars = std::make_shared<EngineBars>(std::move(customization));
    bars->AddBuiltIns();
    return bars;
}

} // namespace lorivex::engine::wordimpl
