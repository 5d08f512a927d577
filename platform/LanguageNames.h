#pragma once
// Windows language ids with the English names Windows gives them, and the
// ANSI code page Windows uses for each language. Shared by both platforms:
// POSIX has no language ids of its own, so the table is how a locale name
// becomes an id, a name and a code page there.
#include <string>
#include <string_view>

namespace lorivex::platform {

struct WindowsLanguage {
    unsigned LangId;
    // The POSIX locale name that stands for the language, "de_AT" or
    // "sr_RS@latin"; null when POSIX has no locale for it.
    const char* PosixName;
    const char* EnglishName; // UTF-8
    // 0 for the languages Windows writes in Unicode only.
    unsigned AnsiCodePage;
};

// Null when the table does not know the id.
const WindowsLanguage* FindLanguage(unsigned langId);

// The parts of a POSIX locale name: language[_territory][.codeset][@modifier].
struct LocaleNameParts {
    std::string Language;  // lower case
    std::string Territory; // upper case
    std::string Codeset;   // as written
    std::string Modifier;  // lower case
};
LocaleNameParts SplitLocaleName(std::string_view localeName);

// True for the names that select the C library's built-in locale.
bool IsCLocaleName(std::string_view localeName);

// The language a POSIX locale name stands for: the entry of its language and
// territory, else the first entry of its language. Null for the C locale and
// for languages the table does not know.
const WindowsLanguage* FindLanguageForLocale(std::string_view localeName);

} // namespace lorivex::platform
