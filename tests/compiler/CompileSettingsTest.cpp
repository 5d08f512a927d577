#include <gtest/gtest.h>

#include "TestSupport.h"
#include "compiler/CompileSettings.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "base/Exception.h"

namespace lorivex {
namespace {

using platform::RootKey;

// Each test gets hives of its own.
class CompileSettingsTest : public testing::Test {
protected:
    platform::Registry& Reg() { return platform::GetRegistry(); }
    std::vector<std::string> List(const std::string& key)
    {
        std::vector<std::string> paths;
        uint32_t count = Reg().ReadDWord(RootKey::CurrentUser, key, "Count");
        for (uint32_t i = 0; i < count; ++i)
            paths.push_back(Reg().ReadString(RootKey::CurrentUser, key, "File" + std::to_string(i)));
        EXPECT_EQ(Reg().GetValueKind(RootKey::CurrentUser, key, "File" + std::to_string(count)),
                  platform::ValueKind::None);
        return paths;
    }
    test::ScopedSettings settings_;
    test::TempFolder docs_;
};

TEST_F(CompileSettingsTest, FirstUseOfASavedDocument)
{
    std::string manual = docs_ / "Manual.docx";
    auto options = ReadCompileOptions(manual, "/home/me/Documents", "/usr/bin");
    EXPECT_EQ(options.OutputFile, docs_ / "Manual.chm");
    EXPECT_TRUE(options.OpenHelpAfterCompilation);
    EXPECT_FALSE(options.OverWriteExisting);
    EXPECT_TRUE(options.IncludeTableOfContents && options.IncludeKeywordIndex && options.IncludeFullTextSearch);
    EXPECT_FALSE(options.IncludeHeaders);
    EXPECT_FALSE(options.Compiler.empty());
}

TEST_F(CompileSettingsTest, UnsavedDocumentGoesToMyDocumentsUnderDefaultDoc)
{
    EXPECT_EQ(DocumentKey("Document1"), "DefaultDoc");
    EXPECT_EQ(ReadCompileOptions("Document1", docs_.Path(), "").OutputFile, docs_ / "Document1.chm");
}

TEST_F(CompileSettingsTest, StoredSettingsRoundTripAndAStaleFolderFallsBack)
{
    std::string manual = docs_ / "Manual.docx";
    TCompileOptions options;
    options.OutputFile = docs_ / "out.chm";
    options.Compiler = "/opt/chm/chmcmd";
    options.IncludeKeywordIndex = false;
    options.IncludeHeaders = true;
    options.OverWriteExisting = true;
    WriteCompileOptions(manual, options);
    auto read = ReadCompileOptions(manual, "", "");
    EXPECT_EQ(read.OutputFile, options.OutputFile);
    EXPECT_EQ(read.Compiler, "/opt/chm/chmcmd");
    EXPECT_FALSE(read.IncludeKeywordIndex);
    EXPECT_TRUE(read.IncludeHeaders && read.OverWriteExisting);

    options.OutputFile = platform::JoinPath(docs_ / "deleted-folder", "out.chm");
    WriteCompileOptions(manual, options);
    EXPECT_EQ(ReadCompileOptions(manual, "", "").OutputFile, docs_ / "Manual.chm");
}

TEST_F(CompileSettingsTest, ExistingKeyWithoutIncludeHeadersMeansTrueAndWrongTypesFail)
{
    const std::string key = std::string(ProjectsKey) + "Manual.docx";
    Reg().WriteString(RootKey::CurrentUser, key, "OutputFile", docs_ / "m.chm");
    for (const char* name : {"IncludeTableOfContents", "IncludeKeywordIndex", "IncludeFullTextSearch"})
        Reg().WriteDWord(RootKey::CurrentUser, key, name, 1);
    EXPECT_TRUE(ReadCompileOptions(docs_ / "Manual.docx", "", "").IncludeHeaders);
    Reg().WriteString(RootKey::CurrentUser, key, "IncludeKeywordIndex", "yes");
    EXPECT_THROW(ReadCompileOptions(docs_ / "Manual.docx", "", ""), Exception);
}

TEST_F(CompileSettingsTest, RecentFilesMoveToFrontKeepTenAndIgnoreCase)
{
    for (const char* p : {"/d/e.docx", "/d/d.docx", "/d/c.docx", "/d/b.docx", "/d/a.docx"})
        AddRecentFile(RecentDocumentsKey, p);
    AddRecentFile(RecentDocumentsKey, "/d/c.docx");
    EXPECT_EQ(List(RecentDocumentsKey),
              (std::vector<std::string>{"/d/c.docx", "/d/a.docx", "/d/b.docx", "/d/d.docx", "/d/e.docx"}));
    AddRecentFile(RecentDocumentsKey, "/D/A.DOCX");
    EXPECT_EQ(List(RecentDocumentsKey).front(), "/D/A.DOCX");
    EXPECT_EQ(List(RecentDocumentsKey).size(), 5u);
    for (int i = 0; i < 11; ++i)
        AddRecentFile(RecentHelpFilesKey, "/h/" + std::to_string(i) + ".chm");
    auto help = List(RecentHelpFilesKey);
    ASSERT_EQ(help.size(), 10u);
    EXPECT_EQ(help.front(), "/h/10.chm");
    EXPECT_EQ(help.back(), "/h/1.chm");
    AddRecentFile(RecentHelpFilesKey, "no-folder.chm");
    EXPECT_EQ(List(RecentHelpFilesKey).front(), "/h/10.chm");

    TStringList recent = GetRecentFiles("TLorivexModule");
    ASSERT_EQ(recent.Count(), 15);
    EXPECT_EQ(recent[0], "/D/A.DOCX");
    EXPECT_EQ(recent.Items(0).Tag, RecentDocument);
    EXPECT_EQ(recent[5], "/h/10.chm");
    EXPECT_EQ(recent.Items(5).Tag, RecentHelpFile);
}

} // namespace
} // namespace lorivex
