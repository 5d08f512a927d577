#include "host/HostShortcuts.h"

#include "host/HostErrorRouting.h"
#include "host/HostToolbarBuilder.h"
#include "platform/CaseFolding.h"
#include "platform/Guid.h"

namespace lorivex {

namespace {

// VK_SHIFT, VK_CONTROL, VK_MENU and VK_LSHIFT ... VK_RMENU.
constexpr unsigned VkShift = 0x10, VkMenu = 0x12, VkLShift = 0xA0, VkRMenu = 0xA5;
constexpr std::uint32_t PreviousStateBit = 1u << 30, TransitionBit = 1u << 31;

} // namespace

bool IsModifierKey(unsigned keyCode)
{
    return (keyCode >= VkShift && keyCode <= VkMenu) || (keyCode >= VkLShift && keyCode <= VkRMenu);
}

std::string HostShortcutText(bool ctrl, bool shift, bool alt, const std::string& keyName)
{
    std::string text;
    if (ctrl)
        text += "Ctrl+";
    if (shift)
        text += "Shift+";
    if (alt)
        text += "Alt+";
    return platform::AnsiUpperCase(text + keyName);
}

THostKeyEvent THostKeyEvent::FromKeyData(unsigned keyCode, std::uint32_t keyData, std::string keyName, bool ctrl,
                                         bool shift, bool alt)
{
    THostKeyEvent key;
    key.KeyCode = keyCode;
    key.KeyName = std::move(keyName);
    key.Ctrl = ctrl;
    key.Shift = shift;
    key.Alt = alt;
    key.WasDown = (keyData & PreviousStateBit) != 0;
    key.GoingUp = (keyData & TransitionBit) != 0;
    return key;
}

THostShortcutHandler::THostShortcutHandler(THostAddInModule& module) : module_(module)
{
    Deliver = [this](int index) { Run(index); };
}

void THostShortcutHandler::Activate()
{
    windowName_ = platform::NewGuidString();
    active_ = true;
}

void THostShortcutHandler::Deactivate()
{
    active_ = false;
    windowName_.clear();
    entries_.clear();
}

std::vector<THostShortcutHandler::Entry> THostShortcutHandler::Entries()
{
    std::vector<Entry> entries;
    for (auto* shortcut : module_.Shortcuts)
        if (shortcut->Enabled && SupportsWord(shortcut->SupportedApps))
            entries.push_back({shortcut, nullptr, platform::AnsiUpperCase(shortcut->ShortcutText)});
    for (auto* bar : module_.CommandBars) {
        if (!SupportsWord(bar->SupportedApps))
            continue;
        for (auto* control : bar->AllControls()) {
            if (control->IsPopup())
                continue;
            auto* button = static_cast<THostCommandBarButton*>(control);
            if (!button->ShortcutText.empty())
                entries.push_back({nullptr, button, platform::AnsiUpperCase(button->ShortcutText)});
        }
    }
    return entries;
}

std::vector<std::string> THostShortcutHandler::ShortcutTexts()
{
    std::vector<std::string> texts;
    for (const auto& entry : Entries())
        texts.push_back(entry.Text);
    return texts;
}

bool THostShortcutHandler::KeyEvent(const THostKeyEvent& key)
{
    if (!active_ || key.WasDown || key.GoingUp || IsModifierKey(key.KeyCode))
        return false;
    const std::string text = HostShortcutText(key.Ctrl, key.Shift, key.Alt, key.KeyName);
    // Rebuilt on every key: the module may enable, disable or add shortcuts
    // at any time.
    entries_ = Entries();
    for (size_t i = 0; i < entries_.size(); ++i)
        if (platform::AnsiSameText(entries_[i].Text, text)) {
            RunRouted(module_, [&] { Deliver(int(i)); });
            return true;
        }
    return false;
}

void THostShortcutHandler::Run(int index)
{
    if (index < 0 || size_t(index) >= entries_.size())
        return;
    const Entry entry = entries_[size_t(index)];
    if (entry.Shortcut) {
        if (entry.Shortcut->Enabled && entry.Shortcut->OnAction)
            RunRouted(module_, [&] { entry.Shortcut->OnAction(*entry.Shortcut); });
    } else if (entry.Button) {
        if (entry.Button->Enabled && entry.Button->Visible && entry.Button->OnClick)
            RunRouted(module_, [&] { entry.Button->OnClick(*entry.Button); });
    }
}

} // namespace lorivex
