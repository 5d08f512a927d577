// Selection.Paste: the clipboard's content as Word puts it into a document,
// "Rich Text Format" as formatted text when it is there, plain text else.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "engine/rtf/RtfReader.h"
#include "engine/word/Internal.h"
#include "platform/Clipboard.h"
#include "platform/CodePages.h"

namespace lorivex::engine::wordimpl {

namespace {

inline constexpr char EmptyClipboard[] = "This method or property is not available because the Clipboard is empty or not valid.";

const platform::ClipboardBlock* Find(const std::vector<platform::ClipboardBlock>& blocks, const char* format)
{
    auto at = std::find_if(blocks.begin(), blocks.end(), [&](const auto& b) { return b.Format == format; });
    return at == blocks.end() ? nullptr : &*at;
}

// Word prefers the Unicode text, which holds every character; the ANSI
// text is what a program offers that knows no other.
std::optional<std::u16string> ClipboardText(const std::vector<platform::ClipboardBlock>& blocks)
{
    if (auto* wide = Find(blocks, platform::ClipboardUnicodeTextFormat)) {
        std::u16string text(wide->Data.size() / 2, u'\0');
        std::copy_n(wide->Data.data(), text.size() * 2, reinterpret_cast<char*>(text.data()));
        return text;
    }
    if (auto* ansi = Find(blocks, platform::ClipboardTextFormat))
        return platform::AnsiToUtf16(ansi->Data);
    return std::nullopt;
}

Fragment ClipboardFragment(DocumentModel& model, const Story& story, long position)
{
    // Taken at once, so that a change of the clipboard in between cannot
    // pair one owner's formats with another's text.
    auto blocks = platform::GetClipboardBlocks();
    if (auto* rtf = Find(blocks, platform::ClipboardRtfFormat))
        return rtf::ReadRtf(rtf->Data, model);
    if (auto text = ClipboardText(blocks))
        return model.TextFragment(story, position, *text);
    Raise(EmptyClipboard);
}

} // namespace

Span PasteClipboard(const StoryRef& story, long start, long end)
{
    DocumentModel& model = *story.Model;
    Story& text = story.Get();
    Fragment fragment = ClipboardFragment(model, text, start);
    Span placed = model.Replace(text, start, end, fragment);
    // The insertion point follows the pasted text, but never comes after
    // the story's final paragraph mark.
    long after = model.InsertionPoint(text, placed.End);
    return {after, after};
}

} // namespace lorivex::engine::wordimpl
