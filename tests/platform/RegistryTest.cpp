// The POSIX registry: hive files under $XDG_CONFIG_HOME/lorivex/. Windows
// has the real registry and is tested there.
#ifndef _WIN32

#include "platform/Registry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "TestSupport.h"
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "base/Exception.h"

extern char** environ;

namespace lorivex::platform {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr RootKey HKCU = RootKey::CurrentUser;
const std::string Settings = "Software\\Vantrell\\Lorivex2008\\Settings";

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// Every test has a configuration folder of its own, so that no test sees
// another's hives, nor the user's real settings.
class RegistryTest : public ::testing::Test {
protected:
    fs::path HiveFile(const std::string& root = "HKEY_CURRENT_USER") const
    {
        return configHome_ / "lorivex" / (root + ".reg");
    }
    std::vector<std::string> FolderEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(configHome_ / "lorivex"))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    Registry& reg = GetRegistry();
    test::ScopedSettings settings_;
    fs::path configHome_ = settings_.Folder().Path();
};

TEST_F(RegistryTest, ValuesComeBackAsWritten)
{
    const std::vector<std::string> texts = {
        "C:\\Program Files\\Vantrell\\", "say \"hi\" \\\"twice\\\"", "", "two\r\nlines\n",
        "\xE4\xF6\xFC \x80 1252 bytes", "=\"looks\"=\"like a value\"", "[HKEY_CURRENT_USER\\X]"};
    for (size_t i = 0; i < texts.size(); ++i)
        reg.WriteString(HKCU, Settings, "Text" + std::to_string(i), texts[i]);
    reg.WriteString(HKCU, Settings, "", "the default");
    reg.WriteDWord(HKCU, Settings, "Zero", 0);
    reg.WriteDWord(HKCU, Settings, "Max", 0xffffffffu);

    for (size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(reg.ReadString(HKCU, Settings, "Text" + std::to_string(i)), texts[i]);
    EXPECT_EQ(reg.ReadString(HKCU, Settings, ""), "the default");
    EXPECT_EQ(reg.ReadDWord(HKCU, Settings, "Zero"), 0u);
    EXPECT_EQ(reg.ReadDWord(HKCU, Settings, "Max"), 0xffffffffu);
    EXPECT_EQ(reg.GetValueKind(HKCU, Settings, "Max"), ValueKind::DWord);
    EXPECT_EQ(reg.GetValueKind(HKCU, Settings, "Text2"), ValueKind::String);
    EXPECT_EQ(reg.GetValueKind(HKCU, Settings, "Nothing"), ValueKind::None);
    EXPECT_EQ(reg.GetValueKind(HKCU, "No\\Such\\Key", "Max"), ValueKind::None);

    // A value written again changes its kind in place.
    reg.WriteDWord(HKCU, Settings, "Text0", 7);
    EXPECT_EQ(reg.ReadDWord(HKCU, Settings, "Text0"), 7u);
    EXPECT_EQ(reg.GetValueNames(HKCU, Settings).front(), "Text0");
}

TEST_F(RegistryTest, HiveFileIsRegedit4TextWithCrLf)
{
    reg.WriteString(HKCU, Settings, "Path", "C:\\Help \"Docs\"\xE9");
    reg.WriteDWord(HKCU, Settings, "Count", 10);
    reg.WriteString(HKCU, Settings, "", "x");
    reg.CreateKey(HKCU, Settings + "\\Empty");

    EXPECT_EQ(ReadBytes(HiveFile()),
              "REGEDIT4\r\n"
              "\r\n[HKEY_CURRENT_USER\\Software]\r\n"
              "\r\n[HKEY_CURRENT_USER\\Software\\Vantrell]\r\n"
              "\r\n[HKEY_CURRENT_USER\\Software\\Vantrell\\Lorivex2008]\r\n"
              "\r\n[HKEY_CURRENT_USER\\Software\\Vantrell\\Lorivex2008\\Settings]\r\n"
              "\"Path\"=\"C:\\\\Help \\\"Docs\\\"\xE9\"\r\n"
              "\"Count\"=dword:0000000a\r\n"
              "@=\"x\"\r\n"
              "\r\n[HKEY_CURRENT_USER\\Software\\Vantrell\\Lorivex2008\\Settings\\Empty]\r\n"
              "\r\n");
    EXPECT_THAT(FolderEntries(), ElementsAre("HKEY_CURRENT_USER.lock", "HKEY_CURRENT_USER.reg"));

    // A hand-edited file with LF line ends, blanks and comments reads too.
    WriteBytes(HiveFile("HKEY_CLASSES_ROOT"),
               "REGEDIT4\n; made by hand\n[HKEY_CLASSES_ROOT\\.lvx]\n@ = \"Lorivex.Doc\"\n"
               "\"N\"=DWORD:FF\n");
    EXPECT_EQ(reg.ReadString(RootKey::ClassesRoot, ".lvx", ""), "Lorivex.Doc");
    EXPECT_EQ(reg.ReadDWord(RootKey::ClassesRoot, ".lvx", "n"), 255u);
    EXPECT_FALSE(reg.KeyExists(RootKey::LocalMachine, ".lvx"));
    EXPECT_EQ(RootKeyName(RootKey::LocalMachine), "HKEY_LOCAL_MACHINE");
}

TEST_F(RegistryTest, NamesIgnoreCaseAndKeepTheirFirstSpelling)
{
    reg.WriteString(HKCU, "Software\\Vantrell", "Title", "first");
    reg.WriteString(HKCU, "SOFTWARE\\vantrell", "TITLE", "second");
    reg.CreateKey(HKCU, "\\software\\\\VANTRELL\\Sub\\");

    EXPECT_EQ(reg.ReadString(HKCU, "software\\VANTRELL\\", "title"), "second");
    EXPECT_THAT(reg.GetValueNames(HKCU, "Software\\Vantrell"), ElementsAre("Title"));
    EXPECT_THAT(reg.GetKeyNames(HKCU, ""), ElementsAre("Software"));
    EXPECT_THAT(reg.GetKeyNames(HKCU, "Software"), ElementsAre("Vantrell"));
    EXPECT_TRUE(reg.KeyExists(HKCU, "\\\\Software\\Vantrell\\sub"));
    EXPECT_THAT(ReadBytes(HiveFile()), HasSubstr("[HKEY_CURRENT_USER\\Software\\Vantrell\\Sub]"));
}

TEST_F(RegistryTest, KeysAndValuesAreCreatedListedAndDeleted)
{
    EXPECT_FALSE(reg.KeyExists(HKCU, "Software"));
    EXPECT_TRUE(reg.CreateKey(HKCU, "Software\\Vantrell\\b\\Deep"));
    EXPECT_TRUE(reg.CreateKey(HKCU, "Software\\Vantrell\\b\\Deep")); // already there
    EXPECT_TRUE(reg.CreateKey(HKCU, "Software\\Vantrell\\C"));
    EXPECT_TRUE(reg.CreateKey(HKCU, "Software\\Vantrell\\a"));
    EXPECT_TRUE(reg.KeyExists(HKCU, "Software\\Vantrell"));
    EXPECT_THAT(reg.GetKeyNames(HKCU, "Software\\Vantrell"), ElementsAre("a", "b", "C"));
    EXPECT_TRUE(reg.GetKeyNames(HKCU, "Missing").empty());

    reg.WriteDWord(HKCU, "Software\\Vantrell\\b", "Z", 1);
    reg.WriteString(HKCU, "Software\\Vantrell\\b", "", "default");
    reg.WriteString(HKCU, "Software\\Vantrell\\b", "A", "a");
    EXPECT_THAT(reg.GetValueNames(HKCU, "Software\\Vantrell\\b"), ElementsAre("Z", "", "A"));
    EXPECT_TRUE(reg.DeleteValue(HKCU, "Software\\Vantrell\\b", "z"));
    EXPECT_FALSE(reg.DeleteValue(HKCU, "Software\\Vantrell\\b", "z"));
    EXPECT_FALSE(reg.DeleteValue(HKCU, "Missing", "z"));
    EXPECT_THAT(reg.GetValueNames(HKCU, "Software\\Vantrell\\b"), ElementsAre("", "A"));

    EXPECT_TRUE(reg.DeleteKey(HKCU, "SOFTWARE\\Vantrell\\B"));
    EXPECT_FALSE(reg.KeyExists(HKCU, "Software\\Vantrell\\b\\Deep"));
    EXPECT_FALSE(reg.DeleteKey(HKCU, "Software\\Vantrell\\b"));
    EXPECT_THAT(reg.GetKeyNames(HKCU, "Software\\Vantrell"), ElementsAre("a", "C"));
    EXPECT_THROW(reg.DeleteKey(HKCU, "\\"), Exception);

    // Each root is a hive of its own.
    reg.WriteString(RootKey::LocalMachine, "Software\\Vantrell", "Where", "machine");
    EXPECT_EQ(reg.GetValueKind(HKCU, "Software\\Vantrell", "Where"), ValueKind::None);
    EXPECT_TRUE(fs::exists(HiveFile("HKEY_LOCAL_MACHINE")));
}

TEST_F(RegistryTest, ReadingAMissingValueOrAnotherKindRaises)
{
    reg.WriteString(HKCU, Settings, "Name", "text");
    reg.WriteDWord(HKCU, Settings, "Count", 3);
    auto message = [](auto read) {
        try {
            read();
        } catch (const Exception& e) {
            return e.Message();
        }
        return std::string("no exception");
    };
    const std::string key = "HKEY_CURRENT_USER\\" + Settings;
    EXPECT_EQ(message([&] { reg.ReadString(HKCU, Settings, "Nmae"); }),
              "The registry value \"Nmae\" of " + key + " does not exist");
    EXPECT_EQ(message([&] { reg.ReadDWord(HKCU, "\\Software\\Nowhere", ""); }),
              "The default value of HKEY_CURRENT_USER\\Software\\Nowhere does not exist");
    EXPECT_EQ(message([&] { reg.ReadDWord(HKCU, Settings, "Name"); }),
              "The registry value \"Name\" of " + key + " is a string, not a number (DWORD)");
    EXPECT_EQ(message([&] { reg.ReadString(HKCU, Settings, "Count"); }),
              "The registry value \"Count\" of " + key + " is a number, not a string");
}

TEST_F(RegistryTest, AHiveThatCannotBeWrittenIsReportedNotCrashedOn)
{
    // A file where the folder should be stops even a privileged user.
    WriteBytes(configHome_ / "lorivex", "in the way");
    EXPECT_FALSE(reg.KeyExists(HKCU, "Software"));
    EXPECT_FALSE(reg.CreateKey(HKCU, "Software"));
    EXPECT_FALSE(reg.DeleteValue(HKCU, "Software", "X"));
    try {
        reg.WriteDWord(HKCU, "Software", "X", 1);
        FAIL() << "the write did not raise";
    } catch (const Exception& e) {
        EXPECT_THAT(e.Message(), HasSubstr(HiveFile().string()));
    }
    EXPECT_EQ(ReadBytes(configHome_ / "lorivex"), "in the way");
}

TEST_F(RegistryTest, ADamagedHiveIsNamedWithItsLineAndLeftAlone)
{
    const std::vector<std::pair<std::string, int>> damaged = {
        {"", 0},
        {"Windows Registry Editor Version 5.00\r\n", 1},
        {"REGEDIT4\r\n\r\n\"Orphan\"=\"value\"\r\n", 3},
        {"REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\Software]\r\n", 2},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\r\n", 2},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"ok\"=\"ok\"\n\"X\"=\"no end\n", 4},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"X\"=\"C:\\Temp\"\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"X\"=hex:01,02\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"X\"=dword:100000000\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"X\"=dword:\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"X\"=\"a\" junk\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\nX=1\n", 3},
    };
    for (const auto& [text, line] : damaged) {
        SCOPED_TRACE(text);
        WriteBytes(HiveFile(), text);
        const std::string where = line ? "line " + std::to_string(line) + ":" : "empty";
        for (auto call : {+[](Registry& r) { r.KeyExists(HKCU, "A"); },
                          +[](Registry& r) { r.WriteString(HKCU, "A", "X", "new"); },
                          +[](Registry& r) { r.DeleteKey(HKCU, "A"); }}) {
            try {
                call(reg);
                ADD_FAILURE() << "no exception";
            } catch (const Exception& e) {
                EXPECT_THAT(e.Message(), HasSubstr(HiveFile().string() + " is damaged"));
                EXPECT_THAT(e.Message(), HasSubstr(where));
            }
        }
        EXPECT_EQ(ReadBytes(HiveFile()), text);
        EXPECT_THAT(FolderEntries(), ElementsAre("HKEY_CURRENT_USER.lock", "HKEY_CURRENT_USER.reg"));
    }
}

pid_t StartWriter(const std::string& prefix, int count)
{
    const std::string helper = (fs::read_symlink("/proc/self/exe").parent_path() /
                                "RegistryWriter").string();
    std::vector<std::string> args = {helper, Settings, prefix, std::to_string(count)};
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    EXPECT_EQ(::posix_spawn(&pid, helper.c_str(), nullptr, nullptr, argv.data(), environ), 0)
        << helper;
    return pid;
}

TEST_F(RegistryTest, ConcurrentWritersLoseNothing)
{
    const int count = 150;
    reg.WriteString(HKCU, Settings, "Before", "kept");
    WriteBytes(HiveFile().string() + ".Xy12Zq", "left by a writer that was killed");
    pid_t writers[] = {StartWriter("A", count), StartWriter("B", count)};
    for (pid_t pid : writers) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    }
    EXPECT_EQ(reg.GetValueNames(HKCU, Settings).size(), size_t(2 * count + 1));
    for (int i = 0; i < count; ++i) {
        std::string number = std::to_string(i);
        EXPECT_EQ(reg.ReadDWord(HKCU, Settings, std::string(1, 'A').append(number)), uint32_t(i));
        EXPECT_EQ(reg.ReadDWord(HKCU, Settings, std::string(1, 'B').append(number)), uint32_t(i));
    }
    EXPECT_EQ(reg.ReadString(HKCU, Settings, "Before"), "kept");
    // No temporary file outlives its write, not even a dead writer's.
    EXPECT_THAT(FolderEntries(), ElementsAre("HKEY_CURRENT_USER.lock", "HKEY_CURRENT_USER.reg"));
}

} // namespace
} // namespace lorivex::platform

#endif
