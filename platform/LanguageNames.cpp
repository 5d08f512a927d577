#include "platform/LanguageNames.h"

#include <algorithm>
#include <iterator>

namespace lorivex::platform {
namespace {

// The first entry of a language is the one a bare language name ("de", "pt")
// selects, so each language lists its main country first. The names are the
// ones Windows 7 shows; later versions renamed some, and help projects built
// on older systems carry these.
constexpr WindowsLanguage kLanguages[] = {
    {0x0409, "en_US", "English (United States)", 1252},
    {0x0809, "en_GB", "English (United Kingdom)", 1252},
    {0x0C09, "en_AU", "English (Australia)", 1252},
    {0x1009, "en_CA", "English (Canada)", 1252},
    {0x1409, "en_NZ", "English (New Zealand)", 1252},
    {0x1809, "en_IE", "English (Ireland)", 1252},
    {0x1C09, "en_ZA", "English (South Africa)", 1252},
    {0x2009, "en_JM", "English (Jamaica)", 1252},
    {0x2409, nullptr, "English (Caribbean)", 1252},
    {0x2809, "en_BZ", "English (Belize)", 1252},
    {0x2C09, "en_TT", "English (Trinidad and Tobago)", 1252},
    {0x3009, "en_ZW", "English (Zimbabwe)", 1252},
    {0x3409, "en_PH", "English (Republic of the Philippines)", 1252},
    {0x4009, "en_IN", "English (India)", 1252},
    {0x4409, "en_MY", "English (Malaysia)", 1252},
    {0x4809, "en_SG", "English (Singapore)", 1252},

    {0x0407, "de_DE", "German (Germany)", 1252},
    {0x0807, "de_CH", "German (Switzerland)", 1252},
    {0x0C07, "de_AT", "German (Austria)", 1252},
    {0x1007, "de_LU", "German (Luxembourg)", 1252},
    {0x1407, "de_LI", "German (Liechtenstein)", 1252},

    {0x040C, "fr_FR", "French (France)", 1252},
    {0x080C, "fr_BE", "French (Belgium)", 1252},
    {0x0C0C, "fr_CA", "French (Canada)", 1252},
    {0x100C, "fr_CH", "French (Switzerland)", 1252},
    {0x140C, "fr_LU", "French (Luxembourg)", 1252},
    {0x180C, "fr_MC", "French (Monaco)", 1252},

    {0x0C0A, "es_ES", "Spanish (Spain, International Sort)", 1252},
    {0x040A, nullptr, "Spanish (Spain, Traditional Sort)", 1252},
    {0x080A, "es_MX", "Spanish (Mexico)", 1252},
    {0x100A, "es_GT", "Spanish (Guatemala)", 1252},
    {0x140A, "es_CR", "Spanish (Costa Rica)", 1252},
    {0x180A, "es_PA", "Spanish (Panama)", 1252},
    {0x1C0A, "es_DO", "Spanish (Dominican Republic)", 1252},
    {0x200A, "es_VE", "Spanish (Venezuela)", 1252},
    {0x240A, "es_CO", "Spanish (Colombia)", 1252},
    {0x280A, "es_PE", "Spanish (Peru)", 1252},
    {0x2C0A, "es_AR", "Spanish (Argentina)", 1252},
    {0x300A, "es_EC", "Spanish (Ecuador)", 1252},
    {0x340A, "es_CL", "Spanish (Chile)", 1252},
    {0x380A, "es_UY", "Spanish (Uruguay)", 1252},
    {0x3C0A, "es_PY", "Spanish (Paraguay)", 1252},
    {0x400A, "es_BO", "Spanish (Bolivia)", 1252},
    {0x440A, "es_SV", "Spanish (El Salvador)", 1252},
    {0x480A, "es_HN", "Spanish (Honduras)", 1252},
    {0x4C0A, "es_NI", "Spanish (Nicaragua)", 1252},
    {0x500A, "es_PR", "Spanish (Puerto Rico)", 1252},
    {0x540A, "es_US", "Spanish (United States)", 1252},

    {0x0410, "it_IT", "Italian (Italy)", 1252},
    {0x0810, "it_CH", "Italian (Switzerland)", 1252},
    {0x0413, "nl_NL", "Dutch (Netherlands)", 1252},
    {0x0813, "nl_BE", "Dutch (Belgium)", 1252},
    {0x0416, "pt_BR", "Portuguese (Brazil)", 1252},
    {0x0816, "pt_PT", "Portuguese (Portugal)", 1252},
    {0x041D, "sv_SE", "Swedish (Sweden)", 1252},
    {0x081D, "sv_FI", "Swedish (Finland)", 1252},
    {0x0406, "da_DK", "Danish (Denmark)", 1252},
    {0x0414, "nb_NO", "Norwegian, Bokm\xC3\xA5l (Norway)", 1252},
    {0x0814, "nn_NO", "Norwegian, Nynorsk (Norway)", 1252},
    {0x040B, "fi_FI", "Finnish (Finland)", 1252},
    {0x040F, "is_IS", "Icelandic (Iceland)", 1252},
    {0x0438, "fo_FO", "Faroese (Faroe Islands)", 1252},
    {0x083C, "ga_IE", "Irish (Ireland)", 1252},
    {0x0452, "cy_GB", "Welsh (United Kingdom)", 1252},
    {0x042D, "eu_ES", "Basque (Basque)", 1252},
    {0x0403, "ca_ES", "Catalan (Catalan)", 1252},
    {0x0456, "gl_ES", "Galician (Galician)", 1252},
    {0x046E, "lb_LU", "Luxembourgish (Luxembourg)", 1252},
    {0x0462, "fy_NL", "Frisian (Netherlands)", 1252},
    {0x047E, "br_FR", "Breton (France)", 1252},
    {0x0482, "oc_FR", "Occitan (France)", 1252},
    {0x0417, "rm_CH", "Romansh (Switzerland)", 1252},
    {0x046F, "kl_GL", "Greenlandic (Greenland)", 1252},
    {0x043B, "se_NO", "Sami, Northern (Norway)", 1252},
    {0x042E, "hsb_DE", "Upper Sorbian (Germany)", 1252},
    {0x0436, "af_ZA", "Afrikaans (South Africa)", 1252},
    {0x0421, "id_ID", "Indonesian (Indonesia)", 1252},
    {0x043E, "ms_MY", "Malay (Malaysia)", 1252},
    {0x083E, "ms_BN", "Malay (Brunei Darussalam)", 1252},
    {0x0464, "fil_PH", "Filipino (Philippines)", 1252},
    {0x0441, "sw_KE", "Kiswahili (Kenya)", 1252},
    {0x0435, "zu_ZA", "isiZulu (South Africa)", 1252},
    {0x0434, "xh_ZA", "isiXhosa (South Africa)", 1252},
    {0x0432, "tn_ZA", "Setswana (South Africa)", 1252},
    {0x046C, "nso_ZA", "Sesotho sa Leboa (South Africa)", 1252},
    {0x0487, "rw_RW", "Kinyarwanda (Rwanda)", 1252},
    {0x0488, "wo_SN", "Wolof (Senegal)", 1252},
    {0x046A, "yo_NG", "Yoruba (Nigeria)", 1252},
    {0x0470, "ig_NG", "Igbo (Nigeria)", 1252},
    {0x0468, "ha_NG", "Hausa (Latin, Nigeria)", 1252},
    {0x046B, "quz_BO", "Quechua (Bolivia)", 1252},

    {0x0415, "pl_PL", "Polish (Poland)", 1250},
    {0x0405, "cs_CZ", "Czech (Czech Republic)", 1250},
    {0x041B, "sk_SK", "Slovak (Slovakia)", 1250},
    {0x040E, "hu_HU", "Hungarian (Hungary)", 1250},
    {0x0418, "ro_RO", "Romanian (Romania)", 1250},
    {0x041A, "hr_HR", "Croatian (Croatia)", 1250},
    {0x101A, nullptr, "Croatian (Latin, Bosnia and Herzegovina)", 1250},
    {0x0424, "sl_SI", "Slovenian (Slovenia)", 1250},
    {0x041C, "sq_AL", "Albanian (Albania)", 1250},
    {0x141A, "bs_BA", "Bosnian (Latin, Bosnia and Herzegovina)", 1250},
    {0x201A, nullptr, "Bosnian (Cyrillic, Bosnia and Herzegovina)", 1251},
    {0x0442, "tk_TM", "Turkmen (Turkmenistan)", 1250},

    // A POSIX Serbian locale without a modifier is written in Cyrillic.
    {0x281A, "sr_RS", "Serbian (Cyrillic, Serbia)", 1251},
    {0x241A, "sr_RS@latin", "Serbian (Latin, Serbia)", 1250},
    {0x301A, "sr_ME", "Serbian (Cyrillic, Montenegro)", 1251},
    {0x2C1A, "sr_ME@latin", "Serbian (Latin, Montenegro)", 1250},
    {0x1C1A, nullptr, "Serbian (Cyrillic, Bosnia and Herzegovina)", 1251},
    {0x181A, nullptr, "Serbian (Latin, Bosnia and Herzegovina)", 1250},
    {0x0C1A, nullptr, "Serbian (Cyrillic, Serbia and Montenegro (Former))", 1251},
    {0x081A, nullptr, "Serbian (Latin, Serbia and Montenegro (Former))", 1250},

    {0x0419, "ru_RU", "Russian (Russia)", 1251},
    {0x0422, "uk_UA", "Ukrainian (Ukraine)", 1251},
    {0x0423, "be_BY", "Belarusian (Belarus)", 1251},
    {0x0402, "bg_BG", "Bulgarian (Bulgaria)", 1251},
    {0x042F, "mk_MK", "Macedonian (Former Yugoslav Republic of Macedonia)", 1251},
    {0x043F, "kk_KZ", "Kazakh (Kazakhstan)", 1251},
    {0x0440, "ky_KG", "Kyrgyz (Kyrgyzstan)", 1251},
    {0x0444, "tt_RU", "Tatar (Russia)", 1251},
    {0x046D, "ba_RU", "Bashkir (Russia)", 1251},
    {0x0485, "sah_RU", "Yakut (Russia)", 1251},
    {0x0450, "mn_MN", "Mongolian (Cyrillic, Mongolia)", 1251},
    {0x0428, "tg_TJ", "Tajik (Cyrillic, Tajikistan)", 1251},
    {0x0443, "uz_UZ", "Uzbek (Latin, Uzbekistan)", 1254},
    {0x0843, "uz_UZ@cyrillic", "Uzbek (Cyrillic, Uzbekistan)", 1251},
    {0x042C, "az_AZ", "Azeri (Latin, Azerbaijan)", 1254},
    {0x082C, nullptr, "Azeri (Cyrillic, Azerbaijan)", 1251},

    {0x0408, "el_GR", "Greek (Greece)", 1253},
    {0x041F, "tr_TR", "Turkish (Turkey)", 1254},
    {0x040D, "he_IL", "Hebrew (Israel)", 1255},

    {0x0401, "ar_SA", "Arabic (Saudi Arabia)", 1256},
    {0x0801, "ar_IQ", "Arabic (Iraq)", 1256},
    {0x0C01, "ar_EG", "Arabic (Egypt)", 1256},
    {0x1001, "ar_LY", "Arabic (Libya)", 1256},
    {0x1401, "ar_DZ", "Arabic (Algeria)", 1256},
    {0x1801, "ar_MA", "Arabic (Morocco)", 1256},
    {0x1C01, "ar_TN", "Arabic (Tunisia)", 1256},
    {0x2001, "ar_OM", "Arabic (Oman)", 1256},
    {0x2401, "ar_YE", "Arabic (Yemen)", 1256},
    {0x2801, "ar_SY", "Arabic (Syria)", 1256},
    {0x2C01, "ar_JO", "Arabic (Jordan)", 1256},
    {0x3001, "ar_LB", "Arabic (Lebanon)", 1256},
    {0x3401, "ar_KW", "Arabic (Kuwait)", 1256},
    {0x3801, "ar_AE", "Arabic (U.A.E.)", 1256},
    {0x3C01, "ar_BH", "Arabic (Bahrain)", 1256},
    {0x4001, "ar_QA", "Arabic (Qatar)", 1256},
    {0x0429, "fa_IR", "Persian", 1256},
    {0x0420, "ur_PK", "Urdu (Islamic Republic of Pakistan)", 1256},
    {0x0480, "ug_CN", "Uyghur (PRC)", 1256},

    {0x0425, "et_EE", "Estonian (Estonia)", 1257},
    {0x0426, "lv_LV", "Latvian (Latvia)", 1257},
    {0x0427, "lt_LT", "Lithuanian (Lithuania)", 1257},
    {0x042A, "vi_VN", "Vietnamese (Vietnam)", 1258},
    {0x041E, "th_TH", "Thai (Thailand)", 874},

    {0x0411, "ja_JP", "Japanese (Japan)", 932},
    {0x0804, "zh_CN", "Chinese (Simplified, PRC)", 936},
    {0x1004, "zh_SG", "Chinese (Simplified, Singapore)", 936},
    {0x0404, "zh_TW", "Chinese (Traditional, Taiwan)", 950},
    {0x0C04, "zh_HK", "Chinese (Traditional, Hong Kong S.A.R.)", 950},
    {0x1404, "zh_MO", "Chinese (Traditional, Macao S.A.R.)", 950},
    {0x0412, "ko_KR", "Korean (Korea)", 949},

    {0x0439, "hi_IN", "Hindi (India)", 0},
    {0x0445, "bn_IN", "Bengali (India)", 0},
    {0x0845, "bn_BD", "Bengali (Bangladesh)", 0},
    {0x0446, "pa_IN", "Punjabi (India)", 0},
    {0x0447, "gu_IN", "Gujarati (India)", 0},
    {0x0448, "or_IN", "Oriya (India)", 0},
    {0x0449, "ta_IN", "Tamil (India)", 0},
    {0x044A, "te_IN", "Telugu (India)", 0},
    {0x044B, "kn_IN", "Kannada (India)", 0},
    {0x044C, "ml_IN", "Malayalam (India)", 0},
    {0x044D, "as_IN", "Assamese (India)", 0},
    {0x044E, "mr_IN", "Marathi (India)", 0},
    {0x044F, "sa_IN", "Sanskrit (India)", 0},
    {0x0457, "kok_IN", "Konkani (India)", 0},
    {0x0461, "ne_NP", "Nepali (Nepal)", 0},
    {0x045B, "si_LK", "Sinhala (Sri Lanka)", 0},
    {0x0453, "km_KH", "Khmer (Cambodia)", 0},
    {0x0454, "lo_LA", "Lao (Lao P.D.R.)", 0},
    {0x0451, "bo_CN", "Tibetan (PRC)", 0},
    {0x0437, "ka_GE", "Georgian (Georgia)", 0},
    {0x042B, "hy_AM", "Armenian (Armenia)", 0},
    {0x045E, "am_ET", "Amharic (Ethiopia)", 0},
    {0x0463, "ps_AF", "Pashto (Afghanistan)", 0},
    {0x0465, "dv_MV", "Divehi (Maldives)", 0},
    {0x043A, "mt_MT", "Maltese (Malta)", 0},
    {0x0481, "mi_NZ", "Maori (New Zealand)", 0},
};

// Old or alternative language codes that POSIX systems still accept.
struct LanguageAlias {
    std::string_view From;
    std::string_view To;
};
constexpr LanguageAlias kAliases[] = {
    {"no", "nb"}, {"iw", "he"}, {"in", "id"}, {"tl", "fil"},
};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
char Upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

std::string Lowered(std::string_view s)
{
    std::string r(s);
    std::transform(r.begin(), r.end(), r.begin(), Lower);
    return r;
}

// Only the script modifiers choose between languages; the others ("euro")
// speak of the charset or the collation.
std::string ScriptOf(const LocaleNameParts& parts)
{
    return parts.Modifier == "latin" || parts.Modifier == "cyrillic" ? parts.Modifier
                                                                     : std::string();
}

} // namespace

const WindowsLanguage* FindLanguage(unsigned langId)
{
    auto it = std::find_if(std::begin(kLanguages), std::end(kLanguages),
                           [&](const WindowsLanguage& l) { return l.LangId == langId; });
    return it == std::end(kLanguages) ? nullptr : &*it;
}

LocaleNameParts SplitLocaleName(std::string_view name)
{
    LocaleNameParts parts;
    if (auto at = name.find('@'); at != std::string_view::npos) {
        parts.Modifier = Lowered(name.substr(at + 1));
        name = name.substr(0, at);
    }
    if (auto dot = name.find('.'); dot != std::string_view::npos) {
        parts.Codeset = std::string(name.substr(dot + 1));
        name = name.substr(0, dot);
    }
    if (auto bar = name.find('_'); bar != std::string_view::npos) {
        parts.Territory = std::string(name.substr(bar + 1));
        std::transform(parts.Territory.begin(), parts.Territory.end(), parts.Territory.begin(),
                       Upper);
        name = name.substr(0, bar);
    }
    parts.Language = Lowered(name);
    return parts;
}

bool IsCLocaleName(std::string_view localeName)
{
    auto parts = SplitLocaleName(localeName);
    return parts.Territory.empty()
           && (parts.Language.empty() || parts.Language == "c" || parts.Language == "posix");
}

const WindowsLanguage* FindLanguageForLocale(std::string_view localeName)
{
    if (IsCLocaleName(localeName))
        return nullptr;
    auto wanted = SplitLocaleName(localeName);
    for (const auto& alias : kAliases)
        if (wanted.Language == alias.From)
            wanted.Language = std::string(alias.To);
    const std::string script = ScriptOf(wanted);

    const WindowsLanguage* sameLanguage = nullptr;
    const WindowsLanguage* sameScript = nullptr;
    for (const auto& language : kLanguages) {
        if (!language.PosixName)
            continue;
        auto entry = SplitLocaleName(language.PosixName);
        if (entry.Language != wanted.Language)
            continue;
        const bool scriptMatches = ScriptOf(entry) == script;
        if (scriptMatches && entry.Territory == wanted.Territory)
            return &language;
        if (!sameLanguage)
            sameLanguage = &language;
        if (scriptMatches && !sameScript)
            sameScript = &language;
    }
    return sameScript ? sameScript : sameLanguage;
}

} // namespace lorivex::platform
