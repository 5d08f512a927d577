// The three menus of the Tools entry: recent documents and help files, the
// installed templates and the installed symbols, each built at the click
// from what is there, shown where the mouse is, and what choosing an item
// does.
#include <gif_lib.h>

#include <chrono>
#include <set>
#include <thread>

#include "commands/CommandFixture.h"
#include "compiler/CompileSettings.h"
#include "ui/Application.h"
#include "ui/headless/HeadlessBackend.h"

namespace lorivex::test {
namespace {

using ::testing::HasSubstr;

void Put(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(char((value >> (8 * i)) & 0xFF));
}

// A 24-bit picture, every pixel the colour (0x00BBGGRR).
std::string Bmp(int width, int height, std::uint32_t color)
{
    const int stride = (width * 3 + 3) / 4 * 4;
    std::string pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(char((color >> 16) & 0xFF));
            pixels.push_back(char((color >> 8) & 0xFF));
            pixels.push_back(char(color & 0xFF));
        }
        pixels.append(size_t(stride - width * 3), '\0');
    }
    std::string file = "BM";
    Put(file, std::uint32_t(54 + pixels.size()), 4);
    Put(file, 0, 4);
    Put(file, 54, 4);
    Put(file, 40, 4);
    Put(file, std::uint32_t(width), 4);
    Put(file, std::uint32_t(height), 4);
    Put(file, 1, 2);
    Put(file, 24, 2);
    Put(file, 0, 4);
    Put(file, std::uint32_t(pixels.size()), 4);
    Put(file, 2835, 4);
    Put(file, 2835, 4);
    Put(file, 0, 4);
    Put(file, 0, 4);
    return file + pixels;
}

int Append(GifFileType* gif, const GifByteType* data, int count)
{
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), size_t(count));
    return count;
}

// A picture in two colours, red on the left half, blue on the right.
std::string Gif(int width, int height)
{
    std::string bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, Append, &error);
    GifColorType colors[2] = {{255, 0, 0}, {0, 0, 255}};
    ColorMapObject* map = GifMakeMapObject(2, colors);
    EGifPutScreenDesc(gif, width, height, 1, 0, map);
    EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr);
    std::vector<GifPixelType> row(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x)
        row[size_t(x)] = x < width / 2 ? 0 : 1;
    for (int y = 0; y < height; ++y)
        EGifPutLine(gif, row.data(), width);
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return bytes;
}

class ModuleMenus : public CommandTest {
protected:
    ModuleMenus() { Install(); }

    void MouseAt(int x, int y)
    {
        dynamic_cast<ui::headless::HeadlessBackend&>(ui::Application().Backend()).SetCursorPos({x, y});
    }

    struct Item {
        std::string Caption, Hint;
        bool Enabled;
        std::intptr_t Tag;
        int ImageIndex;
        bool operator==(const Item&) const = default;
    };
    friend std::ostream& operator<<(std::ostream& out, const Item& item)
    {
        return out << "{" << item.Caption << ", " << item.Hint << ", " << item.Enabled << ", " << item.Tag << ", "
                   << item.ImageIndex << "}";
    }
    static std::vector<Item> Items(const ui::TPopupMenu& menu)
    {
        std::vector<Item> items;
        for (int i = 0; i < menu.Count(); ++i) {
            const auto& item = menu.Items(i);
            items.push_back({item.Caption, item.Hint, item.Enabled, item.Tag, item.ImageIndex});
        }
        return items;
    }

    // Clicks the toolbar entry; the menu is answered with the item whose
    // caption is given (none: dismissed) after the answer has looked at it.
    void Click(void (TLorivexModule::*handler)(ui::TComponent&), const std::string& menuName,
               const std::string& choose = "", const std::function<void(const ui::TPopupMenu&)>& look = {})
    {
        auto answer = ui::ScopedAnswer::Popup(menuName, [&](const ui::TPopupMenu& menu) {
            if (look)
                look(menu);
            for (int i = 0; i < menu.Count(); ++i)
                if (!choose.empty() && menu.Items(i).Caption == choose)
                    return i;
            return -1;
        });
        (Module.*handler)(Module);
    }
    int Shown(const std::string& menuName)
    {
        int shown = 0;
        for (const auto& entry : ui::DialogLog::Entries())
            shown += entry.Kind == ui::DialogKind::Popup && entry.Name == menuName;
        return shown;
    }

    // A document that a word processor wrote, with one paragraph.
    std::string DocxFile(const std::string& path, const std::string& text)
    {
        DocxBuilder().Body(P(T(text))).Write(path);
        return path;
    }
};

TEST_F(ModuleMenus, RecentListsDocumentsThenOneSeparatorThenHelpFiles)
{
    const std::string first = DocxFile(Folder / "First.docx", "first");
    const std::string gone = Folder / "Gone.docx";
    const std::string help = Folder / "First.chm";
    WriteTextFile(help, "ITSF");
    // Most recent first: the one recorded last.
    AddRecentFile(RecentDocumentsKey, gone);
    AddRecentFile(RecentDocumentsKey, first);
    AddRecentFile(RecentHelpFilesKey, help);
    MouseAt(321, 123);
    Click(&TLorivexModule::RecentFilesClick, "RecentMenu");
    EXPECT_EQ(Shown("RecentMenu"), 1);
    EXPECT_EQ(Module.RecentMenu.PopupPoint().X, 321);
    EXPECT_EQ(Module.RecentMenu.PopupPoint().Y, 123);
    auto items = Items(Module.RecentMenu);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0], (Item{"Open First.docx", first, true, 0, 0}));
    EXPECT_EQ(items[1], (Item{"Open Gone.docx", gone, false, 0, 0})) << "a file that is gone stays, disabled";
    EXPECT_TRUE(Module.RecentMenu.Items(2).IsLine());
    EXPECT_EQ(items[3], (Item{"View First.chm", help, true, 1, 1}));

    // Built afresh at the next click.
    platform::DeleteFile(help);
    Click(&TLorivexModule::RecentFilesClick, "RecentMenu");
    EXPECT_FALSE(Module.RecentMenu.Items(3).Enabled);
    EXPECT_EQ(Module.RecentMenu.Count(), 4);
}

TEST_F(ModuleMenus, RecentWithOnlyHelpFilesStartsWithTheSeparator)
{
    AddRecentFile(RecentHelpFilesKey, Folder / "b.chm");
    AddRecentFile(RecentHelpFilesKey, Folder / "a.chm");
    Click(&TLorivexModule::RecentFilesClick, "RecentMenu");
    ASSERT_EQ(Module.RecentMenu.Count(), 3);
    EXPECT_TRUE(Module.RecentMenu.Items(0).IsLine());
    EXPECT_EQ(Module.RecentMenu.Items(1).Caption, "View a.chm");
    EXPECT_EQ(Module.RecentMenu.Items(2).Caption, "View b.chm");
}

TEST_F(ModuleMenus, AnEmptyHistoryShowsAnEmptyMenu)
{
    Click(&TLorivexModule::RecentFilesClick, "RecentMenu");
    EXPECT_EQ(Shown("RecentMenu"), 1);
    EXPECT_EQ(Module.RecentMenu.Count(), 0);
}

TEST_F(ModuleMenus, ChoosingARecentDocumentOpensIt)
{
    const std::string path = DocxFile(Folder / "Manual.docx", "from the history");
    AddRecentFile(RecentDocumentsKey, path);
    Click(&TLorivexModule::RecentFilesClick, "RecentMenu", "Open Manual.docx");
    ASSERT_EQ(App->Documents()->Count(), 1);
    EXPECT_EQ(word::FromWord(App->ActiveDocument()->FullName()), path);
    EXPECT_EQ(Narrow(App->ActiveDocument()->Content()->Text()), "from the history\r");
}

TEST_F(ModuleMenus, ChoosingARecentDocumentThatIsNotADocumentReportsWordsError)
{
    const std::string path = Folder / "Broken.docx";
    WriteTextFile(path, "not a package");
    AddRecentFile(RecentDocumentsKey, path);
    auto failure = FailureOf([&] { Click(&TLorivexModule::RecentFilesClick, "RecentMenu", "Open Broken.docx"); });
    EXPECT_THAT(failure.Message(), HasSubstr("Broken.docx"));
    EXPECT_EQ(failure.CallStack(), "TLorivexModule.RecentFilesClick\r\nTLorivexModule.HistoryItemClick\r\n");
}

#ifndef _WIN32 // the POSIX opener is ours to watch; Windows goes by the association
TEST_F(ModuleMenus, ChoosingARecentHelpFileOpensItWithTheShell)
{
    const std::string help = Folder / "Manual.chm";
    WriteTextFile(help, "ITSF");
    AddRecentFile(RecentHelpFilesKey, help);
    const std::string seen = Folder / "opened.txt";
    const std::string opener = Folder / "opener.sh";
    WriteTextFile(opener, "#!/bin/sh\nprintf '%s' \"$1\" > '" + seen + ".part' && mv '" + seen + ".part' '" + seen +
                              "'\n");
    ASSERT_EQ(chmod(opener.c_str(), 0755), 0);
    ScopedEnv open("LORIVEX_OPEN_COMMAND", opener.c_str());
    Click(&TLorivexModule::RecentFilesClick, "RecentMenu", "View Manual.chm");
    for (int i = 0; i < 500 && !platform::FileExists(seen); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(platform::ReadFileBytes(seen), help);
    EXPECT_EQ(App->Documents()->Count(), 0);
}
#endif

TEST_F(ModuleMenus, TemplatesListsTheDocFilesAndChoosingOneStartsADocumentFromIt)
{
    ASSERT_TRUE(platform::CreateDirExclusive(InstallDir / "templates"));
    const std::string manual = DocxFile(InstallDir / "templates/Manual.doc", "template text");
    DocxFile(InstallDir / "templates/Guide.docx", "guide");
    WriteTextFile(InstallDir / "templates/notes.txt", "not a template");
    WriteTextFile(InstallDir / "templates/Old.dot", "not listed");
    MouseAt(10, 20);
    Click(&TLorivexModule::TemplatesClick, "TemplatesPopup", "Manual");
    EXPECT_EQ(Module.TemplatesPopup.PopupPoint().X, 10);
    EXPECT_EQ(Module.TemplatesPopup.PopupPoint().Y, 20);
    std::set<std::string> captions;
    for (const auto& item : Items(Module.TemplatesPopup)) {
        captions.insert(item.Caption);
        EXPECT_EQ(item.ImageIndex, 0);
        EXPECT_EQ(item.Hint, platform::JoinPath(InstallDir / "templates",
                                                item.Caption + (item.Caption == "Manual" ? ".doc" : ".docx")));
    }
    EXPECT_EQ(captions, (std::set<std::string>{"Manual", "Guide"}));
    // A new document based on the template: its text, not the file itself.
    ASSERT_EQ(App->Documents()->Count(), 1);
    auto created = App->ActiveDocument();
    EXPECT_EQ(Narrow(created->Content()->Text()), "template text\r");
    EXPECT_NE(word::FromWord(created->FullName()), manual);
}

TEST_F(ModuleMenus, AMissingTemplatesFolderGivesAnEmptyMenu)
{
    Click(&TLorivexModule::TemplatesClick, "TemplatesPopup");
    EXPECT_EQ(Shown("TemplatesPopup"), 1);
    EXPECT_EQ(Module.TemplatesPopup.Count(), 0);
}

TEST_F(ModuleMenus, SymbolsListsThePicturesWithTheirOwnPictures)
{
    ASSERT_TRUE(platform::CreateDirExclusive(InstallDir / "Symbols"));
    WriteTextFile(platform::JoinPath(InstallDir / "Symbols", "Arrow.GIF"), Gif(12, 10));
    WriteTextFile(platform::JoinPath(InstallDir / "Symbols", "star.bmp"), Bmp(20, 18, 0x0000FF00));
    WriteTextFile(InstallDir / "Symbols/notes.txt", "not a picture");
    MouseAt(5, 6);
    Click(&TLorivexModule::SymbolsClick, "SymbolsPopup");
    EXPECT_EQ(Module.SymbolsPopup.PopupPoint().X, 5);
    EXPECT_EQ(Module.SymbolsPopup.PopupPoint().Y, 6);
    ASSERT_EQ(Module.SymbolsPopup.Count(), 2);
    for (int i = 0; i < 2; ++i) {
        const auto& item = Module.SymbolsPopup.Items(i);
        ASSERT_TRUE(item.Bitmap) << item.Caption;
        if (item.Caption == "Arrow") {
            EXPECT_EQ(item.Hint, platform::JoinPath(InstallDir / "Symbols", "Arrow.GIF"));
            EXPECT_EQ(item.Bitmap->Width(), 12);
            EXPECT_EQ(item.Bitmap->Height(), 10);
            EXPECT_EQ(item.Bitmap->Pixel(0, 0), ui::TColor(0x0000FF));
            EXPECT_EQ(item.Bitmap->Pixel(11, 9), ui::TColor(0xFF0000));
        } else {
            EXPECT_EQ(item.Caption, "star");
            EXPECT_EQ(item.Hint, platform::JoinPath(InstallDir / "Symbols", "star.bmp"));
            EXPECT_EQ(item.Bitmap->Width(), 20);
            EXPECT_EQ(item.Bitmap->Height(), 18);
            EXPECT_EQ(item.Bitmap->Pixel(3, 4), ui::TColor(0x00FF00));
        }
    }
}

TEST_F(ModuleMenus, ADamagedPictureFailsTheWholeClickWithTheLoadersMessage)
{
    ASSERT_TRUE(platform::CreateDirExclusive(InstallDir / "Symbols"));
    WriteTextFile(platform::JoinPath(InstallDir / "Symbols", "star.bmp"), Bmp(4, 4, 0));
    WriteTextFile(InstallDir / "Symbols/broken.gif", "GIF89a\x10");
    bool shown = false;
    auto failure = FailureOf([&] {
        Click(&TLorivexModule::SymbolsClick, "SymbolsPopup", "", [&](const ui::TPopupMenu&) { shown = true; });
    });
    EXPECT_FALSE(shown);
    EXPECT_THAT(failure.Message(), HasSubstr("broken.gif"));
    EXPECT_THAT(failure.CallStack(), ::testing::StartsWith("TLorivexModule.SymbolsClick\r\n"));

    // So does a folder named like a picture.
    platform::DeleteFile(InstallDir / "Symbols/broken.gif");
    ASSERT_TRUE(platform::CreateDirExclusive(InstallDir / "Symbols/folder.bmp"));
    failure = FailureOf([&] { Click(&TLorivexModule::SymbolsClick, "SymbolsPopup"); });
    EXPECT_THAT(failure.Message(), HasSubstr("folder.bmp"));
}

TEST_F(ModuleMenus, ChoosingASymbolInsertsItsPictureAtTheSelection)
{
    ASSERT_TRUE(platform::CreateDirExclusive(InstallDir / "Symbols"));
    WriteTextFile(platform::JoinPath(InstallDir / "Symbols", "star.bmp"), Bmp(8, 8, 0x000000FF));
    auto document = Document(H(1, T("Intro")) + P(T("Look here.")));
    CursorAt(document, "here");
    Click(&TLorivexModule::SymbolsClick, "SymbolsPopup", "star");
    EXPECT_EQ(document->Content()->InlineShapes()->Count(), 1);
    EXPECT_EQ(Narrow(document->Paragraphs()->Item(2)->Range()->Text()), "Look \x01here.\r");
}

TEST_F(ModuleMenus, ChoosingASymbolWithNoDocumentSaysSo)
{
    ASSERT_TRUE(platform::CreateDirExclusive(InstallDir / "Symbols"));
    WriteTextFile(platform::JoinPath(InstallDir / "Symbols", "star.bmp"), Bmp(8, 8, 0));
    auto failure = FailureOf([&] { Click(&TLorivexModule::SymbolsClick, "SymbolsPopup", "star"); });
    EXPECT_EQ(failure.Message(), "You need at least one active document for this command to work");
    EXPECT_EQ(failure.CallStack(), "TLorivexModule.SymbolsClick\r\nTLorivexModule.InsertSymbolClick\r\n");
}

} // namespace
} // namespace lorivex::test
