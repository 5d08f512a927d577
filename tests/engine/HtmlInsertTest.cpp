// What the compiler and the authoring commands put into a document before
// it becomes a page: script blocks from files, text files, and pictures.
#include "Failure.h"
#include "engine/DocxFixtures.h"
#include "engine/HtmlSupport.h"

namespace lorivex::test {
namespace {

using HtmlInserting = HtmlTest;

std::u16string Wide(const std::string& path)
{
    return std::u16string(path.begin(), path.end());
}

// The text popup's script as the popup command writes it for popup 1.
const std::string PopupScript =
    "<div style=\"display:none; width:0px; height:0px; position:absolute; left:-50px; top: -50px;\">"
    "<script language=\"JavaScript\">\r\n"
    "    hlpctrl=document.getElementById('help_popup_ctrl');\t\r\n"
    "    if (hlpctrl==null)\r\n    {\r\n"
    "      document.write('<span style=\"display:none;\"><object id=\"help_popup_ctrl\" "
    "type=\"application/x-oleobject\" classid=\"clsid:adb880a6-d8ff-11cf-9377-00aa003b7a11\"></object></span>');\r\n"
    "    }\r\n    lxPopupFont1='Helvetica,10,,italic';\r\n"
    "    lxPopupText1='It\\'s \xE9 & <b>';   </script></div>\r\n";

// The related-topics menu script with one item.
const std::string SeeAlsoScript =
    "<script language=\"JavaScript\"> var hhctrl = document.getElementById('seealsohhctrl'); if (hhctrl==null) {\r\n"
    "document.write('<div style=\"display:none;\"><object id=\"seealsohhctrl\" "
    "classid=\"clsid:adb880a6-d8ff-11cf-9377-00aa003b7a11\"> '); \r\n"
    "document.write('<PARAM name=\"Command\" value=\"Related Topics, menu\">'); \r\n"
    "document.write('<PARAM name=\"Item1\" value=\"Intro;A1B2.html;\">'); \r\n"
    "document.write('</object></div>'); \r\n"
    "} </script>\r\n";

TEST_F(HtmlInserting, ThePopupStepsLeaveTheScriptBlockRightBeforeTheLinkText)
{
    std::string script = Folder / "lxPopup.js";
    platform::WriteFileBytes(script, PopupScript);
    auto document = NewDocument(u"Click Details here.");
    auto link = document->Range(6, 13);
    document->Bookmarks()->Add(u"_lxPopupBookmark1", link);
    const std::u16string address = u"JavaScript:help_popup_ctrl.TextPopup(lxPopupText1,lxPopupFont1,9,9,-1,-1)";
    document->Content()->Hyperlinks()->Add(link, address, {}, {}, {}, {})->SetTarget(u"_self");
    link->InsertBefore(u" ");
    auto r = document->Range(link->Start(), link->Start() + 1);
    r->InsertFile(Wide(script));
    document->Range(r->Start() + 1, r->End() + 2)->Delete(word::wdCharacter, 1);

    EXPECT_EQ(document->Content()->Text(), u"Click \x01" u"Details here.\r");
    EXPECT_EQ(document->Content()->Hyperlinks()->Item(1)->Range()->Text(), u"Details");
    std::string page = Save(document);
    EXPECT_NE(page.find("Click " + PopupScript + "<a name=\"_lxPopupBookmark1\"></a><a href=\"" +
                        std::string(address.begin(), address.end()) + "\" target=\"_self\">Details</a> here."),
              std::string::npos)
        << page;
}

// A package has no place for HTML: the block travels as a field that the
// reader makes a block again, while other ADDIN fields stay fields.
TEST_F(HtmlInserting, AScriptBlockSurvivesSavingAsDocxAndOpeningAgain)
{
    std::string script = Folder / "lxPopup.js";
    platform::WriteFileBytes(script, PopupScript);
    auto document = NewDocument(u"Click here.\rRelated.");
    document->Range(6, 6)->InsertFile(Wide(script));
    auto related = document->Paragraphs()->Item(2)->Range();
    auto field = related->Fields()->Add(related, word::wdFieldAddin, u"lxSeeAlsoData", true);
    field->SetData(u"Intro\r\n");
    const std::string before = Save(document);
    ASSERT_NE(before.find(PopupScript), std::string::npos) << before;

    const std::string path = Folder / "saved.docx";
    document->SaveAs(Wide(path), word::wdFormatXMLDocument, false);
    const std::string xml = ReadParts(path)["word/document.xml"];
    EXPECT_EQ(Occurrences(xml, " ADDIN lxHtmlBlock "), 1u);
    EXPECT_EQ(xml.find("lxPopupText1"), std::string::npos) << "kept as field data, unseen";

    auto reopened = App->Documents()->Open(Wide(path));
    EXPECT_EQ(Save(reopened, word::wdFormatFilteredHTML, "again.html"), before);
    ASSERT_EQ(reopened->Fields()->Count(), 1);
    EXPECT_EQ(reopened->Fields()->Item(1)->Type(), word::wdFieldAddin);
    EXPECT_EQ(reopened->Fields()->Item(1)->Data(), u"Intro\r\n");
}

TEST_F(HtmlInserting, TheRelatedTopicsScriptRunsAlthoughItIsHidden)
{
    std::string script = Folder / "hhctrlrelevant.js";
    platform::WriteFileBytes(script, SeeAlsoScript);
    auto document = NewDocument(u"Topic text.");
    auto search = document->Content();
    search->InsertAfter(u" ");
    auto at = search->Duplicate();
    at->SetRange(search->End() - 1, search->End() - 1);
    at->InsertFile(Wide(script));
    at->Font()->SetHidden(-1);
    document->Content()->Font()->SetHidden(-1);
    EXPECT_EQ(document->Content()->Font()->Hidden(), -1);

    std::string filtered = Save(document);
    EXPECT_EQ(Occurrences(filtered, SeeAlsoScript), 1u);
    EXPECT_EQ(filtered.find("Topic text"), std::string::npos);
    std::string word = Save(document, word::wdFormatHTML, "word.html");
    EXPECT_EQ(Occurrences(word, SeeAlsoScript), 1u);
    EXPECT_EQ(word.find("display:none\">" + SeeAlsoScript), std::string::npos);
}

TEST_F(HtmlInserting, TextFilesInsertTheirParagraphsAndDocumentsAreRefused)
{
    std::string text = Folder / "notes.txt";
    platform::WriteFileBytes(text, "one\r\ntwo \xE9");
    auto document = NewDocument(u"AB");
    document->Range(1, 1)->InsertFile(Wide(text));
    EXPECT_EQ(document->Content()->Text(), u"Aone\rtwo \u00e9B\r");

    std::string docx = Folder / "other.docx";
    platform::WriteFileBytes(docx, "PK");
    for (const std::string& path : {docx, Folder / "missing.htm"}) {
        EXPECT_THAT([&] { document->Content()->InsertFile(Wide(path)); },
                    ThrowsMessage<Exception>(testing::HasSubstr(path)));
    }
    EXPECT_EQ(document->Content()->Text(), u"Aone\rtwo \u00e9B\r");
}

std::string Le(uint32_t value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += char((value >> (8 * i)) & 0xFF);
    return out;
}

std::string Be(uint32_t value, int bytes)
{
    std::string le = Le(value, bytes);
    return std::string(le.rbegin(), le.rend());
}

struct PictureCase {
    const char* Name;
    std::string Bytes;
    const char* Size;
};

std::vector<PictureCase> PictureCases()
{
    std::string bmp = "BM" + Le(70, 4) + Le(0, 4) + Le(54, 4) + Le(40, 4) + Le(3, 4) + Le(uint32_t(-2), 4) +
                      Le(1, 2) + Le(24, 2) + std::string(40, '\0');
    std::string gif = "GIF89a" + Le(5, 2) + Le(4, 2) + std::string(20, '\0');
    std::string png = "\x89PNG\r\n\x1a\n" + Be(13, 4) + "IHDR" + Be(7, 4) + Be(6, 4) + std::string(10, '\0');
    std::string jpeg = "\xFF\xD8\xFF\xE0" + Be(16, 2) + std::string("JFIF\0", 5) + std::string(9, '\0') +
                       "\xFF\xC0" + Be(17, 2) + "\x08" + Be(8, 2) + Be(9, 2) + std::string(12, '\0');
    return {{"pic.bmp", bmp, "width=\"3\" height=\"2\" src=\"page_files/image001.bmp\""},
            {"pic.gif", gif, "width=\"5\" height=\"4\" src=\"page_files/image001.gif\""},
            {"pic.png", png, "width=\"7\" height=\"6\" src=\"page_files/image001.png\""},
            {"pic.jpg", jpeg, "width=\"9\" height=\"8\" src=\"page_files/image001.jpg\""}};
}

TEST_F(HtmlInserting, AddPictureReadsTheSizeFromEachFormatsHeader)
{
    for (const auto& picture : PictureCases()) {
        SCOPED_TRACE(picture.Name);
        std::string path = Folder / picture.Name;
        platform::WriteFileBytes(path, picture.Bytes);
        auto document = NewDocument(u"A[X]B");
        auto range = document->Range(1, 4);
        range->InlineShapes()->AddPicture(Wide(path));
        EXPECT_EQ(document->Content()->Text(), u"A\x01" u"B\r");
        EXPECT_EQ(document->Content()->InlineShapes()->Count(), 1);
        std::string page = Save(document);
        EXPECT_NE(page.find(std::string("<img ") + picture.Size + ">"), std::string::npos) << page;
        std::string written = Folder / (std::string("page_files/image001") + platform::ExtractFileExt(picture.Name));
        EXPECT_EQ(platform::ReadFileBytes(written), picture.Bytes);
        document->Close(word::wdDoNotSaveChanges);
    }
}

TEST_F(HtmlInserting, UnknownOrDamagedPicturesAreRefusedByName)
{
    auto document = NewDocument(u"text");
    std::string cut = PictureCases()[2].Bytes.substr(0, 20);
    std::string noFrame = "\xFF\xD8\xFF\xD9";
    for (const auto& [name, bytes] : std::vector<std::pair<std::string, std::string>>{
             {"notes.gif", "just text"}, {"cut.png", cut}, {"empty.jpg", noFrame}, {"zero.gif", "GIF89a\0\0\0\0"}}) {
        std::string path = Folder / name;
        platform::WriteFileBytes(path, bytes);
        EXPECT_THAT([&] { document->Content()->InlineShapes()->AddPicture(Wide(path)); },
                    ThrowsMessage<Exception>(testing::HasSubstr(path)));
    }
    EXPECT_EQ(document->Content()->Text(), u"text\r");
}

} // namespace
} // namespace lorivex::test
