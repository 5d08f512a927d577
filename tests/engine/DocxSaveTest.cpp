// Saving replaces a file whole or not at all, and keeps the document's name
// in step with where it was saved.
#ifndef _WIN32
#include <filesystem>
#include <unistd.h>
#endif

#include <algorithm>

#include "Failure.h"
#include "engine/DocxFixtures.h"
#include "engine/EngineFixture.h"
#include "platform/FileSystem.h"

namespace lorivex::test {

namespace {

class DocxSaveTest : public EngineTest {
protected:
    std::u16string Wide(const std::string& path) const { return std::u16string(path.begin(), path.end()); }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : platform::ListDirectory(Folder.Path()))
            names.push_back(entry.Name);
        return names;
    }
    std::string SaveFailure(const word::DocumentPtr& document, const std::string& path)
    {
        return test::MessageOf([&] { document->SaveAs(Wide(path), word::wdFormatDocument); });
    }
};

TEST_F(DocxSaveTest, NewDocumentSavedAsDocxOpensWithItsTextAndStyles)
{
    auto document = NewDocument(u"Title\rBody text");
    document->Paragraphs()->Item(1)->Range()->Font()->SetHidden(-1);
    std::string path = Folder / "new.docx";
    document->SaveAs(Wide(path), word::wdFormatXMLDocument);
    auto reopened = App->Documents()->Open(Wide(path));
    auto content = reopened->Content();
    EXPECT_EQ(u"Body text\r", content->Text());
    content->TextRetrievalMode()->SetIncludeHiddenText(true);
    EXPECT_EQ(u"Title\rBody text\r", content->Text());
    EXPECT_EQ(-1, reopened->Paragraphs()->Item(1)->Range()->Font()->Hidden());
    EXPECT_GE(reopened->Styles()->Count(), 11);
}

TEST_F(DocxSaveTest, CloseWithSaveChangesWritesTheFileItCameFrom)
{
    std::string path = Folder / "doc.docx";
    WordLikeDocument().Write(path);
    auto document = App->Documents()->Open(Wide(path));
    document->Content()->InsertBefore(u"First ");
    document->Close(word::wdSaveChanges);
    EXPECT_EQ(0, App->Documents()->Count());
    EXPECT_TRUE(App->Documents()->Open(Wide(path))->Content()->Text().starts_with(u"First Intro"));
}

TEST_F(DocxSaveTest, CloseWithSaveChangesOfANeverSavedDocumentFailsAndKeepsItOpen)
{
    auto document = NewDocument(u"text");
    EXPECT_THROW(document->Close(word::wdSaveChanges), Exception);
    EXPECT_EQ(1, App->Documents()->Count());
}

TEST_F(DocxSaveTest, FailedSaveLeavesTheOldFileAndNoTemporaryFile)
{
    std::string path = Folder / "doc.docx";
    WordLikeDocument().Write(path);
    std::string before = platform::ReadFileBytes(path);
    auto document = App->Documents()->Open(Wide(path));
    document->Content()->InsertBefore(u"changed ");
    // A folder where the file should go: the rename onto it fails even for
    // a user whom permissions do not stop.
    std::string blocked = Folder / "blocked.docx";
    ASSERT_TRUE(platform::ForceDirectories(blocked));
    std::string message = SaveFailure(document, blocked);
    EXPECT_NE(std::string::npos, message.find("Cannot save \"" + blocked + "\"")) << message;
    EXPECT_EQ(before, platform::ReadFileBytes(path));
    auto names = Names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{"blocked.docx", "doc.docx"}), names);
    EXPECT_EQ(Wide(path), document->FullName());
}

TEST_F(DocxSaveTest, SaveIntoAMissingFolderNamesTheFile)
{
    auto document = NewDocument(u"text");
    std::string path = platform::JoinPath(Folder / "missing", "doc.docx");
    std::string message = SaveFailure(document, path);
    EXPECT_NE(std::string::npos, message.find(path)) << message;
    EXPECT_FALSE(platform::FileExists(path));
}

#ifdef _WIN32
// Windows lets anybody write into a read-only folder; a read-only file
// stays as it is.
TEST_F(DocxSaveTest, SaveOverAReadOnlyFileFailsWithoutTouchingIt)
{
    std::string path = Folder / "doc.docx";
    WordLikeDocument().Write(path);
    std::string before = platform::ReadFileBytes(path);
    auto document = App->Documents()->Open(Wide(path));
    ASSERT_TRUE(platform::SetReadOnly(path));
    document->Content()->InsertBefore(u"changed ");
    std::string message = SaveFailure(document, path);
    platform::ClearReadOnly(path);
    EXPECT_NE(std::string::npos, message.find(path)) << message;
    EXPECT_EQ(before, platform::ReadFileBytes(path));
    EXPECT_EQ((std::vector<std::string>{"doc.docx"}), Names()) << "the temporary file stayed";
}
#else
// Run as a user whom the folder's permissions stop (nobody, when the tests
// run as root).
TEST_F(DocxSaveTest, SaveOverAReadOnlyFolderFailsWithoutTouchingTheFile)
{
    namespace fs = std::filesystem;
    std::string folder = Folder / "locked";
    platform::ForceDirectories(folder);
    std::string path = platform::JoinPath(folder, "doc.docx");
    WordLikeDocument().Write(path);
    std::string before = platform::ReadFileBytes(path);
    fs::permissions(Folder.Path(), fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    std::string message = RunUnprivileged([&] {
        auto document = App->Documents()->Open(Wide(path));
        document->Content()->InsertBefore(u"changed ");
        return SaveFailure(document, path);
    });
    fs::permissions(folder, fs::perms::owner_all);
    EXPECT_NE(std::string::npos, message.find(path)) << message;
    EXPECT_EQ(before, platform::ReadFileBytes(path));
}
#endif

} // namespace

} // namespace lorivex::test
