#pragma once
// The clipboard: blocks of bytes under format names. "Text" is ANSI text
// (CF_TEXT), "UnicodeText" UTF-16 text (CF_UNICODETEXT), "Rich Text Format"
// RTF; any other name is a format registered under that name. Every setter
// replaces all that was on the clipboard, as taking ownership does on
// Windows. A clipboard that cannot be opened raises an Exception.
//
// POSIX has no clipboard behind the add-in: a process-wide store stands in
// for it, which the command line fills from files or standard input.
#include <string>
#include <vector>

namespace lorivex::platform {

inline constexpr char ClipboardTextFormat[] = "Text";
inline constexpr char ClipboardUnicodeTextFormat[] = "UnicodeText";
inline constexpr char ClipboardRtfFormat[] = "Rich Text Format";
// A picture as a device-independent bitmap (CF_DIB, a memory block, from
// which Windows makes CF_BITMAP for whoever asks for that): EncodeDib's bytes.
inline constexpr char ClipboardDibFormat[] = "#8";

struct ClipboardBlock {
    std::string Format;
    std::string Data; // text without its terminating zero
};

// Text in either form counts, as Windows offers CF_TEXT for Unicode text.
bool ClipboardHasText();
// The clipboard's text in the ANSI code page; empty when there is none.
std::string GetClipboardText();
void SetClipboardText(const std::string& text);
// The clipboard's text as UTF-16, with every character a program offered in
// Unicode; ANSI text is converted. Empty when there is none.
std::u16string GetClipboardUnicodeText();
// Offers the text both as Unicode and as ANSI text, as Windows does.
void SetClipboardUnicodeText(const std::u16string& text);

bool ClipboardHasFormat(const std::string& format);
// Every block whose data can be read, so that what was on the clipboard
// can be put back with SetClipboardBlocks after the system borrowed it.
std::vector<ClipboardBlock> GetClipboardBlocks();
void SetClipboardBlocks(const std::vector<ClipboardBlock>& blocks);

} // namespace lorivex::platform
