// CommandBars, CommandBar, CommandBarControls and CommandBarControl (with
// the button's Click event).
#include "services/word/Word.h"
#include "tests/wordstandin/Classes.h"
#include "tests/wordstandin/ServerObject.h"
#include "word/com/ComPicture.h"
#include "word/com/EventSink.h"

namespace lorivex::test::standin {

using namespace word;

const ClassTable& CommandBarsClass()
{
    static const ClassTable table =
        TableOf<CommandBars>(L"CommandBars")
            .Get(L"Count", [](CommandBars& b, Call&) { return b.Count(); })
            .Get(L"Item",
                 [](CommandBars& b, Call& c) {
                     CommandBarPtr bar = c.Arg(0).Raw().vt == VT_BSTR ? b.Item(c.Text(0)) : b.Item(c.Long(0));
                     if (!bar)
                         throw EWordError("Invalid procedure call or argument");
                     return Serve(bar, CommandBarClass());
                 },
                 {L"Index"})
            .Get(L"Add",
                 [](CommandBars& b, Call& c) {
                     return Serve(b.Add(c.TextOr(0, u""), c.LongOr(1, msoBarTop), c.BoolOr(3, false)), CommandBarClass());
                 },
                 {L"Name", L"Position", L"MenuBar", L"Temporary"})
            .Get(L"_NewEnum", [](CommandBars& b, Call&) { return ServeEnumerator(b.NewEnum(), CommandBarClass()); })
            .Build();
    return table;
}

const ClassTable& CommandBarClass()
{
    static const ClassTable table =
        TableOf<CommandBar>(L"CommandBar")
            .Get(L"Name", [](CommandBar& b, Call&) { return b.Name(); })
            .Get(L"NameLocal", [](CommandBar& b, Call&) { return b.NameLocal(); })
            .Get(L"BuiltIn", [](CommandBar& b, Call&) { return b.BuiltIn(); })
            .Get(L"Visible", [](CommandBar& b, Call&) { return b.Visible(); })
            .Put(L"Visible", [](CommandBar& b, Call& c) { b.SetVisible(c.Value().Bool()); })
            .Get(L"Enabled", [](CommandBar& b, Call&) { return b.Enabled(); })
            .Put(L"Enabled", [](CommandBar& b, Call& c) { b.SetEnabled(c.Value().Bool()); })
            .Get(L"Position", [](CommandBar& b, Call&) { return b.Position(); })
            .Put(L"Position", [](CommandBar& b, Call& c) { b.SetPosition(c.Value().Long()); })
            .Get(L"Protection", [](CommandBar& b, Call&) { return b.Protection(); })
            .Put(L"Protection", [](CommandBar& b, Call& c) { b.SetProtection(c.Value().Long()); })
            .Get(L"RowIndex", [](CommandBar& b, Call&) { return b.RowIndex(); })
            .Put(L"RowIndex", [](CommandBar& b, Call& c) { b.SetRowIndex(c.Value().Long()); })
            .Get(L"Left", [](CommandBar& b, Call&) { return b.Left(); })
            .Put(L"Left", [](CommandBar& b, Call& c) { b.SetLeft(c.Value().Long()); })
            .Get(L"Top", [](CommandBar& b, Call&) { return b.Top(); })
            .Put(L"Top", [](CommandBar& b, Call& c) { b.SetTop(c.Value().Long()); })
            .Get(L"Delete", [](CommandBar& b, Call&) { b.Delete(); })
            .Get(L"Controls", [](CommandBar& b, Call&) { return Serve(b.Controls(), CommandBarControlsClass()); })
            .Get(L"FindControl",
                 [](CommandBar& b, Call& c) {
                     return Serve(b.FindControl(c.LongOr(0, 0), c.TextOr(2, u""), c.BoolOr(4, false)),
                                  CommandBarControlClass());
                 },
                 {L"Type", L"Id", L"Tag", L"Visible", L"Recursive"})
            .Build();
    return table;
}

const ClassTable& CommandBarControlsClass()
{
    static const ClassTable table =
        TableOf<CommandBarControls>(L"CommandBarControls")
            .Get(L"Count", [](CommandBarControls& c, Call&) { return c.Count(); })
            .Get(L"Item",
                 [](CommandBarControls& c, Call& call) { return Serve(c.Item(call.Long(0)), CommandBarControlClass()); },
                 {L"Index"})
            .Get(L"Add",
                 [](CommandBarControls& c, Call& call) {
                     return Serve(c.Add(call.LongOr(0, msoControlButton), call.LongOr(1, 1), call.TextOr(2, u""),
                                        call.LongOr(3, 0), call.BoolOr(4, false)),
                                  CommandBarControlClass());
                 },
                 {L"Type", L"Id", L"Parameter", L"Before", L"Temporary"})
            .Get(L"_NewEnum",
                 [](CommandBarControls& c, Call&) { return ServeEnumerator(c.NewEnum(), CommandBarControlClass()); })
            .Build();
    return table;
}

static void StartClick(Dispatch& target, Fire fire)
{
    dynamic_cast<CommandBarControl&>(target).SetOnClick([fire] { fire(com::DISPID_ButtonClick, {ComValue(), ComValue(false)}); });
}

static void StopClick(Dispatch& target)
{
    dynamic_cast<CommandBarControl&>(target).SetOnClick(nullptr);
}

static std::u16string ValueAs(const ComValue& v, std::u16string*) { return v.Text(); }
static bool ValueAs(const ComValue& v, bool*) { return v.Bool(); }
static long ValueAs(const ComValue& v, long*) { return v.Long(); }

// A property of a control with its get and put, by Word's name.
template <class R, class V>
static void Property(TableOf<CommandBarControl>& table, const wchar_t* name, R (CommandBarControl::*get)(),
                     void (CommandBarControl::*set)(V))
{
    table.Get(name, [get](CommandBarControl& c, Call&) { return (c.*get)(); });
    table.Put(name, [set](CommandBarControl& c, Call& call) {
        (c.*set)(ValueAs(call.Value(), static_cast<std::decay_t<V>*>(nullptr)));
    });
}

const ClassTable& CommandBarControlClass()
{
    static const ClassTable table = [] {
        TableOf<CommandBarControl> t(L"CommandBarControl");
        t.Get(L"Type", [](CommandBarControl& c, Call&) { return c.Type(); })
            .Get(L"Id", [](CommandBarControl& c, Call&) { return c.Id(); })
            .Get(L"BuiltIn", [](CommandBarControl& c, Call&) { return c.BuiltIn(); })
            .Get(L"Index", [](CommandBarControl& c, Call&) { return c.Index(); })
            .Get(L"Move", [](CommandBarControl& c, Call& call) { c.Move(call.LongOr(1, 0)); }, {L"Bar", L"Before"})
            .Get(L"Delete", [](CommandBarControl& c, Call&) { c.Delete(); }, {L"Temporary"})
            .Get(L"PasteFace", [](CommandBarControl& c, Call&) { c.PasteFace(); })
            .Get(L"Execute", [](CommandBarControl& c, Call&) { c.Execute(); })
            .Get(L"Controls", [](CommandBarControl& c, Call&) { return Serve(c.Controls(), CommandBarControlsClass()); })
            .Get(L"Picture", [](CommandBarControl& c, Call&) { return com::PictureOf(c.Picture()); })
            .Put(L"Picture", [](CommandBarControl& c, Call& call) { c.SetPicture(com::ImageOf(call.Value())); })
            .Get(L"Mask", [](CommandBarControl& c, Call&) { return com::PictureOf(c.Mask()); })
            .Put(L"Mask", [](CommandBarControl& c, Call& call) { c.SetMask(com::ImageOf(call.Value())); })
            .Events({com::IID_CommandBarButtonEvents, StartClick, StopClick});
        Property(t, L"Caption", &CommandBarControl::Caption, &CommandBarControl::SetCaption);
        Property(t, L"Tag", &CommandBarControl::Tag, &CommandBarControl::SetTag);
        Property(t, L"TooltipText", &CommandBarControl::TooltipText, &CommandBarControl::SetTooltipText);
        Property(t, L"DescriptionText", &CommandBarControl::DescriptionText, &CommandBarControl::SetDescriptionText);
        Property(t, L"Parameter", &CommandBarControl::Parameter, &CommandBarControl::SetParameter);
        Property(t, L"HelpContextId", &CommandBarControl::HelpContextId, &CommandBarControl::SetHelpContextId);
        Property(t, L"HelpFile", &CommandBarControl::HelpFile, &CommandBarControl::SetHelpFile);
        Property(t, L"Priority", &CommandBarControl::Priority, &CommandBarControl::SetPriority);
        Property(t, L"BeginGroup", &CommandBarControl::BeginGroup, &CommandBarControl::SetBeginGroup);
        Property(t, L"Visible", &CommandBarControl::Visible, &CommandBarControl::SetVisible);
        Property(t, L"Enabled", &CommandBarControl::Enabled, &CommandBarControl::SetEnabled);
        Property(t, L"Width", &CommandBarControl::Width, &CommandBarControl::SetWidth);
        Property(t, L"Height", &CommandBarControl::Height, &CommandBarControl::SetHeight);
        Property(t, L"Style", &CommandBarControl::Style, &CommandBarControl::SetStyle);
        Property(t, L"FaceId", &CommandBarControl::FaceId, &CommandBarControl::SetFaceId);
        Property(t, L"ShortcutText", &CommandBarControl::ShortcutText, &CommandBarControl::SetShortcutText);
        Property(t, L"State", &CommandBarControl::State, &CommandBarControl::SetState);
        return t.Build();
    }();
    return table;
}

} // namespace lorivex::test::standin
