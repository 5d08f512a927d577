#pragma once
// The record of every dialog shown without a screen, in order: modal forms
// with their result, message boxes with their text and the button pressed,
// file dialogs with the file chosen, popup menus with the item chosen. Tests
// read it; the command line prints each entry as it happens (OnEntry).
#include <functional>
#include <string>
#include <vector>

namespace lorivex::ui {

enum class DialogKind { Form, MessageBox, FileDialog, Popup };

struct DialogLogEntry {
    DialogKind Kind;
    std::string Name;    // form class, component name; empty for message boxes
    std::string Caption; // form caption, box caption, dialog title
    std::string Text;    // a message box's text
    std::string Answer;  // "OK", "Cancel", a file path, a menu item's caption ...
};

class DialogLog {
public:
    static const std::vector<DialogLogEntry>& Entries();
    static void Add(DialogLogEntry entry);
    static void Clear();
    // One line for a person to read, e.g. "Message box 'Lorivex': Text -> OK".
    static std::string Describe(const DialogLogEntry& entry);
    // Told of every entry as it is added.
    static std::function<void(const DialogLogEntry&)> OnEntry;
};

// "OK", "Cancel", "Yes" ... or the number for other results.
std::string ModalResultName(int result);

} // namespace lorivex::ui
