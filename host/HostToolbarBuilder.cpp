#include "host/HostToolbarBuilder.h"

#include "host/HostButtonGlyph.h"
#include "host/HostCommandBarLookup.h"
#include "host/HostErrorRouting.h"
#include "services/word/CommandBars.h"
#include "services/word/WordText.h"

namespace lorivex {

namespace {

bool Differs(const std::optional<std::uint32_t>& recorded, int revision)
{
    return !recorded || *recorded != std::uint32_t(revision);
}

// Word's own controls keep their own texts where the definition has none.
void SetText(const THostCommandBarControl& definition, const std::string& text,
             void (word::CommandBarControl::*setter)(const std::u16string&), word::CommandBarControl& control)
{
    if (text.empty() && definition.OfficeID != 1)
        return;
    (control.*setter)(word::ToWord(text));
}

void ForEachControl(THostCommandBar& definition, const std::function<void(THostCommandBarControl&)>& visit)
{
    for (auto* control : definition.AllControls())
        visit(*control);
}

} // namespace

bool SupportsWord(unsigned supportedApps)
{
    return (supportedApps & ohaWord) != 0;
}

THostToolbarBuilder::THostToolbarBuilder(THostAddInModule& module, THostUserRecords& records,
                                         const THostRibbon& ribbon, std::u16string wordVersion)
    : module_(module), records_(records), ribbon_(ribbon), wordVersion_(std::move(wordVersion))
{
}

void THostToolbarBuilder::CreateAll(const word::CommandBarsPtr& bars)
{
    for (auto* definition : module_.CommandBars)
        if (SupportsWord(definition->SupportedApps))
            RunRouted(module_, [&] { Create(bars, *definition); });
}

void THostToolbarBuilder::Create(const word::CommandBarsPtr& bars, THostCommandBar& definition)
{
    Guard("CreateCommandBar", [&] {
        // A Word with a ribbon shows only the toolbars meant for its Add-Ins tab.
        if (ribbon_.AskedFor() && !definition.UseForRibbon)
            return;
        auto bar = FindHostCommandBar(bars, definition.CommandBarName);
        const bool added = !bar;
        if (added)
            bar = bars->Add(word::ToWord(definition.CommandBarName), definition.Position, definition.Temporary);
        definition.Connected = bar;
        // A bar added just now has nothing of the author's to keep.
        if (added || definition.Temporary ||
            Differs(records_.CommandBarRevision(definition.CommandBarName), definition.PropertyChanged)) {
            ApplyToolbar(bar, definition);
            if (!definition.Temporary)
                records_.RecordCommandBar(definition.CommandBarName, std::uint32_t(definition.PropertyChanged));
        }
        if (ribbon_.AskedFor() && definition.UseForRibbon && bar->Enabled())
            bar->SetVisible(definition.Visible);
        CreateControls(bar, bar->Controls(), definition.Controls, added);
    });
}

void THostToolbarBuilder::ApplyToolbar(const word::CommandBarPtr& bar, const THostCommandBar& definition)
{
    bar->SetEnabled(definition.Enabled);
    if (definition.Enabled)
        bar->SetVisible(definition.Visible);
    bar->SetProtection(definition.Protection);
    bar->SetPosition(definition.Position);
    if (definition.Left != -1)
        bar->SetLeft(definition.Left);
    if (definition.Top != -1)
        bar->SetTop(definition.Top);
    if (definition.RowIndex != -1)
        bar->SetRowIndex(definition.RowIndex);
}

void THostToolbarBuilder::CreateControls(const word::CommandBarPtr& bar, const word::CommandBarControlsPtr& parent,
                                         Definitions& definitions, bool fresh)
{
    long position = 0;
    for (auto& owned : definitions) {
        THostCommandBarControl& definition = *owned;
        ++position;
        RunRouted(module_, [&] {
            Guard("CreateControl", [&] {
                const auto recorded = records_.ControlRevision(definition.OfficeTag);
                auto control = bar->FindControl(HostControlType(definition), word::ToWord(definition.OfficeTag), true);
                const bool added = !control;
                if (added) {
                    definition.Connected.reset();
                    // The toolbar was there and the control had been made at
                    // this revision: the author removed it.
                    if (!fresh && !definition.Temporary && !Differs(recorded, definition.PropertyChanged))
                        return;
                    if (!parent)
                        return;
                    const long count = parent->Count();
                    const long before = position <= count ? position : 0;
                    control = parent->Add(HostControlType(definition), definition.OfficeID,
                                          word::ToWord(definition.Parameter), before, definition.Temporary);
                }
                definition.Connected = control;
                ConnectClick(definition);
                if (added || definition.Temporary || Differs(recorded, definition.PropertyChanged)) {
                    ApplyControl(control, definition, position, parent ? parent->Count() : control->Index());
                    if (!definition.Temporary)
                        records_.RecordControl(definition.OfficeTag, std::uint32_t(definition.PropertyChanged));
                }
                if (definition.IsPopup())
                    CreateControls(bar, control->Controls(), static_cast<THostCommandBarPopup&>(definition).Controls,
                                   fresh || added);
            });
        });
    }
}

void THostToolbarBuilder::ApplyControl(const word::CommandBarControlPtr& control, THostCommandBarControl& definition,
                                       long position, long siblings)
{
    const long index = control->Index();
    if (index != position) {
        // Before names a place in the list with the control still in it;
        // past the last control there is only the end.
        long before = index < position ? position + 1 : position;
        if (before > siblings)
            before = 0;
        control->Move(before);
    }
    control->SetBeginGroup(definition.BeginGroup);
    SetText(definition, definition.Caption, &word::CommandBarControl::SetCaption, *control);
    SetText(definition, definition.DescriptionText, &word::CommandBarControl::SetDescriptionText, *control);
    control->SetEnabled(definition.Enabled);
    if (definition.Height != 0)
        control->SetHeight(definition.Height);
    control->SetHelpContextId(definition.HelpContextID);
    SetText(definition, definition.HelpFile, &word::CommandBarControl::SetHelpFile, *control);
    SetText(definition, definition.Parameter, &word::CommandBarControl::SetParameter, *control);
    control->SetPriority(definition.Priority);
    control->SetTag(word::ToWord(definition.OfficeTag));
    SetText(definition, definition.TooltipText, &word::CommandBarControl::SetTooltipText, *control);
    control->SetVisible(definition.Visible);
    if (definition.Width != 0)
        control->SetWidth(definition.Width);
    if (definition.IsPopup())
        return;
    auto& button = static_cast<THostCommandBarButton&>(definition);
    if (button.FaceID != 0)
        control->SetFaceId(button.FaceID);
    SetText(definition, button.ShortcutText, &word::CommandBarControl::SetShortcutText, *control);
    control->SetState(button.State);
    control->SetStyle(button.Style);
    if (button.Glyph)
        SetButtonGlyph(control, *button.Glyph, wordVersion_);
}

void THostToolbarBuilder::ConnectClick(THostCommandBarControl& definition)
{
    if (definition.IsPopup() || !definition.Connected)
        return;
    auto& button = static_cast<THostCommandBarButton&>(definition);
    THostAddInModule& module = module_;
    definition.Connected->SetOnClick([&module, &button] {
        RunRouted(module, [&] {
            if (button.OnClick)
                button.OnClick(button);
        });
    });
}

bool THostToolbarBuilder::Reconnect(const word::CommandBarsPtr& bars, THostCommandBar& definition)
{
    return Guard("ReconnectCommandBar", [&] {
        auto bar = FindHostCommandBar(bars, definition.CommandBarName);
        if (!bar)
            return false;
        definition.Connected = bar;
        ReconnectControls(bar, definition.Controls);
        return true;
    });
}

void THostToolbarBuilder::ReconnectControls(const word::CommandBarPtr& bar, Definitions& definitions)
{
    for (auto& definition : definitions) {
        definition->Connected =
            bar->FindControl(HostControlType(*definition), word::ToWord(definition->OfficeTag), true);
        ConnectClick(*definition);
        if (definition->IsPopup())
            ReconnectControls(bar, static_cast<THostCommandBarPopup&>(*definition).Controls);
    }
}

void THostToolbarBuilder::Disconnect()
{
    for (auto* definition : module_.CommandBars)
        ForEachControl(*definition, [](THostCommandBarControl& control) {
            if (control.Connected && !control.IsPopup()) {
                try {
                    control.Connected->SetOnClick(nullptr);
                } catch (const std::exception&) {
                    // A control Word has already let go of clicks no more.
                }
            }
            control.Connected.reset();
        });
}

} // namespace lorivex
