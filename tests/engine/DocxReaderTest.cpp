// Reading documents as Word and LibreOffice write them.
#include "Failure.h"
#include "engine/EngineFixture.h"
#include "engine/docx/DocxReader.h"
#include "platform/FileSystem.h"

namespace lorivex::test {
namespace {

using DocxReading = EngineTest;

std::string Heading(int level, const std::string& text)
{
    return "<w:p><w:pPr><w:pStyle w:val=\"Heading" + std::to_string(level) + "\"/></w:pPr><w:r><w:t>" + text +
           "</w:t></w:r></w:p>";
}

std::string Para(const std::string& runs)
{
    return "<w:p>" + runs + "</w:p>";
}

std::string TextRun(const std::string& text)
{
    return "<w:r><w:t xml:space=\"preserve\">" + text + "</w:t></w:r>";
}

TEST_F(DocxReading, HeadingLevelsComeFromStylesChainsAndDirectOutlineLevels)
{
    auto document = Open(DocxBuilder()
                             .Styles("<w:style w:type=\"paragraph\" w:styleId=\"Chapter\"><w:name w:val=\"Chapter\"/>"
                                     "<w:basedOn w:val=\"Heading1\"/></w:style>")
                             .Body(Heading(1, "One") + Heading(2, "Two") + Heading(3, "Three") +
                                   "<w:p><w:pPr><w:pStyle w:val=\"Chapter\"/></w:pPr><w:r><w:t>Four</w:t></w:r></w:p>"
                                   "<w:p><w:pPr><w:outlineLvl w:val=\"4\"/></w:pPr><w:r><w:t>Five</w:t></w:r></w:p>"
                                   "<w:p><w:pPr><w:pStyle w:val=\"Heading1\"/><w:outlineLvl w:val=\"9\"/></w:pPr>"
                                   "<w:r><w:t>Body</w:t></w:r></w:p>" +
                                   Para(TextRun("plain"))));
    auto paragraphs = document->Paragraphs();
    ASSERT_EQ(paragraphs->Count(), 7);
    std::vector<long> levels;
    for (auto p = paragraphs->First(); p; p = p->Next())
        levels.push_back(p->OutlineLevel());
    EXPECT_EQ(levels, (std::vector<long>{1, 2, 3, 1, 5, 10, 10}));
}

TEST_F(DocxReading, ComplexNestedAndSimpleFieldsBecomeWordsMarks)
{
    auto body = Para(TextRun("A") +
                     "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r>"
                     "<w:r><w:instrText xml:space=\"preserve\"> IF </w:instrText></w:r>"
                     "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r>"
                     "<w:r><w:instrText> PAGE </w:instrText></w:r>"
                     "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r><w:r><w:t>3</w:t></w:r>"
                     "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>"
                     "<w:r><w:instrText xml:space=\"preserve\"> = 3 \"yes\" </w:instrText></w:r>"
                     "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r><w:r><w:t>yes</w:t></w:r>"
                     "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>" +
                     "<w:fldSimple w:instr=\" DOCPROPERTY lxTopicTitle \">" + TextRun("Topic Title") + "</w:fldSimple>");
    auto document = Open(DocxBuilder().Body(body));
    auto fields = document->Fields();
    ASSERT_EQ(fields->Count(), 3);
    EXPECT_EQ(fields->Item(1)->Code()->Text(), u" IF \x13 PAGE \x14" u"3\x15 = 3 \"yes\" ");
    EXPECT_EQ(fields->Item(2)->Type(), word::wdFieldPage);
    EXPECT_EQ(fields->Item(2)->Result()->Text(), u"3");
    EXPECT_EQ(fields->Item(3)->Type(), word::wdFieldDocProperty);
    EXPECT_EQ(fields->Item(3)->Result()->Text(), u"Topic Title");
}

TEST_F(DocxReading, BookmarksHyperlinksAndCrossReferences)
{
    auto document = Open(
        DocxBuilder()
            .Relationship("rIdLink", std::string(DocxBuilder::RelType) + "hyperlink", "http://example.com/", true)
            .Body("<w:p><w:bookmarkStart w:id=\"0\" w:name=\"_Toc1\"/>" + TextRun("Setup") +
                  "<w:bookmarkEnd w:id=\"0\"/></w:p>"
                  "<w:p><w:bookmarkStart w:id=\"1\" w:name=\"Visible\"/><w:bookmarkEnd w:id=\"1\"/>"
                  "<w:hyperlink r:id=\"rIdLink\" w:tgtFrame=\"_blank\" w:tooltip=\"Tip\">" +
                  TextRun("web") +
                  "</w:hyperlink><w:hyperlink w:anchor=\"_Toc1\">" + TextRun("inside") +
                  "</w:hyperlink>"
                  "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText> REF _Toc1 \\h </w:instrText></w:r>"
                  "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>" +
                  TextRun("Setup") + "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r></w:p>"));
    auto bookmarks = document->Bookmarks();
    EXPECT_EQ(bookmarks->Count(), 1);
    EXPECT_TRUE(bookmarks->Exists(u"_toc1"));
    bookmarks->SetShowHidden(true);
    ASSERT_EQ(bookmarks->Count(), 2);
    EXPECT_EQ(bookmarks->Item(1)->Name(), u"_Toc1");
    EXPECT_EQ(bookmarks->Item(1)->Range()->Text(), u"Setup");

    auto links = document->Content()->Hyperlinks();
    ASSERT_EQ(links->Count(), 3);
    EXPECT_EQ(links->Item(1)->Address(), u"http://example.com/");
    EXPECT_EQ(links->Item(1)->Target(), u"_blank");
    EXPECT_EQ(links->Item(1)->ScreenTip(), u"Tip");
    EXPECT_EQ(links->Item(2)->Address(), u"");
    EXPECT_EQ(links->Item(2)->SubAddress(), u"_Toc1");
    EXPECT_EQ(links->Item(3)->SubAddress(), u"_Toc1");
    links->Item(3)->SetAddress(u"ABC.html");
    EXPECT_EQ(document->Content()->Hyperlinks()->Item(3)->Address(), u"ABC.html");
}

TEST_F(DocxReading, TablesNestedTablesListsAndPictures)
{
    std::string cell = "<w:tc><w:tcPr><w:tcW w:w=\"100\"/></w:tcPr>" + Para(TextRun("c")) + "</w:tc>";
    std::string inner = "<w:tbl><w:tblPr/><w:tblGrid/><w:tr>" + cell + "</w:tr></w:tbl>";
    std::string outer = "<w:tbl><w:tblPr><w:tblStyle w:val=\"Grid\"/></w:tblPr><w:tblGrid/><w:tr>" + cell +
                        "<w:tc>" + inner + Para(TextRun("d")) + "</w:tc></w:tr></w:tbl>";
    std::string list = "<w:p><w:pPr><w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"1\"/></w:numPr></w:pPr>" +
                       TextRun("item") + "</w:p>";
    std::string picture =
        "<w:p><w:r><w:drawing><wp:inline><wp:extent cx=\"914400\" cy=\"457200\"/><a:graphic><a:graphicData>"
        "<pic:pic><pic:blipFill><a:blip r:embed=\"rIdImage\"/></pic:blipFill></pic:pic></a:graphicData>"
        "</a:graphic></wp:inline></w:drawing></w:r></w:p>";
    auto document = Open(DocxBuilder()
                             .Relationship("rIdImage", std::string(DocxBuilder::RelType) + "image", "media/p.png")
                             .Part("word/media/p.png", "PNGDATA")
                             .Body(outer + list + picture));
    EXPECT_EQ(document->Content()->Text(), u"c\r\a" u"c\r\a\r\a" u"d\r\a\r\a" u"item\r\x01\r");
    EXPECT_EQ(document->Content()->InlineShapes()->Count(), 1);
    EXPECT_EQ(document->Paragraphs()->Item(6)->Range()->Text(), u"item\r");
}

TEST_F(DocxReading, HeadersFootersAndTheSelectionsSection)
{
    std::string header = "<w:hdr " + DocxBuilder::WordNamespaces() + ">" + Para(TextRun("Second header")) + "</w:hdr>";
    std::string footer = "<w:ftr " + DocxBuilder::WordNamespaces() + ">" + Para(TextRun("Footer")) + "</w:ftr>";
    auto document = Open(
        DocxBuilder()
            .Relationship("rIdH", std::string(DocxBuilder::RelType) + "header", "header1.xml")
            .Relationship("rIdF", std::string(DocxBuilder::RelType) + "footer", "footer1.xml")
            .Part("word/header1.xml", header)
            .Part("word/footer1.xml", footer)
            .Body("<w:p><w:pPr><w:sectPr/></w:pPr>" + TextRun("First section") + "</w:p>" + Para(TextRun("Second")) +
                  "<w:sectPr><w:headerReference w:type=\"default\" r:id=\"rIdH\"/>"
                  "<w:footerReference w:type=\"default\" r:id=\"rIdF\"/></w:sectPr>"));
    auto window = document->ActiveWindow();
    window->Selection()->SetStart(16);
    window->Selection()->SetEnd(16);
    window->ActivePane()->View()->SetSeekView(word::wdSeekCurrentPageHeader);
    EXPECT_EQ(window->Selection()->HeaderFooter()->Range()->Text(), u"Second header\r");
    window->ActivePane()->View()->SetSeekView(word::wdSeekCurrentPageFooter);
    EXPECT_EQ(window->Selection()->HeaderFooter()->Range()->Text(), u"Footer\r");
    window->ActivePane()->View()->SetSeekView(word::wdSeekMainDocument);
    EXPECT_EQ(window->Selection()->Start(), 16);
    EXPECT_THROW(window->Selection()->HeaderFooter(), word::EWordError);
}

TEST_F(DocxReading, CoreAppAndCustomProperties)
{
    auto document = Open(
        DocxBuilder()
            .Part("docProps/core.xml",
                  "<cp:coreProperties xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/"
                  "core-properties\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
                  "xmlns:dcterms=\"http://purl.org/dc/terms/\"><dc:title>Manual</dc:title><dc:creator>Ann</dc:creator>"
                  "<dcterms:created>2024-03-05T10:20:30Z</dcterms:created></cp:coreProperties>")
            .Part("docProps/app.xml",
                  "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\">"
                  "<Company>Vantrell</Company><Pages>7</Pages></Properties>")
            .Part("docProps/custom.xml",
                  "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/custom-properties\" "
                  "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\">"
                  "<property fmtid=\"{D5CDD505-2E9C-101B-9397-08002B2CF9AE}\" pid=\"2\" name=\"LXDATEFORMAT\">"
                  "<vt:lpwstr>yyyy-mm-dd</vt:lpwstr></property></Properties>"));
    auto builtIn = document->BuiltInDocumentProperties();
    EXPECT_EQ(builtIn->Item(1)->Name(), u"Title");
    EXPECT_EQ(builtIn->Item(1)->Value().text, u"Manual");
    EXPECT_EQ(builtIn->Item(3)->Value().text, u"Ann");
    EXPECT_EQ(builtIn->Item(11)->Name(), u"Creation Date");
    EXPECT_EQ(builtIn->Item(11)->Value().date.Year, 2024);
    EXPECT_EQ(builtIn->Item(10)->Name(), u"Last Print Date");
    EXPECT_THROW(builtIn->Item(10)->Value(), word::EWordError);
    EXPECT_EQ(builtIn->Item(14)->Value().integer, 7);
    EXPECT_EQ(builtIn->Item(21)->Value().text, u"Vantrell");
    EXPECT_EQ(document->CustomDocumentProperties()->Item(1)->Name(), u"LXDATEFORMAT");
}

TEST_F(DocxReading, LibreOfficeStyleDefaultNamespaceAndContentControls)
{
    // Another producer: the main namespace as default namespace, other
    // prefixes, field characters and instructions in one run, content
    // controls around paragraphs.
    std::string document =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<document xmlns=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
        "xmlns:o=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><body>"
        "<sdt><sdtPr><alias o:val=\"Box\"/></sdtPr><sdtContent>"
        "<p><pPr><pStyle o:val=\"Heading1\"/></pPr><r><t>Title</t></r></p></sdtContent></sdt>"
        "<p><r><fldChar o:fldCharType=\"begin\"/><instrText> DOCPROPERTY \"lxCompiledFile\" </instrText>"
        "<fldChar o:fldCharType=\"separate\"/></r><r><t>x.chm</t></r><r><fldChar o:fldCharType=\"end\"/></r></p>"
        "</body></document>";
    DocxBuilder builder;
    builder.Part("word/document.xml", document);
    auto opened = Open(builder);
    EXPECT_EQ(opened->Paragraphs()->First()->OutlineLevel(), 1);
    ASSERT_EQ(opened->Fields()->Count(), 1);
    EXPECT_EQ(opened->Fields()->Item(1)->Type(), word::wdFieldDocProperty);
    EXPECT_EQ(Raw(opened->Content()), u"Title\r\x13 DOCPROPERTY \"lxCompiledFile\" \x14x.chm\x15\r");
}

TEST_F(DocxReading, StrictNamespaceWithByteOrderMark)
{
    std::string strict = "http://purl.oclc.org/ooxml/wordprocessingml/main";
    DocxBuilder builder;
    builder.Part("word/document.xml", "\xEF\xBB\xBF<x:document xmlns:x=\"" + strict + "\"><x:body>" +
                                          "<x:p><x:pPr><x:outlineLvl x:val=\"1\"/></x:pPr><x:r><x:t>Strict "
                                          "\xC3\xA9</x:t></x:r></x:p></x:body></x:document>");
    auto document = Open(builder);
    EXPECT_EQ(document->Paragraphs()->First()->OutlineLevel(), 2);
    EXPECT_EQ(document->Content()->Text(), u"Strict \u00e9\r");
}

// Each malformed package fails with a message naming the file and the
// problem, and nothing crashes.
class MalformedInput : public EngineTest {
protected:
    std::string FailureOf(const std::string& path)
    {
        return test::MessageOf([&] { engine::docx::ReadDocx(path); });
    }
};

TEST_F(MalformedInput, NotAZip)
{
    std::string path = Folder / "text.docx";
    WriteTextFile(path, "just text");
    EXPECT_EQ(FailureOf(path),
              "Cannot open \"" + path + "\": it is not a word-processing document package (not a zip file)");
}

TEST_F(MalformedInput, MissingDocumentPart)
{
    std::string path = Folder / "empty.docx";
    DocxBuilder().Remove("word/document.xml").Write(path);
    EXPECT_EQ(FailureOf(path), "Cannot open \"" + path + "\": the package has no main document part (word/document.xml)");
}

TEST_F(MalformedInput, BrokenXml)
{
    std::string path = Folder / "broken.docx";
    DocxBuilder().Part("word/document.xml", "<w:document><w:body><w:p></w:body>").Write(path);
    auto message = FailureOf(path);
    EXPECT_NE(message.find(path), std::string::npos);
    EXPECT_NE(message.find("word/document.xml is not well-formed XML"), std::string::npos) << message;
}

TEST_F(MalformedInput, AbsurdNestingDepth)
{
    std::string path = Folder / "deep.docx";
    std::string open, close;
    for (int i = 0; i < 5000; ++i)
        open += "<w:sdt><w:sdtContent>", close += "</w:sdtContent></w:sdt>";
    DocxBuilder().Body(open + close).Write(path);
    EXPECT_EQ(FailureOf(path), "Cannot open \"" + path + "\": word/document.xml nests elements more than 1000 deep");
}

TEST_F(MalformedInput, MissingFile)
{
    std::string path = Folder / "absent.docx";
    EXPECT_EQ(FailureOf(path), "Cannot open \"" + path + "\": the file does not exist or cannot be read");
}

} // namespace
} // namespace lorivex::test
