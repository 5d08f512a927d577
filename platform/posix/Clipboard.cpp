#include "platform/Clipboard.h"

#include <algorithm>
#include <mutex>

#include "platform/CodePages.h"

namespace lorivex::platform {

namespace {

// One store for the process; workers may read it while the user-interface
// thread writes, hence the lock.
struct Store {
    std::mutex Lock;
    std::vector<ClipboardBlock> Blocks;
};

Store& TheStore()
{
    static Store store;
    return store;
}

const ClipboardBlock* Find(const std::vector<ClipboardBlock>& blocks, const std::string& format)
{
    auto at = std::find_if(blocks.begin(), blocks.end(), [&](const auto& b) { return b.Format == format; });
    return at == blocks.end() ? nullptr : &*at;
}

} // namespace

bool ClipboardHasText()
{
    return ClipboardHasFormat(ClipboardTextFormat) || ClipboardHasFormat(ClipboardUnicodeTextFormat);
}

std::string GetClipboardText()
{
    auto& store = TheStore();
    std::lock_guard lock(store.Lock);
    if (auto* text = Find(store.Blocks, ClipboardTextFormat))
        return text->Data;
    if (auto* wide = Find(store.Blocks, ClipboardUnicodeTextFormat))
        return Utf16ToAnsi(std::u16string(reinterpret_cast<const char16_t*>(wide->Data.data()),
                                          wide->Data.size() / 2));
    return {};
}

void SetClipboardText(const std::string& text)
{
    SetClipboardBlocks({{ClipboardTextFormat, text}});
}

std::u16string GetClipboardUnicodeText()
{
    auto& store = TheStore();
    std::lock_guard lock(store.Lock);
    if (auto* wide = Find(store.Blocks, ClipboardUnicodeTextFormat))
        return std::u16string(reinterpret_cast<const char16_t*>(wide->Data.data()), wide->Data.size() / 2);
    if (auto* text = Find(store.Blocks, ClipboardTextFormat))
        return AnsiToUtf16(text->Data);
    return {};
}

void SetClipboardUnicodeText(const std::u16string& text)
{
    std::string bytes(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t));
    SetClipboardBlocks({{ClipboardUnicodeTextFormat, bytes}, {ClipboardTextFormat, Utf16ToAnsi(text)}});
}

bool ClipboardHasFormat(const std::string& format)
{
    auto& store = TheStore();
    std::lock_guard lock(store.Lock);
    return Find(store.Blocks, format) != nullptr;
}

std::vector<ClipboardBlock> GetClipboardBlocks()
{
    auto& store = TheStore();
    std::lock_guard lock(store.Lock);
    return store.Blocks;
}

void SetClipboardBlocks(const std::vector<ClipboardBlock>& blocks)
{
    auto& store = TheStore();
    std::lock_guard lock(store.Lock);
    store.Blocks.clear();
    for (const auto& block : blocks) {
        // A later block of the same format wins, as a second SetClipboardData would.
        auto at = std::find_if(store.Blocks.begin(), store.Blocks.end(),
                               [&](const auto& b) { return b.Format == block.Format; });
        if (at != store.Blocks.end())
            at->Data = block.Data;
        else
            store.Blocks.push_back(block);
    }
}

} // namespace lorivex::platform
