#include <gtest/gtest.h>

#include "platform/Clipboard.h"

namespace lorivex::platform {
namespace {

TEST(Clipboard, SettingReplacesEverythingThatWasThere)
{
    SetClipboardBlocks({{ClipboardRtfFormat, "{\\rtf1 x}"}, {ClipboardTextFormat, "x"}});
    EXPECT_TRUE(ClipboardHasFormat(ClipboardRtfFormat));
    EXPECT_EQ(GetClipboardText(), "x");

    SetClipboardText("Time of Error: now");
    EXPECT_FALSE(ClipboardHasFormat(ClipboardRtfFormat));
    EXPECT_TRUE(ClipboardHasText());
    EXPECT_EQ(GetClipboardText(), "Time of Error: now");
}

TEST(Clipboard, SavedBlocksComeBackAsTheyWere)
{
    SetClipboardBlocks({{ClipboardRtfFormat, "{\\rtf1 code}"}, {ClipboardTextFormat, "code"}});
    auto saved = GetClipboardBlocks();
    SetClipboardText("borrowed");
    SetClipboardBlocks(saved);
    EXPECT_EQ(GetClipboardText(), "code");
    bool rtfBack = false;
    for (const auto& block : GetClipboardBlocks())
        rtfBack |= block.Format == ClipboardRtfFormat && block.Data == "{\\rtf1 code}";
    EXPECT_TRUE(rtfBack);
}

TEST(Clipboard, UnicodeTextAloneCountsAsText)
{
    std::u16string wide = u"hi";
    SetClipboardBlocks({{ClipboardUnicodeTextFormat, std::string(reinterpret_cast<const char*>(wide.data()), 4)}});
    EXPECT_TRUE(ClipboardHasText());
    EXPECT_EQ(GetClipboardText(), "hi");
}

} // namespace
} // namespace lorivex::platform
