// Office's command bars as Word hands them out: CommandBars, CommandBar,
// CommandBarControls and CommandBarControl (buttons' and popups' members
// alike; Word raises for a member the control's kind lacks).
#include <memory>

#include "word/com/Bound.h"
#include "word/com/ComEnumerator.h"
#include "word/com/ComPicture.h"
#include "word/com/EventSink.h"

namespace lorivex::word::com {

namespace {

class ComCommandBarControl : public Bound, public CommandBarControl {
public:
    using Bound::Bound;
    long Type() override { return GetLong(L"Type"); }
    long Id() override { return GetLong(L"Id"); }
    bool BuiltIn() override { return GetBool(L"BuiltIn"); }
    long Index() override { return GetLong(L"Index"); }
    void Move(long before) override
    {
        std::vector<Arg> args;
        if (before)
            args.push_back(Named(L"Before", before));
        o_.Call(L"Move", std::move(args));
    }
    std::u16string Caption() override { return GetText(L"Caption"); }
    void SetCaption(const std::u16string& caption) override { Set(L"Caption", caption); }
    std::u16string Tag() override { return GetText(L"Tag"); }
    void SetTag(const std::u16string& tag) override { Set(L"Tag", tag); }
    std::u16string TooltipText() override { return GetText(L"TooltipText"); }
    void SetTooltipText(const std::u16string& text) override { Set(L"TooltipText", text); }
    std::u16string DescriptionText() override { return GetText(L"DescriptionText"); }
    void SetDescriptionText(const std::u16string& text) override { Set(L"DescriptionText", text); }
    std::u16string Parameter() override { return GetText(L"Parameter"); }
    void SetParameter(const std::u16string& parameter) override { Set(L"Parameter", parameter); }
    long HelpContextId() override { return GetLong(L"HelpContextId"); }
    void SetHelpContextId(long id) override { Set(L"HelpContextId", id); }
    std::u16string HelpFile() override { return GetText(L"HelpFile"); }
    void SetHelpFile(const std::u16string& file) override { Set(L"HelpFile", file); }
    long Priority() override { return GetLong(L"Priority"); }
    void SetPriority(long priority) override { Set(L"Priority", priority); }
    bool BeginGroup() override { return GetBool(L"BeginGroup"); }
    void SetBeginGroup(bool value) override { Set(L"BeginGroup", value); }
    bool Visible() override { return GetBool(L"Visible"); }
    void SetVisible(bool value) override { Set(L"Visible", value); }
    bool Enabled() override { return GetBool(L"Enabled"); }
    void SetEnabled(bool value) override { Set(L"Enabled", value); }
    long Width() override { return GetLong(L"Width"); }
    void SetWidth(long width) override { Set(L"Width", width); }
    long Height() override { return GetLong(L"Height"); }
    void SetHeight(long height) override { Set(L"Height", height); }
    void Delete() override { o_.Call(L"Delete"); }

    long Style() override { return GetLong(L"Style"); }
    void SetStyle(long style) override { Set(L"Style", style); }
    long FaceId() override { return GetLong(L"FaceId"); }
    void SetFaceId(long id) override { Set(L"FaceId", id); }
    std::u16string ShortcutText() override { return GetText(L"ShortcutText"); }
    void SetShortcutText(const std::u16string& text) override { Set(L"ShortcutText", text); }
    long State() override { return GetLong(L"State"); }
    void SetState(long state) override { Set(L"State", state); }
    platform::Image Picture() override { return ImageOf(o_.Get(L"Picture")); }
    void SetPicture(const platform::Image& picture) override { o_.PutRef(L"Picture", PictureOf(picture)); }
    platform::Image Mask() override { return ImageOf(o_.Get(L"Mask")); }
    void SetMask(const platform::Image& mask) override { o_.PutRef(L"Mask", PictureOf(mask)); }
    void PasteFace() override { o_.Call(L"PasteFace"); }
    void SetOnClick(std::function<void()> handler) override
    {
        click_.reset();
        if (!handler)
            return;
        click_ = std::make_unique<EventConnection>(
            o_.Raw(), IID_CommandBarButtonEvents,
            std::map<DISPID, EventHandler>{{DISPID_ButtonClick, [handler](const std::vector<ComValue>&) { handler(); }}});
    }
    void Execute() override { o_.Call(L"Execute"); }

    CommandBarControlsPtr Controls() override
    {
        return WrapCommandBarControls(o_.Child(L"Controls", L"CommandBarControls"));
    }

private:
    std::unique_ptr<EventConnection> click_;
};

class ComCommandBarControls : public Bound, public CommandBarControls {
public:
    using Bound::Bound;
    long Count() override { return GetLong(L"Count"); }
    CommandBarControlPtr Item(long index) override
    {
        return WrapCommandBarControl(o_.CallChild(L"Item", L"CommandBarControl", {index}));
    }
    CommandBarControlPtr Add(long type, long id, const std::u16string& parameter, long before, bool temporary) override
    {
        std::vector<Arg> args{Named(L"Type", type), Named(L"Id", id)};
        if (!parameter.empty())
            args.push_back(Named(L"Parameter", parameter));
        if (before)
            args.push_back(Named(L"Before", before));
        args.push_back(Named(L"Temporary", temporary));
        return WrapCommandBarControl(o_.CallChild(L"Add", L"CommandBarControl", std::move(args)));
    }
    std::unique_ptr<Enumerator> NewEnum() override
    {
        return EnumerateCollection(o_, L"CommandBarControl",
                                   [](AutoObject item) { return WrapCommandBarControl(std::move(item)); });
    }
};

class ComCommandBar : public Bound, public CommandBar {
public:
    using Bound::Bound;
    std::u16string Name() override { return GetText(L"Name"); }
    std::u16string NameLocal() override { return GetText(L"NameLocal"); }
    bool BuiltIn() override { return GetBool(L"BuiltIn"); }
    bool Visible() override { return GetBool(L"Visible"); }
    void SetVisible(bool value) override { Set(L"Visible", value); }
    bool Enabled() override { return GetBool(L"Enabled"); }
    void SetEnabled(bool value) override { Set(L"Enabled", value); }
    long Position() override { return GetLong(L"Position"); }
    void SetPosition(long position) override { Set(L"Position", position); }
    long Protection() override { return GetLong(L"Protection"); }
    void SetProtection(long protection) override { Set(L"Protection", protection); }
    long RowIndex() override { return GetLong(L"RowIndex"); }
    void SetRowIndex(long row) override { Set(L"RowIndex", row); }
    long Left() override { return GetLong(L"Left"); }
    void SetLeft(long left) override { Set(L"Left", left); }
    long Top() override { return GetLong(L"Top"); }
    void SetTop(long top) override { Set(L"Top", top); }
    void Delete() override { o_.Call(L"Delete"); }
    CommandBarControlsPtr Controls() override
    {
        return WrapCommandBarControls(o_.Child(L"Controls", L"CommandBarControls"));
    }
    CommandBarControlPtr FindControl(long type, const std::u16string& tag, bool recursive) override
    {
        std::vector<Arg> args;
        if (type)
            args.push_back(Named(L"Type", type));
        if (!tag.empty())
            args.push_back(Named(L"Tag", tag));
        args.push_back(Named(L"Recursive", recursive));
        return WrapCommandBarControl(o_.CallChild(L"FindControl", L"CommandBarControl", std::move(args)));
    }
};

class ComCommandBars : public Bound, public CommandBars {
public:
    using Bound::Bound;
    long Count() override { return GetLong(L"Count"); }
    CommandBarPtr Item(long index) override { return WrapCommandBar(o_.CallChild(L"Item", L"CommandBar", {index})); }
    // Word raises for a name it does not know: the bars are searched by
    // name instead, so that absence is not mistaken for a failure.
    CommandBarPtr Item(const std::u16string& name) override
    {
        auto items = NewEnum();
        while (DispatchPtr item = items->Next()) {
            auto bar = std::dynamic_pointer_cast<CommandBar>(item);
            if (bar && bar->Name() == name)
                return bar;
        }
        return nullptr;
    }
    CommandBarPtr Add(const std::u16string& name, long position, bool temporary) override
    {
        return WrapCommandBar(o_.CallChild(
            L"Add", L"CommandBar", {Named(L"Name", name), Named(L"Position", position), Named(L"Temporary", temporary)}));
    }
    std::unique_ptr<Enumerator> NewEnum() override
    {
        return EnumerateCollection(o_, L"CommandBar", [](AutoObject item) { return WrapCommandBar(std::move(item)); });
    }
};

} // namespace

CommandBarsPtr WrapCommandBars(AutoObject object) { return WrapAs<ComCommandBars, CommandBars>(std::move(object)); }
CommandBarPtr WrapCommandBar(AutoObject object) { return WrapAs<ComCommandBar, CommandBar>(std::move(object)); }
CommandBarControlsPtr WrapCommandBarControls(AutoObject object)
{
    return WrapAs<ComCommandBarControls, CommandBarControls>(std::move(object));
}
CommandBarControlPtr WrapCommandBarControl(AutoObject object)
{
    return WrapAs<ComCommandBarControl, CommandBarControl>(std::move(object));
}

} // namespace lorivex::word::com
