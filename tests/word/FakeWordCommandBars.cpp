// The fake Word's command bars: named bars of buttons that remember their
// properties and click.
#include "tests/word/FakeWord.h"

namespace lorivex::test::fakeword {

namespace {

class FakeButton : public word::CommandBarControl {
public:
    explicit FakeButton(long id) : id_(id) {}
    long Type() override { return word::msoControlButton; }
    long Id() override { return id_; }
    bool BuiltIn() override { return id_ != 1; }
    long Index() override { NotModelled("Index"); }
    void Move(long) override { NotModelled("Move"); }
    std::u16string Caption() override { return caption_; }
    void SetCaption(const std::u16string& caption) override { caption_ = caption; }
    std::u16string Tag() override { return tag_; }
    void SetTag(const std::u16string& tag) override { tag_ = tag; }
    std::u16string TooltipText() override { return tooltip_; }
    void SetTooltipText(const std::u16string& text) override { tooltip_ = text; }
    std::u16string DescriptionText() override { NotModelled("DescriptionText"); }
    void SetDescriptionText(const std::u16string&) override { NotModelled("DescriptionText"); }
    std::u16string Parameter() override { NotModelled("Parameter"); }
    void SetParameter(const std::u16string&) override { NotModelled("Parameter"); }
    long HelpContextId() override { NotModelled("HelpContextId"); }
    void SetHelpContextId(long) override { NotModelled("HelpContextId"); }
    std::u16string HelpFile() override { NotModelled("HelpFile"); }
    void SetHelpFile(const std::u16string&) override { NotModelled("HelpFile"); }
    long Priority() override { NotModelled("Priority"); }
    void SetPriority(long) override { NotModelled("Priority"); }
    bool BeginGroup() override { return beginGroup_; }
    void SetBeginGroup(bool value) override { beginGroup_ = value; }
    bool Visible() override { return true; }
    void SetVisible(bool) override {}
    bool Enabled() override { return true; }
    void SetEnabled(bool) override {}
    long Width() override { return width_; }
    void SetWidth(long width) override { width_ = width; }
    long Height() override { return 22; }
    void SetHeight(long) override {}
    void Delete() override {}
    long Style() override { return style_; }
    void SetStyle(long style) override { style_ = style; }
    long FaceId() override { return faceId_; }
    void SetFaceId(long id) override { faceId_ = id; }
    std::u16string ShortcutText() override { return {}; }
    void SetShortcutText(const std::u16string&) override {}
    long State() override { return word::msoButtonUp; }
    void SetState(long) override {}
    platform::Image Picture() override { return picture_; }
    void SetPicture(const platform::Image& picture) override { picture_ = picture; }
    platform::Image Mask() override { return mask_; }
    void SetMask(const platform::Image& mask) override { mask_ = mask; }
    void PasteFace() override { NotModelled("PasteFace"); }
    void SetOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    void Execute() override
    {
        if (onClick_)
            onClick_();
    }
    word::CommandBarControlsPtr Controls() override { throw word::EWordError("Method 'Controls' of object '_CommandBarButton' failed"); }

private:
    long id_;
    std::u16string caption_, tag_, tooltip_;
    bool beginGroup_ = false;
    long width_ = 23, style_ = word::msoButtonAutomatic, faceId_ = 0;
    std::function<void()> onClick_;
    platform::Image picture_, mask_;
};

class ControlList : public word::Enumerator {
public:
    explicit ControlList(std::vector<word::CommandBarControlPtr> items) : items_(std::move(items)) {}
    word::DispatchPtr Next() override { return next_ < items_.size() ? items_[next_++] : nullptr; }

private:
    std::vector<word::CommandBarControlPtr> items_;
    std::size_t next_ = 0;
};

class FakeControls : public word::CommandBarControls {
public:
    long Count() override { return static_cast<long>(items_.size()); }
    word::CommandBarControlPtr Item(long index) override
    {
        if (index < 1 || index > Count())
            throw word::EWordError("Invalid procedure call or argument");
        return items_[index - 1];
    }
    word::CommandBarControlPtr Add(long type, long id, const std::u16string&, long before, bool) override
    {
        if (type != word::msoControlButton)
            NotModelled("popups");
        auto button = std::make_shared<FakeButton>(id);
        long at = before ? std::min(before - 1, Count()) : Count();
        items_.insert(items_.begin() + at, button);
        return button;
    }
    std::unique_ptr<word::Enumerator> NewEnum() override { return std::make_unique<ControlList>(items_); }

private:
    std::vector<word::CommandBarControlPtr> items_;
};

class FakeBar : public word::CommandBar {
public:
    FakeBar(std::u16string name, long position) : name_(std::move(name)), position_(position) {}
    std::u16string Name() override { return name_; }
    std::u16string NameLocal() override { return name_; }
    bool BuiltIn() override { return false; }
    bool Visible() override { return visible_; }
    void SetVisible(bool value) override { visible_ = value; }
    bool Enabled() override { return true; }
    void SetEnabled(bool) override {}
    long Position() override { return position_; }
    void SetPosition(long position) override { position_ = position; }
    long Protection() override { return 0; }
    void SetProtection(long) override {}
    long RowIndex() override { return 1; }
    void SetRowIndex(long) override {}
    long Left() override { return left_; }
    void SetLeft(long left) override { left_ = left; }
    long Top() override { return top_; }
    void SetTop(long top) override { top_ = top; }
    void Delete() override {}
    word::CommandBarControlsPtr Controls() override { return controls_; }
    word::CommandBarControlPtr FindControl(long, const std::u16string& tag, bool) override
    {
        for (long i = 1; i <= controls_->Count(); ++i)
            if (tag.empty() || controls_->Item(i)->Tag() == tag)
                return controls_->Item(i);
        return nullptr;
    }

private:
    std::u16string name_;
    long position_;
    bool visible_ = false;
    long left_ = 0, top_ = 0;
    std::shared_ptr<FakeControls> controls_ = std::make_shared<FakeControls>();
};

class BarList : public word::Enumerator {
public:
    explicit BarList(std::vector<word::CommandBarPtr> items) : items_(std::move(items)) {}
    word::DispatchPtr Next() override { return next_ < items_.size() ? items_[next_++] : nullptr; }

private:
    std::vector<word::CommandBarPtr> items_;
    std::size_t next_ = 0;
};

class FakeBars : public word::CommandBars {
public:
    long Count() override { return static_cast<long>(bars_.size()); }
    word::CommandBarPtr Item(long index) override
    {
        if (index < 1 || index > Count())
            throw word::EWordError("Invalid procedure call or argument");
        return bars_[index - 1];
    }
    word::CommandBarPtr Item(const std::u16string& name) override
    {
        for (auto& bar : bars_)
            if (bar->Name() == name)
                return bar;
        return nullptr;
    }
    word::CommandBarPtr Add(const std::u16string& name, long position, bool) override
    {
        if (Item(name))
            throw word::EWordError("Invalid procedure call or argument");
        bars_.push_back(std::make_shared<FakeBar>(name, position));
        return bars_.back();
    }
    std::unique_ptr<word::Enumerator> NewEnum() override { return std::make_unique<BarList>(bars_); }

private:
    std::vector<word::CommandBarPtr> bars_;
};

} // namespace

word::CommandBarsPtr MakeCommandBars()
{
    return std::make_shared<FakeBars>();
}

} // namespace lorivex::test::fakeword
