#include "ui/headless/DialogLog.h"

namespace lorivex::ui {

namespace {

std::vector<DialogLogEntry>& Log()
{
    static std::vector<DialogLogEntry> log;
    return log;
}

} // namespace

std::function<void(const DialogLogEntry&)> DialogLog::OnEntry;

const std::vector<DialogLogEntry>& DialogLog::Entries()
{
    return Log();
}

void DialogLog::Add(DialogLogEntry entry)
{
    Log().push_back(std::move(entry));
    if (OnEntry)
        OnEntry(Log().back());
}

void DialogLog::Clear()
{
    Log().clear();
}

std::string DialogLog::Describe(const DialogLogEntry& entry)
{
    switch (entry.Kind) {
    case DialogKind::Form:
        return "Dialog '" + entry.Caption + "' (" + entry.Name + ") -> " + entry.Answer;
    case DialogKind::MessageBox:
        return "Message box '" + entry.Caption + "': " + entry.Text + " -> " + entry.Answer;
    case DialogKind::FileDialog:
        return "File dialog '" + entry.Caption + "' (" + entry.Name + ") -> " + entry.Answer;
    case DialogKind::Popup:
        return "Menu " + entry.Name + " -> " + entry.Answer;
    }
    return {};
}

std::string ModalResultName(int result)
{
    static const char* const names[] = {"None", "OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No"};
    return result >= 0 && result < 8 ? names[result] : std::to_string(result);
}

} // namespace lorivex::ui
