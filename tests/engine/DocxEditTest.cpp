// Documents edited through Word's interface and saved: what the authoring
// commands write reads back, in the form Word writes it.
#include "engine/DocxFixtures.h"
#include "engine/EngineFixture.h"
#include "engine/docx/DocxReader.h"
#include "engine/docx/DocxWriter.h"
#include "platform/FileSystem.h"

namespace lorivex::test {

namespace {

class DocxEditTest : public EngineTest {
protected:
    std::string source = Folder / "source.docx";
    std::string saved = Folder / "saved.docx";
    std::u16string Wide(const std::string& path) const { return std::u16string(path.begin(), path.end()); }

    word::DocumentPtr OpenFixture()
    {
        WordLikeDocument().Write(source);
        return App->Documents()->Open(Wide(source));
    }
    word::DocumentPtr SaveAndReopen(const word::DocumentPtr& document)
    {
        document->SaveAs(Wide(saved), word::wdFormatXMLDocument);
        document->Close();
        return App->Documents()->Open(Wide(saved));
    }
    // The text "Setup" of the fixture's last paragraph, a heading.
    word::RangePtr Setup(const word::DocumentPtr& document)
    {
        auto paragraphs = document->Paragraphs();
        auto range = paragraphs->Item(paragraphs->Count())->Range();
        range->SetEnd(range->End() - 1);
        EXPECT_EQ(u"Setup", range->Text());
        return range;
    }
};

TEST_F(DocxEditTest, CustomPropertyAddedCreatesTheCustomPartOnlyWhenMissing)
{
    DocxBuilder builder = WordLikeDocument();
    builder.Remove("docProps/custom.xml");
    builder.Write(source);
    auto document = App->Documents()->Open(Wide(source));
    document->CustomDocumentProperties()->Add(u"lxCompiledFile", false, word::PropertyTypeString,
                                              word::Variant::Text(u"Help \u00e9.chm"));
    auto reopened = SaveAndReopen(document);
    auto property = reopened->CustomDocumentProperties()->Item(1);
    EXPECT_EQ(u"lxCompiledFile", property->Name());
    EXPECT_EQ(u"Help \u00e9.chm", property->Value().ToText());
    auto parts = ReadParts(saved);
    EXPECT_NE(std::string::npos, parts["docProps/custom.xml"].find(
                                     "fmtid=\"{D5CDD505-2E9C-101B-9397-08002B2CF9AE}\" pid=\"2\" name=\"lxCompiledFile\">"
                                     "<vt:lpwstr>"));
    EXPECT_NE(std::string::npos, parts["[Content_Types].xml"].find("/docProps/custom.xml"));
    // The text was not touched, so neither was its part.
    EXPECT_EQ(ReadParts(source)["word/document.xml"], parts["word/document.xml"]);
}

TEST_F(DocxEditTest, CustomPartAndItsRelationshipAreAddedToAPackageWithout)
{
    DocxBuilder builder = WordLikeDocument();
    builder.Remove("docProps/custom.xml");
    builder.Part("_rels/.rels", "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/"
                                "package/2006/relationships\"><Relationship Id=\"rId1\" Type=\"http://schemas."
                                "openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
                                "Target=\"word/document.xml\"/></Relationships>");
    builder.Write(source);
    auto document = App->Documents()->Open(Wide(source));
    document->CustomDocumentProperties()->Add(u"lxTopicTitle", false, word::PropertyTypeString,
                                              word::Variant::Text(u"Topic Title"));
    auto reopened = SaveAndReopen(document);
    EXPECT_EQ(1, reopened->CustomDocumentProperties()->Count());
    EXPECT_NE(std::string::npos, ReadParts(saved)["_rels/.rels"].find("Target=\"docProps/custom.xml\""));
}

TEST_F(DocxEditTest, HiddenAddinFieldWithDataReadsBack)
{
    auto document = OpenFixture();
    auto heading = Setup(document);
    heading->InsertParagraphAfter();
    auto place = document->Range(heading->End() + 1, heading->End() + 1);
    auto field = document->Fields()->Add(place, word::wdFieldAddin, u"lxSeeAlsoData", true);
    field->SetData(u"Intro\r\nIntro\\Setup \u4e2d\r\n");
    auto code = field->Code();
    document->Range(code->Start() - 1, code->End() + 1)->Font()->SetHidden(-1);
    auto reopened = SaveAndReopen(document);
    auto fields = reopened->Fields();
    auto last = fields->Item(fields->Count());
    EXPECT_EQ(word::wdFieldAddin, last->Type());
    EXPECT_TRUE(last->Code()->Text().starts_with(u" ADDIN lxSeeAlsoData"));
    EXPECT_EQ(u"Intro\r\nIntro\\Setup \u4e2d\r\n", last->Data());
    EXPECT_EQ(-1, last->Code()->Font()->Hidden());
    std::string xml = ReadParts(saved)["word/document.xml"];
    EXPECT_NE(std::string::npos, xml.find("<w:fldData xml:space=\"preserve\">"));
    EXPECT_NE(std::string::npos, xml.find("<w:vanish/>"));
}

TEST_F(DocxEditTest, DocPropertyFieldAndInsertedTextReadBack)
{
    auto document = OpenFixture();
    auto heading = Setup(document);
    heading->InsertAfter(u" & <more>");
    auto end = document->Range(heading->End(), heading->End());
    document->Fields()->Add(end, word::wdFieldDocProperty, u"lxTopicTitle", true);
    auto reopened = SaveAndReopen(document);
    auto text = reopened->Content()->Text();
    EXPECT_NE(std::u16string::npos, text.find(u"Setup & <more>"));
    auto fields = reopened->Fields();
    auto last = fields->Item(fields->Count());
    EXPECT_EQ(word::wdFieldDocProperty, last->Type());
    EXPECT_EQ(u" DOCPROPERTY lxTopicTitle ", last->Code()->Text());
    EXPECT_EQ(u"Topic Title", last->Result()->Text());
}

TEST_F(DocxEditTest, HiddenBookmarkAndHyperlinkWithTargetReadBack)
{
    auto document = OpenFixture();
    auto heading = Setup(document);
    document->Bookmarks()->Add(u"_lxPopupBookmark1", heading);
    const std::u16string address = u"JavaScript:help_popup_ctrl.TextPopup(lxPopupText1,lxPopupFont1,9,9,-1,-1)";
    auto link = heading->Hyperlinks()->Add(heading, address);
    link->SetTarget(u"_self");
    auto reopened = SaveAndReopen(document);
    auto bookmarks = reopened->Bookmarks();
    bookmarks->SetShowHidden(true);
    ASSERT_TRUE(bookmarks->Exists(u"_lxPopupBookmark1"));
    EXPECT_EQ(u"Setup", bookmarks->Item(u"_lxPopupBookmark1")->Range()->Text());
    auto links = reopened->Content()->Hyperlinks();
    auto added = links->Item(links->Count());
    EXPECT_EQ(address, added->Address());
    EXPECT_EQ(u"_self", added->Target());
    EXPECT_EQ(u"Setup", added->TextToDisplay());
    auto parts = ReadParts(saved);
    EXPECT_NE(std::string::npos, parts["word/_rels/document.xml.rels"].find("TargetMode=\"External\""));
    EXPECT_NE(std::string::npos, parts["word/document.xml"].find("w:tgtFrame=\"_self\""));
}

TEST_F(DocxEditTest, BuiltInPropertyChangeGoesIntoCoreKeepingWhatElseItHolds)
{
    auto document = OpenFixture();
    document->BuiltInDocumentProperties()->Item(1)->SetValue(word::Variant::Text(u"Guide"));
    auto reopened = SaveAndReopen(document);
    EXPECT_EQ(u"Guide", reopened->BuiltInDocumentProperties()->Item(1)->Value().ToText());
    std::string core = ReadParts(saved)["docProps/core.xml"];
    EXPECT_NE(std::string::npos, core.find("<dc:creator>Ann</dc:creator>"));
    EXPECT_EQ(ReadParts(source)["docProps/app.xml"], ReadParts(saved)["docProps/app.xml"]);
}

TEST_F(DocxEditTest, PictureAddedThroughInlineShapesIsSavedWithItsPartAndType)
{
    std::string gif = Folder / "Arrow.gif";
    platform::WriteFileBytes(gif, std::string("GIF89a\x02\x00\x03\x00\x00\x00\x00;", 14));
    auto document = OpenFixture();
    Setup(document)->InlineShapes()->AddPicture(Wide(gif));
    auto reopened = SaveAndReopen(document);
    EXPECT_EQ(2, reopened->Content()->InlineShapes()->Count());
    auto parts = ReadParts(saved);
    EXPECT_EQ(platform::ReadFileBytes(gif), parts["word/media/image1.gif"]);
    EXPECT_NE(std::string::npos, parts["[Content_Types].xml"].find("Extension=\"gif\" ContentType=\"image/gif\""));
    EXPECT_NE(std::string::npos, parts["word/document.xml"].find("<wp:extent cx=\"19050\" cy=\"28575\"/>"));
}

TEST_F(DocxEditTest, PictureWithoutXmlIsWrittenAsAnInlineDrawingWithItsOwnPart)
{
    WordLikeDocument().Write(source);
    auto model = engine::docx::ReadDocx(source);
    engine::Fragment picture;
    picture.Records.emplace_back();
    engine::ObjectRecord object;
    object.Picture = true;
    object.Bytes = PngBytes + "different";
    object.ContentType = "image/png";
    object.Cx = object.Cy = 190500;
    picture.Records.emplace_back(object);
    picture.Text = std::u16string(1, engine::Mark::Object);
    picture.Attrs.push_back({0, 0, 1});
    model->Insert(model->Main(), 0, picture);
    engine::docx::WriteDocx(*model, saved);
    auto parts = ReadParts(saved);
    EXPECT_EQ(object.Bytes, parts["word/media/image2.png"]);
    auto back = engine::docx::ReadDocx(saved);
    auto* read = std::get_if<engine::ObjectRecord>(&back->Record(back->Main().Attrs[0].Ext));
    ASSERT_NE(nullptr, read);
    EXPECT_TRUE(read->Picture);
    EXPECT_EQ(object.Bytes, read->Bytes);
    EXPECT_EQ("image/png", read->ContentType);
    EXPECT_EQ(190500, read->Cx);
    // Saving again finds the part it made rather than making another.
    engine::docx::WriteDocx(*back, saved);
    EXPECT_EQ(0u, ReadParts(saved).count("word/media/image3.png"));
}

} // namespace

} // namespace lorivex::test
