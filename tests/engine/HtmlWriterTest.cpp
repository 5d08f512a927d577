// Pages written by Document.SaveAs in the two HTML formats.
#include "Failure.h"
#include "engine/HtmlSupport.h"
#include "platform/CodePages.h"
#include "platform/WriteBehind.h"
#include "services/LorivexUtils.h"

namespace lorivex::test {
namespace {

using HtmlWriting = HtmlTest;

TEST_F(HtmlWriting, ParagraphsBecomeHeadingsAndClassesWithTheirStylesAsCss)
{
    std::string styles =
        "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/>"
        "<w:rPr><w:rFonts w:ascii=\"Verdana\"/><w:sz w:val=\"20\"/></w:rPr></w:style>"
        "<w:style w:type=\"paragraph\" w:styleId=\"Heading1\"><w:name w:val=\"heading 1\"/>"
        "<w:basedOn w:val=\"Normal\"/><w:pPr><w:outlineLvl w:val=\"0\"/></w:pPr><w:rPr><w:b/><w:sz w:val=\"32\"/>"
        "</w:rPr></w:style>"
        "<w:style w:type=\"paragraph\" w:styleId=\"Heading8\"><w:name w:val=\"heading 8\"/>"
        "<w:basedOn w:val=\"Normal\"/><w:pPr><w:outlineLvl w:val=\"7\"/></w:pPr></w:style>"
        "<w:style w:type=\"paragraph\" w:styleId=\"Note\"><w:name w:val=\"Note\"/><w:basedOn w:val=\"Normal\"/>"
        "<w:pPr><w:jc w:val=\"center\"/></w:pPr><w:rPr><w:i/></w:rPr></w:style>"
        "<w:style w:type=\"paragraph\" w:styleId=\"Unused\"><w:name w:val=\"Unused\"/></w:style>";
    std::string page = SaveDocx(DocxBuilder().Styles(styles).Body(
        Styled("Heading1", "Title") + Styled("Heading8", "Deep") + Styled("Note", "A note") + P(R("Body")) +
        P(R("Level two"), "<w:outlineLvl w:val=\"1\"/>") + P(R("Right"), "<w:jc w:val=\"right\"/>")));
    EXPECT_NE(page.find("<h1>Title</h1>"), std::string::npos);
    EXPECT_NE(page.find("<p class=\"MsoHeading8\">Deep</p>"), std::string::npos);
    EXPECT_NE(page.find("<p class=\"Note\">A note</p>"), std::string::npos);
    EXPECT_NE(page.find("<p class=\"MsoNormal\">Body</p>"), std::string::npos);
    EXPECT_NE(page.find("<h2 class=\"MsoNormal\">Level two</h2>"), std::string::npos);
    EXPECT_NE(page.find("<p class=\"MsoNormal\" style=\"text-align:right\">Right</p>"), std::string::npos);
    // The rules: a style inherits what it is based on and overrides it.
    EXPECT_NE(page.find("h1\r\n\t{font-family:'Verdana';font-size:16.0pt;font-weight:bold;margin-top:0pt}"),
              std::string::npos);
    EXPECT_NE(page.find("p.Note\r\n\t{font-family:'Verdana';font-size:10.0pt;font-style:italic;margin-top:0pt;"
                        "text-align:center}"),
              std::string::npos);
    EXPECT_NE(page.find("p.MsoNormal\r\n\t{"), std::string::npos);
    EXPECT_EQ(page.find("Unused"), std::string::npos);
}

// A hidden paragraph mark joins its paragraph to the next, as Word shows it,
// so hidden text at a paragraph's end leaves no empty paragraph behind.
TEST_F(HtmlWriting, AHiddenParagraphMarkJoinsTheNextParagraph)
{
    std::string page = SaveDocx(DocxBuilder().Body(P(R("first "), "<w:rPr><w:vanish/></w:rPr>") + P(R("second"))
                                                   + P(R("hidden", "<w:vanish/>"), "<w:rPr><w:vanish/></w:rPr>")
                                                   + P(R("third"))));
    EXPECT_NE(page.find(">first second</p>"), std::string::npos) << page;
    EXPECT_NE(page.find(">third</p>"), std::string::npos) << page;
    EXPECT_EQ(Occurrences(page, "<p "), 2u) << page;
}

TEST_F(HtmlWriting, RunsKeepTheirFormattingAsNestedElements)
{
    std::string page = SaveDocx(DocxBuilder().Body(P(
        R("bold", "<w:b/>") + R("both", "<w:b/><w:i/>") + R("under", "<w:u w:val=\"single\"/>") +
        R("red", "<w:color w:val=\"FF0000\"/><w:sz w:val=\"28\"/>") + R("up", "<w:vertAlign w:val=\"superscript\"/>") +
        "<w:r><w:t>a</w:t><w:tab/><w:t>b</w:t><w:br/><w:t>c</w:t></w:r>")));
    EXPECT_NE(page.find("<b>bold</b><b><i>both</i></b><u>under</u>"
                        "<span style=\"color:#FF0000;font-size:14.0pt\">red</span><sup>up</sup>"
                        "a&nbsp;&nbsp;&nbsp;&nbsp; b<br>\r\nc</p>"),
              std::string::npos)
        << page;
}

TEST_F(HtmlWriting, HeadCarriesCharsetTitleBaseTargetAndLinkedStyleSheetsLast)
{
    ScopedEnv codePage("LORIVEX_ANSI_CODEPAGE", "1252");
    auto document = NewDocument(u"Caf\u00e9 \u0416 <a&b> \"q\"");
    SetBuiltInDocProperty(document, "Title", word::Variant::Text(u"My <Help>"), word::PropertyTypeString, false);
    document->SetDefaultTargetFrame(u"_self");
    document->AddStyleSheet(u"low.css", 1, u"", word::wdStyleSheetPrecedenceHighest);
    document->AddStyleSheet(u"high.css", 1, u"", word::wdStyleSheetPrecedenceHighest);
    std::string page = Save(document);
    EXPECT_NE(page.find("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"),
              std::string::npos);
    EXPECT_NE(page.find("<title>My &lt;Help&gt;</title>"), std::string::npos);
    EXPECT_NE(page.find("<base target=\"_self\">"), std::string::npos);
    size_t style = page.find("</style>"), low = page.find("href=\"low.css\""), high = page.find("href=\"high.css\"");
    ASSERT_NE(high, std::string::npos);
    EXPECT_LT(style, low);
    EXPECT_LT(low, high);
    EXPECT_LT(high, page.find("</head>"));
    EXPECT_NE(page.find("Caf\xE9 &#1046; &lt;a&amp;b&gt; &quot;q&quot;"), std::string::npos);
}

TEST_F(HtmlWriting, CharsetFollowsTheAnsiCodePage)
{
    ScopedEnv codePage("LORIVEX_ANSI_CODEPAGE", "1251");
    if (platform::AnsiCodePage() != 1251)
        GTEST_SKIP() << "the ANSI code page is the system's (Windows) or iconv has no CP1251";
    std::string page = Save(NewDocument(u"\u0416 \u00e9"));
    EXPECT_NE(page.find("charset=windows-1251\""), std::string::npos);
    EXPECT_NE(page.find("\xC6 &#233;"), std::string::npos); // Zhe is a byte of 1251, e acute is not
}

TEST_F(HtmlWriting, LinksKeepAddressSubAddressAndTargetAndBookmarksBecomeAnchors)
{
    auto document = NewDocument(u"web local both\r");
    auto link = [&](long start, long end, const std::optional<std::u16string>& address,
                    const std::optional<std::u16string>& sub) {
        return document->Content()->Hyperlinks()->Add(document->Range(start, end), address, sub, {}, {}, {});
    };
    link(0, 3, u"http://example.com/", {})->SetTarget(u"_blank");
    link(4, 9, {}, u"_Toc1");
    link(10, 14, u"t2.html", u"part");
    document->Bookmarks()->Add(u"_Toc1", document->Range(0, 0));
    std::string page = Save(document);
    EXPECT_NE(page.find("<a name=\"_Toc1\"></a><a href=\"http://example.com/\" target=\"_blank\">web</a> "
                        "<a href=\"#_Toc1\">local</a> <a href=\"t2.html#part\">both</a>"),
              std::string::npos)
        << page;
}

TEST_F(HtmlWriting, FieldsShowTheirResultAndHyperlinkFieldsBecomeLinks)
{
    std::string field = "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r>"
                        "<w:r><w:instrText xml:space=\"preserve\"> HYPERLINK \"a.html\" \\l \"x\" \\t \"_top\" "
                        "</w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>" +
                        R("go") + "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>";
    std::string page = SaveDocx(DocxBuilder().Body(
        P(R("Title: ") + "<w:fldSimple w:instr=\" DOCPROPERTY lxTopicTitle \">" + R("Topic One") + "</w:fldSimple>") +
        P(field)));
    EXPECT_NE(page.find("Title: Topic One"), std::string::npos);
    EXPECT_EQ(page.find("DOCPROPERTY"), std::string::npos);
    EXPECT_EQ(page.find("HYPERLINK"), std::string::npos);
    EXPECT_NE(page.find("<a href=\"a.html#x\" target=\"_top\">go</a>"), std::string::npos) << page;
}

TEST_F(HtmlWriting, HiddenTextIsLeftOutOfFilteredPagesAndHiddenInWordPages)
{
    auto builder = DocxBuilder().Body(P(R("shown ") + R("secret", "<w:vanish/>")) +
                                      P("<w:r><w:rPr><w:vanish/></w:rPr><w:t>gone</w:t></w:r>",
                                        "<w:rPr><w:vanish/></w:rPr>"));
    std::string filtered = SaveDocx(builder);
    EXPECT_NE(filtered.find("shown </p>"), std::string::npos);
    EXPECT_EQ(filtered.find("secret"), std::string::npos);
    EXPECT_EQ(filtered.find("gone"), std::string::npos);
    std::string word = SaveDocx(builder, word::wdFormatHTML);
    EXPECT_NE(word.find("<span style=\"display:none\">secret</span>"), std::string::npos);
    EXPECT_NE(word.find("xmlns:o=\"urn:schemas-microsoft-com:office:office\""), std::string::npos);
    EXPECT_EQ(filtered.find("urn:schemas-microsoft-com"), std::string::npos);
}

TEST_F(HtmlWriting, TablesNestInsideCells)
{
    auto cell = [](const std::string& content) { return "<w:tc>" + content + "</w:tc>"; };
    std::string inner = "<w:tbl><w:tr>" + cell(P(R("i1"))) + cell(P(R("i2"))) + "</w:tr></w:tbl>";
    std::string outer = "<w:tbl><w:tblPr><w:tblStyle w:val=\"TableGrid\"/></w:tblPr><w:tr>" + cell(P(R("a"))) +
                        cell(P(R("b")) + inner + P(R("after"))) + "</w:tr><w:tr>" + cell(P(R("c"))) +
                        cell("<w:p/>") + "</w:tr></w:tbl>";
    std::string page = SaveDocx(DocxBuilder().Body(P(R("before")) + outer + P(R("end"))));
    EXPECT_EQ(Occurrences(page, "<table"), 2u);
    EXPECT_EQ(Occurrences(page, "</table>"), 2u);
    EXPECT_EQ(Occurrences(page, "<tr>"), 3u);
    EXPECT_EQ(Occurrences(page, "<td"), 6u);
    EXPECT_EQ(Occurrences(page, "</td>"), 6u);
    size_t at = 0;
    for (const char* piece : {"before", "<table border=\"1\"", "a</p>", "b</p>", "<table border=\"0\"", "i2</p>",
                              "</table>", "after</p>", "c</p>", "</td>", "</tr>", "</table>", "end</p>"}) {
        at = page.find(piece, at);
        ASSERT_NE(at, std::string::npos) << piece << " missing in order in\n" << page;
    }
}

TEST_F(HtmlWriting, ListParagraphsShowTheirNumbersAndBullets)
{
    std::string numbering =
        "<w:numbering " + DocxBuilder::WordNamespaces() +
        "><w:abstractNum w:abstractNumId=\"0\"><w:lvl w:ilvl=\"0\"><w:start w:val=\"1\"/><w:numFmt w:val=\"decimal\"/>"
        "<w:lvlText w:val=\"%1.\"/></w:lvl><w:lvl w:ilvl=\"1\"><w:start w:val=\"1\"/>"
        "<w:numFmt w:val=\"lowerLetter\"/><w:lvlText w:val=\"%1.%2)\"/></w:lvl></w:abstractNum>"
        "<w:abstractNum w:abstractNumId=\"1\"><w:lvl w:ilvl=\"0\"><w:numFmt w:val=\"bullet\"/>"
        "<w:lvlText w:val=\"\xEF\x82\xB7\"/></w:lvl></w:abstractNum>"
        "<w:num w:numId=\"1\"><w:abstractNumId w:val=\"0\"/></w:num>"
        "<w:num w:numId=\"2\"><w:abstractNumId w:val=\"1\"/></w:num></w:numbering>";
    auto item = [](int num, int level, const std::string& text) {
        return P(R(text), "<w:numPr><w:ilvl w:val=\"" + std::to_string(level) + "\"/><w:numId w:val=\"" +
                              std::to_string(num) + "\"/></w:numPr>");
    };
    auto document = Open(DocxBuilder().Part("word/numbering.xml", numbering)
                             .Body(item(1, 0, "one") + item(1, 1, "sub") + item(1, 0, "two") + item(2, 0, "dot")));
    std::string page = Save(document);
    EXPECT_NE(page.find(">1.&nbsp; one</p>"), std::string::npos) << page;
    EXPECT_NE(page.find(">1.a)&nbsp; sub</p>"), std::string::npos);
    EXPECT_NE(page.find(">2.&nbsp; two</p>"), std::string::npos);
    EXPECT_NE(page.find(">\x95&nbsp; dot</p>"), std::string::npos);
    // Copied into a new document, as every topic is, the lists keep their
    // numbers: the list definitions come along.
    auto topic = App->Documents()->Add(u"", false);
    topic->Content()->SetFormattedText(document->Content()->FormattedText());
    std::string copied = Save(topic, word::wdFormatFilteredHTML, "topic.html");
    EXPECT_NE(copied.find(">2.&nbsp; two</p>"), std::string::npos) << copied;
    EXPECT_NE(copied.find(">\x95&nbsp; dot</p>"), std::string::npos);
}

TEST_F(HtmlWriting, PicturesGoIntoAFolderBesideThePage)
{
    std::string picture =
        "<w:r><w:drawing><wp:inline><wp:extent cx=\"952500\" cy=\"476250\"/><a:graphic><a:graphicData>"
        "<pic:pic><pic:blipFill><a:blip r:embed=\"rIdImage\"/></pic:blipFill></pic:pic></a:graphicData>"
        "</a:graphic></wp:inline></w:drawing></w:r>";
    auto document = Open(DocxBuilder()
                             .Relationship("rIdImage", std::string(DocxBuilder::RelType) + "image", "media/p.png")
                             .Part("word/media/p.png", "PNGDATA")
                             .Body(P(R("see ") + picture)));
    std::string page = Save(document, word::wdFormatFilteredHTML, "my page.html");
    EXPECT_NE(page.find("<img width=\"100\" height=\"50\" src=\"my%20page_files/image001.png\">"), std::string::npos)
        << page;
    EXPECT_EQ(platform::ReadFileBytes(platform::JoinPath(Folder / "my page_files", "image001.png")), "PNGDATA");

    Save(NewDocument(u"no pictures"), word::wdFormatFilteredHTML, "plain.html");
    EXPECT_FALSE(platform::DirectoryExists(Folder / "plain_files"));
}

TEST_F(HtmlWriting, SavingIsAtomicAndNamesTheFileOnFailure)
{
    std::string existing = Folder / "old.html";
    platform::WriteFileBytes(existing, "old page");
    auto document = NewDocument(u"new text");
    std::string missing = platform::JoinPath(Folder / "no-such-folder", "page.html");
    EXPECT_THAT([&] { document->SaveAs(std::u16string(missing.begin(), missing.end()), word::wdFormatFilteredHTML, false); },
                ThrowsMessage<Exception>(testing::HasSubstr(missing)));
    // The temporary file cannot be created: the old page stays as it was.
    ASSERT_TRUE(platform::ForceDirectories(existing + ".lxtmp"));
    EXPECT_THROW(document->SaveAs(std::u16string(existing.begin(), existing.end()), word::wdFormatFilteredHTML),
                 Exception);
    EXPECT_EQ(platform::ReadFileBytes(existing), "old page");
    EXPECT_FALSE(platform::FileExists(missing));

    auto count = App->Documents()->Count();
    document->Close(word::wdDoNotSaveChanges);
    EXPECT_EQ(App->Documents()->Count(), count - 1);
}

// In a compile, pages are written on another thread and a page that could
// not be written fails a later save: the failure names the page that failed.
TEST_F(HtmlWriting, APageWrittenBehindThatFailedIsNamedByItselfNotByALaterSave)
{
    std::string blocked = Folder / "blocked.html";
    ASSERT_TRUE(platform::ForceDirectories(blocked + ".lxtmp"));
    auto document = NewDocument(u"text");
    auto save = [&](const std::string& path) {
        document->SaveAs(std::u16string(path.begin(), path.end()), word::wdFormatFilteredHTML, false);
    };
    std::string message;
    try {
        platform::WriteBehind pages;
        save(blocked);
        for (int i = 0; i < 300; ++i)
            save(Folder / ("later" + std::to_string(i) + ".html"));
        pages.Finish();
    } catch (const Exception& e) {
        message = e.Message();
    }
    EXPECT_NE(message.find(blocked), std::string::npos) << message;
    EXPECT_EQ(message.find("later"), std::string::npos) << message;
}

} // namespace
} // namespace lorivex::test
