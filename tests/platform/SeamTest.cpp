// The platform seam as the layers above it rely on it, checked on whichever
// platform the tests are built for: on Linux against the POSIX side, under
// Wine (or Windows) against the win32 side.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <string>

#include "Failure.h"
#include "platform/CodePages.h"
#include "platform/FileSystem.h"
#include "platform/Guid.h"
#include "platform/HelpCompiler.h"
#include "platform/Library.h"
#include "platform/Locale.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/SpecialFolders.h"
#include "platform/Versions.h"
#include "base/Exception.h"

#ifdef _WIN32
#include "platform/win32/LocalePictures.h"
#include "platform/win32/Win32Api.h"
#include <knownfolders.h>
#endif

namespace lorivex::platform {
namespace {
using lorivex::test::ThrowsMessage;

using testing::HasSubstr;

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// ---------------------------------------------------------------- GUIDs

TEST(SeamGuid, IsInRegistryFormWithUpperCaseDigits)
{
    static const std::regex form(
        R"(\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\})");
    std::string guid = NewGuidString();
    EXPECT_TRUE(std::regex_match(guid, form)) << guid;
}

TEST(SeamGuid, EveryCallGivesANewOne)
{
    std::set<std::string> seen;
    for (int i = 0; i < 2000; ++i)
        seen.insert(NewGuidString());
    EXPECT_EQ(seen.size(), 2000u);
}

// ---------------------------------------------------------------- registry

class SeamRegistry : public testing::Test {
protected:
    static constexpr RootKey Root = RootKey::CurrentUser;
    const std::string Parent = "Software\\LorivexTest";
    const std::string Key = Parent + "\\Seam";
    Registry& registry = GetRegistry();

    void SetUp() override { registry.DeleteKey(Root, Key); }
    void TearDown() override
    {
        registry.DeleteKey(Root, Key);
        if (registry.GetKeyNames(Root, Parent).empty() && registry.GetValueNames(Root, Parent).empty())
            registry.DeleteKey(Root, Parent);
    }
};

TEST_F(SeamRegistry, StringsAndDWordsComeBackAsWritten)
{
    registry.WriteString(Root, Key, "Text", "Hello, world");
    registry.WriteString(Root, Key, "Empty", "");
    registry.WriteString(Root, Key, "", "the default value");
    registry.WriteDWord(Root, Key, "Largest", 0xFFFFFFFFu);
    registry.WriteDWord(Root, Key, "Zero", 0);

    EXPECT_EQ(registry.ReadString(Root, Key, "Text"), "Hello, world");
    EXPECT_EQ(registry.ReadString(Root, Key, "Empty"), "");
    EXPECT_EQ(registry.ReadString(Root, Key, ""), "the default value");
    EXPECT_EQ(registry.ReadDWord(Root, Key, "Largest"), 0xFFFFFFFFu);
    EXPECT_EQ(registry.ReadDWord(Root, Key, "Zero"), 0u);

    EXPECT_EQ(registry.GetValueKind(Root, Key, "Empty"), ValueKind::String);
    EXPECT_EQ(registry.GetValueKind(Root, Key, "Zero"), ValueKind::DWord);
    EXPECT_EQ(registry.GetValueKind(Root, Key, "Absent"), ValueKind::None);
    EXPECT_EQ(registry.GetValueKind(Root, Key + "\\Absent", "Text"), ValueKind::None);

    registry.WriteString(Root, Key, "Text", "replaced");
    EXPECT_EQ(registry.ReadString(Root, Key, "Text"), "replaced");
}

TEST_F(SeamRegistry, AnsiTextKeepsItsAccents)
{
    std::string text = Utf16ToAnsi(u"Caf\u00e9 \u00dcbersicht \u00bd");
    if (!AnsiCanHold(u"Caf\u00e9 \u00dcbersicht \u00bd"))
        GTEST_SKIP() << "the ANSI code page has no accented Latin letters";
    registry.WriteString(Root, Key, "Accents", text);
    EXPECT_EQ(registry.ReadString(Root, Key, "Accents"), text);
#ifdef _WIN32
    // Other programs (Word, the help compiler) read the value as UTF-16.
    wchar_t stored[64] = {};
    DWORD size = sizeof stored;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\LorivexTest\\Seam", L"Accents",
                           RRF_RT_REG_SZ, nullptr, stored, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(stored), L"Caf\u00e9 \u00dcbersicht \u00bd");
#endif
}

TEST_F(SeamRegistry, KeyAndValueNamesIgnoreCase)
{
    registry.WriteString(Root, Key + "\\Mixed", "ValueName", "first");
    EXPECT_TRUE(registry.KeyExists(Root, "SOFTWARE\\lorivextest\\SEAM\\mixed"));
    EXPECT_EQ(registry.ReadString(Root, "software\\LORIVEXTEST\\seam\\MIXED", "VALUENAME"), "first");

    registry.WriteString(Root, Key + "\\MIXED", "valuename", "second");
    EXPECT_EQ(registry.GetKeyNames(Root, Key).size(), 1u);
    EXPECT_EQ(registry.GetValueNames(Root, Key + "\\Mixed").size(), 1u);
    EXPECT_EQ(registry.ReadString(Root, Key + "\\Mixed", "ValueName"), "second");
}

TEST_F(SeamRegistry, ReadingAMissingValueOrAnotherKindRaises)
{
    registry.WriteString(Root, Key, "Text", "42");
    registry.WriteDWord(Root, Key, "Number", 42);

    EXPECT_THAT([&] { registry.ReadString(Root, Key, "NoSuchValue"); },
                ThrowsMessage<Exception>(testing::HasSubstr("NoSuchValue")));
    EXPECT_THROW(registry.ReadDWord(Root, Key, "NoSuchValue"), Exception);
    EXPECT_THROW(registry.ReadString(Root, Key + "\\NoSuchKey", "Text"), Exception);
    EXPECT_THROW(registry.ReadDWord(Root, Key, "Text"), Exception);
    EXPECT_THROW(registry.ReadString(Root, Key, "Number"), Exception);
}

TEST_F(SeamRegistry, KeysAreCreatedWithTheirParentsAndDeletedWithEverythingBelow)
{
    EXPECT_TRUE(registry.CreateKey(Root, Key + "\\Made\\Deeper"));
    registry.WriteDWord(Root, Key + "\\Written\\Deeper", "Number", 7);
    EXPECT_TRUE(registry.KeyExists(Root, Key + "\\Made\\Deeper"));
    EXPECT_TRUE(registry.KeyExists(Root, Key + "\\Written"));
    std::vector<std::string> names = registry.GetKeyNames(Root, Key);
    EXPECT_THAT(names, testing::UnorderedElementsAre("Made", "Written"));

    EXPECT_TRUE(registry.DeleteKey(Root, Key));
    EXPECT_FALSE(registry.KeyExists(Root, Key + "\\Written\\Deeper"));
    EXPECT_FALSE(registry.KeyExists(Root, Key));
    EXPECT_TRUE(registry.KeyExists(Root, Parent)); // only what was named goes
    EXPECT_FALSE(registry.DeleteKey(Root, Key));
    EXPECT_TRUE(registry.GetKeyNames(Root, Key).empty());
}

TEST_F(SeamRegistry, DeletingAValueLeavesTheOthers)
{
    registry.WriteString(Root, Key, "Gone", "x");
    registry.WriteString(Root, Key, "Kept", "y");
    EXPECT_TRUE(registry.DeleteValue(Root, Key, "GONE"));
    EXPECT_FALSE(registry.DeleteValue(Root, Key, "Gone"));
    EXPECT_FALSE(registry.DeleteValue(Root, Key + "\\NoSuchKey", "Gone"));
    EXPECT_THAT(registry.GetValueNames(Root, Key), testing::ElementsAre("Kept"));
}

// ---------------------------------------------------------------- code pages

TEST(SeamCodePages, WesternTextSurvivesTheAnsiCodePage)
{
    if (AnsiCodePage() != 1252)
        GTEST_SKIP() << "the ANSI code page is " << AnsiCodePage();
    const std::u16string text = u"Gr\u00fc\u00dfe, na\u00efve caf\u00e9 \u2013 50 \u20ac";
    std::string ansi = Utf16ToAnsi(text);
    EXPECT_EQ(ansi, "Gr\xFC\xDF" "e, na\xEFve caf\xE9 \x96 50 \x80");
    EXPECT_EQ(AnsiToUtf16(ansi), text);
    EXPECT_TRUE(AnsiCanHold(text));
    std::string utf8 = Utf16ToUtf8(text);
    EXPECT_EQ(AnsiToUtf8(ansi), utf8);
    EXPECT_EQ(Utf8ToAnsi(utf8), ansi);
}

TEST(SeamCodePages, WhatTheAnsiCodePageCannotHoldBecomesAQuestionMark)
{
    if (AnsiCodePage() == 65001)
        GTEST_SKIP() << "a UTF-8 ANSI code page holds every character";
    const std::u16string georgian = u"x\u10D0y"; // no ANSI code page has Georgian letters
    EXPECT_EQ(Utf16ToAnsi(georgian), "x?y");
    EXPECT_FALSE(AnsiCanHold(georgian));
    // A question mark of the text itself is not a lost character.
    EXPECT_TRUE(AnsiCanHold(u"Why?"));
    EXPECT_EQ(Utf8ToAnsi("x\xE1\x83\x90y"), "x?y");
}

TEST(SeamCodePages, ConsoleOutputInTheOemCodePageBecomesAnsi)
{
    std::string oemUUmlaut;
    switch (OemCodePage()) {
    case 437:
    case 850: oemUUmlaut = "\x81"; break;
    case 65001: oemUUmlaut = "\xC3\xBC"; break;
    default: GTEST_SKIP() << "no sample for OEM code page " << OemCodePage();
    }
    if (!AnsiCanHold(u"\u00fc"))
        GTEST_SKIP() << "the ANSI code page has no u umlaut";
    EXPECT_EQ(OemToAnsi("gr" + oemUUmlaut + "n"), Utf16ToAnsi(u"gr\u00fcn"));
}

TEST(SeamCodePages, Utf8AndUtf16AgreeBeyondTheBasicPlane)
{
    const std::u16string text = u"\u20ac\U0001D11E"; // the clef needs a surrogate pair
    const std::string utf8 = "\xE2\x82\xAC\xF0\x9D\x84\x9E";
    EXPECT_EQ(Utf16ToUtf8(text), utf8);
    EXPECT_EQ(Utf8ToUtf16(utf8), text);
    EXPECT_EQ(Utf16ToAnsi(u""), "");
    EXPECT_EQ(AnsiToUtf16(""), u"");
}

// ---------------------------------------------------------------- locale

TEST(SeamLocale, LanguagesAreNamedInEnglish)
{
    EXPECT_EQ(LanguageName(0x409), "English (United States)");
    EXPECT_EQ(LanguageName(0x407), "German (Germany)");
    EXPECT_EQ(LanguageName(0), "");      // the neutral language is no language
    EXPECT_EQ(LanguageName(0x7FFF), ""); // no such language
    EXPECT_NE(LanguageName(UserDefaultLangId()), "");
}

TEST(SeamLocale, FormatSettingsAreCompleteAndInOurPatternLanguage)
{
    FormatSettings settings = UserFormatSettings();
    for (const auto& name : settings.LongMonthNames)
        EXPECT_NE(name, "");
    for (const auto& name : settings.ShortMonthNames)
        EXPECT_NE(name, "");
    for (const auto& name : settings.LongDayNames)
        EXPECT_NE(name, "");
    for (const auto& name : settings.ShortDayNames)
        EXPECT_NE(name, "");
    EXPECT_NE(settings.DateSeparator, "");
    EXPECT_NE(settings.TimeSeparator, "");
    // Minutes are n to us; an m left in a time format would print the month.
    EXPECT_THAT(settings.LongTimeFormat, HasSubstr("n"));
    EXPECT_THAT(settings.ShortTimeFormat, HasSubstr("n"));
    EXPECT_NE(settings.ShortDateFormat.find_first_of("mM"), std::string::npos);

    if ((UserDefaultLangId() & 0x3FF) == 0x09) { // any English
        EXPECT_EQ(settings.LongDayNames[0], "Sunday");
        EXPECT_EQ(settings.LongDayNames[6], "Saturday");
        EXPECT_EQ(settings.LongMonthNames[0], "January");
        EXPECT_EQ(settings.ShortMonthNames[11], "Dec");
    }
#ifdef _WIN32
    if (UserDefaultLangId() == 0x409) {
        EXPECT_EQ(settings.ShortDateFormat, "m/d/yyyy");
        EXPECT_EQ(settings.LongDateFormat, "dddd, mmmm d, yyyy");
        EXPECT_EQ(settings.LongTimeFormat, "h:nn:ss ampm");
        EXPECT_EQ(settings.ShortTimeFormat, "h:nn ampm");
        EXPECT_EQ(settings.TimeAMString, "AM");
        EXPECT_EQ(settings.TimePMString, "PM");
        EXPECT_EQ(settings.DateSeparator, "/");
        EXPECT_EQ(settings.TimeSeparator, ":");
    }
#endif
}

#ifdef _WIN32
// Pictures of locales the test machine does not run in.
TEST(SeamLocale, WindowsPicturesBecomeOurPatterns)
{
    using win32::PictureToPattern;
    EXPECT_EQ(PictureToPattern(L"M/d/yyyy"), L"m/d/yyyy");
    EXPECT_EQ(PictureToPattern(L"h:mm:ss tt"), L"h:nn:ss ampm");
    EXPECT_EQ(PictureToPattern(L"HH:mm"), L"hh:nn");
    EXPECT_EQ(PictureToPattern(L"dddd, MMMM d, yyyy"), L"dddd, mmmm d, yyyy");
    EXPECT_EQ(PictureToPattern(L"dd.MM.yy"), L"dd.mm.yy");
    EXPECT_EQ(PictureToPattern(L"d/M/y"), L"d/m/yy");
    EXPECT_EQ(PictureToPattern(L"ddd d MMM yyyy"), L"ddd d mmm yyyy");
    // Quoted text stays quoted: "de" would otherwise be a day and an era.
    EXPECT_EQ(PictureToPattern(L"dddd, d' de 'MMMM' de 'yyyy"),
              L"dddd, d' de 'mmmm' de 'yyyy");
    EXPECT_EQ(PictureToPattern(L"yyyy'\u5e74'M'\u6708'd'\u65e5'"),
              L"yyyy'\u5e74'm'\u6708'd'\u65e5'");
    EXPECT_EQ(PictureToPattern(L"HH 'h' mm"), L"hh 'h' nn");
    // An apostrophe can only be quoted with double quotes.
    EXPECT_EQ(PictureToPattern(L"MMMM ''yy"), L"mmmm \"'\"yy");
    EXPECT_EQ(PictureToPattern(L"'it''s' h"), L"'it'\"'\"'s' h");
    // Letters Windows leaves alone are codes to us (n, a, c, z, u ...).
    EXPECT_EQ(PictureToPattern(L"H.mm uur"), L"h.nn 'uur'");
    EXPECT_EQ(PictureToPattern(L"d \"z\" M"), L"d '\"z\"' m");
    EXPECT_EQ(PictureToPattern(L"t h"), L"ampm h");
    EXPECT_EQ(PictureToPattern(L""), L"");
}
#endif

// ---------------------------------------------------------------- folders

TEST(SeamSpecialFolders, TheTempFolderEndsWithTheDelimiter)
{
    std::string temp = GetTempPath();
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(temp.back(), PathDelim);
    EXPECT_NE(temp.substr(0, temp.size() - 1).back(), PathDelim);
}

TEST(SeamSpecialFolders, ShellFoldersEndWithoutTheDelimiter)
{
    for (int i = int(SpecialFolder::Windows); i <= int(SpecialFolder::CommonFavorites); ++i) {
        std::string folder = GetSpecialFolder(SpecialFolder(i));
        if (!folder.empty()) {
            EXPECT_NE(folder.back(), PathDelim) << "folder " << i << ": " << folder;
        }
    }
    EXPECT_NE(GetSpecialFolder(SpecialFolder::Personal), "");
    EXPECT_NE(GetSpecialFolder(SpecialFolder::Personal), GetSpecialFolder(SpecialFolder::AppData));
#ifdef _WIN32
    for (SpecialFolder always : {SpecialFolder::Windows, SpecialFolder::System,
                                 SpecialFolder::ProgramFiles, SpecialFolder::AppData,
                                 SpecialFolder::LocalAppData, SpecialFolder::CommonAppData})
        EXPECT_NE(GetSpecialFolder(always), "") << int(always);
#endif
}

#ifdef _WIN32
TEST(SeamSpecialFolders, PersonalIsMyDocuments)
{
    wchar_t* documents = nullptr;
    ASSERT_EQ(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &documents), S_OK);
    win32::UniqueCoTaskMem<wchar_t> owner(documents);
    EXPECT_EQ(GetSpecialFolder(SpecialFolder::Personal), win32::Narrow(documents));
}

TEST(SeamSpecialFolders, TheHelpCompilerIsLookedForUnderProgramFiles)
{
    std::string compiler = DefaultHelpCompilerPath();
    EXPECT_TRUE(EndsWith(compiler, "\\HTML Help Workshop\\hhc.exe")) << compiler;
    EXPECT_EQ(compiler.find("\\\\"), std::string::npos) << compiler;
}
#endif

// ---------------------------------------------------------------- libraries

TEST(SeamLibrary, AMissingLibraryGivesNothing)
{
    // The code paths for a missing filter library must run everywhere.
    EXPECT_EQ(LoadLibrary("MSFilter.dll"), nullptr);
}

TEST(SeamLibrary, ASystemLibraryGivesItsEntryPoints)
{
#ifdef _WIN32
    const char* name = "kernel32.dll";
    const char* entry = "GetTickCount";
#else
    const char* name = "libc.so.6";
    const char* entry = "getpid";
#endif
    auto library = LoadLibrary(name);
    ASSERT_NE(library, nullptr);
    EXPECT_NE(library->GetProcAddress(entry), nullptr);
    EXPECT_EQ(library->GetProcAddress("LorivexNoSuchEntryPoint"), nullptr);
}

// ---------------------------------------------------------------- versions

TEST(SeamVersions, TheTestProgramCarriesTheProjectVersion)
{
    std::string program = ProgramPath();
#ifdef _WIN32
    EXPECT_TRUE(EndsWith(program, "\\lorivex_tests.exe")) << program;
#else
    EXPECT_TRUE(EndsWith(program, "/lorivex_tests")) << program;
#endif
    auto version = GetFileVersion(program);
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(version->Major, LORIVEX_STAMPED_MAJOR);
    EXPECT_EQ(version->Minor, LORIVEX_STAMPED_MINOR);
    EXPECT_EQ(version->Release, LORIVEX_STAMPED_RELEASE);
    EXPECT_EQ(version->Build, LORIVEX_STAMPED_BUILD);
}

TEST(SeamVersions, AFileWithoutAVersionGivesNothing)
{
    std::string path = GetTempPath() + "lorivex-seam-" + NewGuidString() + ".dll";
    EXPECT_FALSE(GetFileVersion(path).has_value()); // not there
    {
        std::ofstream file(path, std::ios::binary);
        file << "MZ but no version here";
    }
    EXPECT_FALSE(GetFileVersion(path).has_value());
    std::remove(path.c_str());
}

// ---------------------------------------------------------------- shell

#ifdef _WIN32
TEST(SeamShell, OpeningAMissingFileFailsWithAReason)
{
    // Without SEE_MASK_FLAG_NO_UI the shell would show a message box here and
    // the run would wait for a click that never comes.
    std::string missing = GetTempPath() + "lorivex-no-such-file-" + NewGuidString() + ".txt";
    std::string reason;
    EXPECT_FALSE(ShellOpen(missing, &reason));
    EXPECT_THAT(reason, HasSubstr(missing));
}
#endif

} // namespace
} // namespace lorivex::platform
