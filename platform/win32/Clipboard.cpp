#include "platform/Clipboard.h"

#include <algorithm>
#include <cstring>

#include "platform/CodePages.h"
#include "platform/win32/Win32Api.h"

#include "base/Exception.h"

namespace lorivex::platform {

namespace {

// Holds the clipboard open for one scope.
class OpenedClipboard {
public:
    OpenedClipboard()
    {
        if (!OpenClipboard(nullptr))
            throw Exception("Cannot open clipboard");
    }
    ~OpenedClipboard() { CloseClipboard(); }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
};

UINT FormatId(const std::string& name)
{
    if (name == ClipboardTextFormat)
        return CF_TEXT;
    if (name == ClipboardUnicodeTextFormat)
        return CF_UNICODETEXT;
    if (name.size() > 1 && name[0] == '#')
        return UINT(std::stoul(name.substr(1)));
    return RegisterClipboardFormatA(name.c_str());
}

// Standard formats whose data is a memory block; the others are GDI
// handles or synthesized by the system from the text formats.
bool IsMemoryFormat(UINT id)
{
    switch (id) {
    case CF_BITMAP: case CF_METAFILEPICT: case CF_PALETTE: case CF_ENHMETAFILE:
    case CF_OEMTEXT: case CF_OWNERDISPLAY: case CF_DSPTEXT: case CF_DSPBITMAP:
    case CF_DSPMETAFILEPICT: case CF_DSPENHMETAFILE:
        return false;
    default:
        return true;
    }
}

std::string FormatName(UINT id)
{
    if (id == CF_TEXT)
        return ClipboardTextFormat;
    if (id == CF_UNICODETEXT)
        return ClipboardUnicodeTextFormat;
    char name[256];
    if (id >= 0xC000 && GetClipboardFormatNameA(id, name, sizeof name) > 0)
        return name;
    // Appended rather than concatenated: GCC 12 warns falsely about
    // operator+ on a temporary here (-Wrestrict).
    std::string numbered(1, '#');
    numbered += std::to_string(id);
    return numbered;
}

// Formats whose data ends with a zero that is not part of it.
bool IsZeroTerminated(UINT id)
{
    return id == CF_TEXT || id == CF_UNICODETEXT || id == RegisterClipboardFormatA(ClipboardRtfFormat);
}

// The block's bytes; text formats without their terminating zero.
bool ReadBlock(UINT id, std::string& data)
{
    HANDLE handle = GetClipboardData(id);
    if (!handle)
        return false;
    const char* bytes = static_cast<const char*>(GlobalLock(handle));
    if (!bytes)
        return false;
    size_t size = GlobalSize(handle);
    if (id == CF_UNICODETEXT)
        size = wcsnlen(reinterpret_cast<const wchar_t*>(bytes), size / 2) * 2;
    else if (IsZeroTerminated(id))
        size = strnlen(bytes, size);
    data.assign(bytes, size);
    GlobalUnlock(handle);
    return true;
}

void WriteBlock(const ClipboardBlock& block)
{
    UINT id = FormatId(block.Format);
    // Other formats' bytes are taken as they are, so that saved blocks come
    // back unchanged; text gets its terminating zero (two bytes for UTF-16).
    size_t zeros = id == CF_UNICODETEXT ? 2 : IsZeroTerminated(id) ? 1 : 0;
    // An empty block still needs memory of its own: 0 bytes give no block.
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, std::max<size_t>(block.Data.size() + zeros, 1));
    if (!memory)
        throw Exception("Not enough memory for the clipboard");
    char* bytes = static_cast<char*>(GlobalLock(memory));
    std::memcpy(bytes, block.Data.data(), block.Data.size());
    std::memset(bytes + block.Data.size(), 0, zeros);
    GlobalUnlock(memory);
    if (!SetClipboardData(id, memory)) {
        GlobalFree(memory);
        throw Exception("Cannot put the format " + block.Format + " on the clipboard");
    }
}

} // namespace

bool ClipboardHasText()
{
    return IsClipboardFormatAvailable(CF_TEXT) || IsClipboardFormatAvailable(CF_UNICODETEXT);
}

std::string GetClipboardText()
{
    OpenedClipboard open;
    std::string text;
    ReadBlock(CF_TEXT, text);
    return text;
}

void SetClipboardText(const std::string& text)
{
    SetClipboardBlocks({{ClipboardTextFormat, text}});
}

std::u16string GetClipboardUnicodeText()
{
    OpenedClipboard open;
    // Windows offers Unicode text for ANSI text too, converted.
    std::string bytes;
    ReadBlock(CF_UNICODETEXT, bytes);
    return std::u16string(reinterpret_cast<const char16_t*>(bytes.data()), bytes.size() / 2);
}

void SetClipboardUnicodeText(const std::u16string& text)
{
    std::string bytes(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t));
    SetClipboardBlocks({{ClipboardUnicodeTextFormat, bytes}, {ClipboardTextFormat, Utf16ToAnsi(text)}});
}

bool ClipboardHasFormat(const std::string& format)
{
    return IsClipboardFormatAvailable(FormatId(format)) != 0;
}

std::vector<ClipboardBlock> GetClipboardBlocks()
{
    OpenedClipboard open;
    std::vector<ClipboardBlock> blocks;
    for (UINT id = EnumClipboardFormats(0); id != 0; id = EnumClipboardFormats(id)) {
        ClipboardBlock block{FormatName(id), {}};
        if (IsMemoryFormat(id) && ReadBlock(id, block.Data))
            blocks.push_back(std::move(block));
    }
    return blocks;
}

void SetClipboardBlocks(const std::vector<ClipboardBlock>& blocks)
{
    OpenedClipboard open;
    EmptyClipboard();
    for (const auto& block : blocks)
        WriteBlock(block);
}

} // namespace lorivex::platform
