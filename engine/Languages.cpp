// The language tags authors' documents carry and Word's ids for them.
#include "engine/Formats.h"
#include "engine/Utf.h"

namespace lorivex::engine {

namespace {

struct Language {
    const char16_t* Tag;
    long Id;
};

const Language Languages[] = {
    {u"ar-SA", 0x401}, {u"bg-BG", 0x402}, {u"ca-ES", 0x403}, {u"zh-TW", 0x404}, {u"cs-CZ", 0x405},
    {u"da-DK", 0x406}, {u"de-DE", 0x407}, {u"el-GR", 0x408}, {u"en-US", 0x409}, {u"fi-FI", 0x40B},
    {u"fr-FR", 0x40C}, {u"he-IL", 0x40D}, {u"hu-HU", 0x40E}, {u"is-IS", 0x40F}, {u"it-IT", 0x410},
    {u"ja-JP", 0x411}, {u"ko-KR", 0x412}, {u"nl-NL", 0x413}, {u"nb-NO", 0x414}, {u"pl-PL", 0x415},
    {u"pt-BR", 0x416}, {u"ro-RO", 0x418}, {u"ru-RU", 0x419}, {u"hr-HR", 0x41A}, {u"sk-SK", 0x41B},
    {u"sv-SE", 0x41D}, {u"th-TH", 0x41E}, {u"tr-TR", 0x41F}, {u"uk-UA", 0x422}, {u"sl-SI", 0x424},
    {u"et-EE", 0x425}, {u"lv-LV", 0x426}, {u"lt-LT", 0x427}, {u"vi-VN", 0x42A}, {u"zh-CN", 0x804},
    {u"de-CH", 0x807}, {u"en-GB", 0x809}, {u"es-MX", 0x80A}, {u"fr-BE", 0x80C}, {u"nl-BE", 0x813},
    {u"pt-PT", 0x816}, {u"de-AT", 0xC07}, {u"en-AU", 0xC09}, {u"es-ES", 0xC0A}, {u"fr-CA", 0xC0C},
    {u"en-CA", 0x1009}, {u"fr-CH", 0x100C}, {u"en-NZ", 0x1409}, {u"en-IE", 0x1809}, {u"x-none", 0x0},
};

} // namespace

long LanguageIdFromTag(std::u16string_view tag)
{
    for (const auto& language : Languages)
        if (SameTextW(language.Tag, tag))
            return language.Id;
    return 0;
}

std::u16string LanguageTagFromId(long id)
{
    for (const auto& language : Languages)
        if (language.Id == id)
            return language.Tag;
    return {};
}

} // namespace lorivex::engine
