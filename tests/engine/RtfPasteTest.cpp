// Pasting the clipboard into a document: "Rich Text Format" read into
// formatted text (what the paste-code command relies on), plain text when
// there is no RTF, and Word's error when there is nothing.
#include "Failure.h"
#include "engine/HtmlSupport.h"
#include "engine/Utf.h"
#include "engine/rtf/RtfReader.h"
#include "engine/word/EngineRange.h"
#include "platform/Clipboard.h"

namespace lorivex::test {
namespace {

// Highlighted code as the code exporter writes it: Courier New 10 pt, a
// colour table, one \par per line.
const std::string CodeRtf =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab720{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}"
    "{\\f1\\fswiss Arial;}}\r\n"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green128\\blue0;}\r\n"
    "{\\info{\\title Untitled}}\\paperw12240\\margl1800\\f0\\fs20\\cf0\r\n"
    "\\cf2\\b int\\b0\\cf0  main() \\{\\par\r\n"
    "\\cf3\\i // hi\\i0\\cf0\\par\r\n"
    "\\}\\par\r\n}";

struct Read {
    engine::DocumentModel Model;
    engine::Fragment Fragment;
    explicit Read(const std::string& rtf) : Fragment(engine::rtf::ReadRtf(rtf, Model)) {}
    const engine::CharFormat& At(size_t i) const { return Model.CharFormats[Fragment.Attrs.at(i).Format]; }
};

std::string Utf8(const std::u16string& text) { return engine::Utf16ToUtf8(text); }

TEST(RtfReader, CodeRunsCarryColourBoldItalicFontAndSize)
{
    Read read(CodeRtf);
    ASSERT_EQ(Utf8(read.Fragment.Text), "int main() {\r// hi\r}\r");
    ASSERT_EQ(read.Fragment.Attrs.size(), read.Fragment.Text.size());
    EXPECT_EQ(read.Fragment.Source, &read.Model);
    const auto& keyword = read.At(0);
    EXPECT_EQ(keyword.Bold, true);
    EXPECT_EQ(keyword.Color, u"0000FF");
    EXPECT_EQ(keyword.Font, u"Courier New");
    EXPECT_EQ(keyword.Size, 20);
    EXPECT_EQ(keyword.Italic, std::nullopt);
    const auto& plain = read.At(3);
    EXPECT_EQ(plain.Bold, false);
    EXPECT_EQ(plain.Color, std::nullopt); // \cf0: the automatic colour
    EXPECT_EQ(plain.Font, u"Courier New");
    const auto& comment = read.At(13);
    EXPECT_EQ(read.Fragment.Text[13], u'/');
    EXPECT_EQ(comment.Italic, true);
    EXPECT_EQ(comment.Color, u"008000");
    // Paragraph marks carry no paragraph formatting of their own.
    EXPECT_EQ(read.Fragment.Attrs[12].Para, 0u);
}

TEST(RtfReader, UnderlineFontSwitchPlainAndNestedGroups)
{
    Read read("{\\rtf1{\\fonttbl\\f0 Times;\\f1 Arial;}\\deff0 a{\\b\\ul b{\\i\\f1\\fs32 c}d}e\\ul\\ulnone f"
              "{\\uldb g}\\b\\plain h\\line i\\tab j}");
    ASSERT_EQ(Utf8(read.Fragment.Text), "abcdef" + std::string("gh\x0bi\tj"));
    EXPECT_EQ(read.At(0).Bold, std::nullopt);
    EXPECT_EQ(read.At(0).Font, u"Times");
    EXPECT_EQ(read.At(1).Bold, true);
    EXPECT_EQ(read.At(1).Underline, u"single");
    EXPECT_EQ(read.At(2).Italic, true);
    EXPECT_EQ(read.At(2).Font, u"Arial");
    EXPECT_EQ(read.At(2).Size, 32);
    // Closing a group gives back the formatting around it.
    EXPECT_EQ(read.At(3).Italic, std::nullopt);
    EXPECT_EQ(read.At(3).Font, u"Times");
    EXPECT_EQ(read.At(3).Bold, true);
    EXPECT_EQ(read.At(4).Bold, std::nullopt);
    EXPECT_EQ(read.At(4).Underline, std::nullopt);
    EXPECT_EQ(read.At(5).Underline, u"none");
    EXPECT_EQ(read.At(6).Underline, u"double");
    EXPECT_EQ(read.At(7).Bold, std::nullopt); // \plain after \b
    EXPECT_EQ(read.At(7).Underline, std::nullopt);
}

TEST(RtfReader, UnicodeFallbackCodePageBytesAndEscapes)
{
    Read read("{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\'80\\u8364?x\\uc2\\u945\\'3f\\'3fy{\\uc0\\u946 z}"
              "\\u-4064?\\uc1\\u969 {w} \\{\\}\\\\\\~}");
    EXPECT_EQ(read.Fragment.Text, u"caf\u00e9 \u20ac\u20acx\u03b1y\u03b2z\uf020\u03c9w {}\\\u00a0");
}

TEST(RtfReader, DestinationsThatAreNotTextAreSkipped)
{
    Read read("{\\rtf1{\\info{\\author Someone}{\\title T}}{\\stylesheet{\\s0 Normal;}}"
              "{\\*\\generator Writer 1.0;}{\\*\\unknownthing {nested} text}"
              "{\\pict\\pngblip\\bin4 {}\\ 89ab}{\\header head}"
              "A{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt B}}C}");
    EXPECT_EQ(Utf8(read.Fragment.Text), "ABC");
}

TEST(RtfReader, DamagedInputGivesWhatCouldBeRead)
{
    // Every prefix of a document, and braces out of balance either way.
    for (size_t length = 0; length <= CodeRtf.size(); ++length) {
        Read read(CodeRtf.substr(0, length));
        EXPECT_EQ(read.Fragment.Attrs.size(), read.Fragment.Text.size());
    }
    EXPECT_EQ(Utf8(Read("}}}{\\rtf1 a}}}b{{{\\b c").Fragment.Text), "abc");
    EXPECT_EQ(Utf8(Read("{\\rtf1 x\\'4").Fragment.Text), "x");
    EXPECT_EQ(Utf8(Read("{\\rtf1 x\\u").Fragment.Text), "x");
    EXPECT_EQ(Utf8(Read("{\\rtf1 x\\fs99999999999999999999 y\\bin999999}").Fragment.Text), "xy");
    EXPECT_EQ(Utf8(Read("not rtf at all").Fragment.Text), "not rtf at all");
    EXPECT_TRUE(Read("").Fragment.Text.empty());
}

class RtfPaste : public HtmlTest {
protected:
    void SetUp() override { platform::SetClipboardBlocks({}); }
    void TearDown() override { platform::SetClipboardBlocks({}); }

    static const engine::CharFormat& FormatAt(const word::DocumentPtr& document, long position)
    {
        // The range is held while its story is read: the model outlives it.
        auto range = document->Range(position, position + 1);
        const auto& story = engine::wordimpl::Own(range).StoryOf();
        return story.Model->CharFormats[story.Get().Attrs.at(size_t(position)).Format];
    }
};

TEST_F(RtfPaste, RtfReplacesTheSelectionAsFormattedTextAndTheSelectionFollowsIt)
{
    auto document = NewDocument(u"Hello world, bye");
    platform::SetClipboardBlocks({{platform::ClipboardTextFormat, "int main() {"},
                                  {platform::ClipboardRtfFormat, CodeRtf}});
    auto selection = App->ActiveWindow()->Selection();
    selection->SetStart(6);
    selection->SetEnd(11);
    ASSERT_EQ(selection->Text(), u"world");
    selection->Paste();

    EXPECT_EQ(Narrow(document->Content()->Text()), "Hello int main() {\r// hi\r}\r, bye\r");
    EXPECT_EQ(document->Paragraphs()->Count(), 4);
    const long after = 6 + 21;
    EXPECT_EQ(selection->Start(), after);
    EXPECT_EQ(selection->End(), after);
    EXPECT_EQ(FormatAt(document, 6).Bold, true);
    EXPECT_EQ(FormatAt(document, 6).Color, u"0000FF");
    EXPECT_EQ(FormatAt(document, 6).Size, 20);
    EXPECT_EQ(FormatAt(document, 6).Font, u"Courier New");
    EXPECT_EQ(FormatAt(document, 6 + 13).Italic, true);
    EXPECT_EQ(FormatAt(document, 0).Bold, std::nullopt); // the text before is untouched
    // Typing goes on where the paste ended.
    selection->SetText(u"!");
    EXPECT_EQ(Narrow(document->Content()->Text()), "Hello int main() {\r// hi\r}\r!, bye\r");
}

TEST_F(RtfPaste, AFinalParAtTheEndOfTheDocumentAddsNoEmptyParagraph)
{
    auto document = NewDocument(u"old");
    platform::SetClipboardBlocks({{platform::ClipboardRtfFormat, "{\\rtf1 one\\par two\\par}"}});
    auto selection = App->ActiveWindow()->Selection();
    selection->SetStart(0);
    selection->SetEnd(document->Content()->End());
    selection->Paste();
    EXPECT_EQ(Narrow(document->Content()->Text()), "one\rtwo\r");
    EXPECT_EQ(document->Paragraphs()->Count(), 2);
    // Never after the final paragraph mark.
    EXPECT_EQ(selection->Start(), 7);
    EXPECT_EQ(selection->End(), 7);
}

TEST_F(RtfPaste, PlainTextWhenThereIsNoRtfAndWordsErrorWhenThereIsNothing)
{
    auto document = NewDocument(u"ab");
    auto selection = App->ActiveWindow()->Selection();
    selection->SetStart(1);
    selection->SetEnd(1);
    EXPECT_THAT([&] { selection->Paste(); },
                ThrowsMessage<word::EWordError>(
                    "This method or property is not available because the Clipboard is empty or not valid."));
    EXPECT_EQ(Narrow(document->Content()->Text()), "ab\r");

    platform::SetClipboardText("x\r\ny");
    selection->Paste();
    EXPECT_EQ(Narrow(document->Content()->Text()), "ax\ryb\r");
    EXPECT_EQ(selection->Start(), 4);

    std::u16string wide = u"\u03b1\r\n";
    platform::SetClipboardBlocks({{platform::ClipboardUnicodeTextFormat,
                                   std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * 2)}});
    selection->Paste();
    EXPECT_EQ(document->Content()->Text(), u"ax\ry\u03b1\rb\r");
    EXPECT_EQ(selection->End(), 6);
}

TEST_F(RtfPaste, PastedCodeKeepsColourAndBoldInTheSavedPage)
{
    auto document = NewDocument(u"Code:");
    platform::SetClipboardBlocks({{platform::ClipboardRtfFormat, CodeRtf}});
    auto selection = App->ActiveWindow()->Selection();
    selection->SetStart(5);
    selection->SetEnd(5);
    selection->Paste();
    std::string page = Save(document);
    EXPECT_NE(page.find("<b>int</b>"), std::string::npos) << page;
    EXPECT_NE(page.find("color:#0000FF"), std::string::npos) << page;
    EXPECT_NE(page.find("color:#008000"), std::string::npos) << page;
    EXPECT_NE(page.find("<i>// hi</i>"), std::string::npos) << page;
    EXPECT_NE(page.find("Courier New"), std::string::npos) << page;
    EXPECT_NE(page.find("10.0pt"), std::string::npos) << page;
}

} // namespace
} // namespace lorivex::test
