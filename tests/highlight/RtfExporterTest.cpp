// The RTF writer: what a word processor reads back from it is the text
// that went in, in the highlighter's colours and styles.
#include <cstdlib>

#include "TestSupport.h"
#include "engine/Utf.h"
#include "engine/rtf/RtfReader.h"
#include "highlight/CppHighlighter.h"
#include "highlight/HighlightSupport.h"
#include "highlight/RtfExporter.h"
#include "highlight/SourceText.h"
#include "platform/Clipboard.h"
#include "platform/CodePages.h"
#include "platform/FileSystem.h"

namespace lorivex::test {
namespace {

struct ReadBack {
    engine::DocumentModel Model;
    engine::Fragment Fragment;
    explicit ReadBack(const std::string& rtf) : Fragment(engine::rtf::ReadRtf(rtf, Model)) {}
    const engine::CharFormat& At(std::size_t i) const { return Model.CharFormats[Fragment.Attrs.at(i).Format]; }
    std::string Text() const { return engine::Utf16ToUtf8(Fragment.Text); }
};

std::u16string Hex(ui::TColor colour)
{
    char text[7];
    std::snprintf(text, sizeof text, "%02X%02X%02X", ui::RedOf(colour), ui::GreenOf(colour), ui::BlueOf(colour));
    return platform::AnsiToUtf16(text);
}

TEST(RtfExporter, ReadsBackAsTheSameTextInTheTokensColours)
{
    TCppHighlighter cpp;
    TRtfExporter exporter;
    exporter.SetHighlighter(&cpp);
    exporter.ExportAll(Lines({"int main() { // start", "\treturn \"a\\\\b{}\";", "}"}));
    ReadBack read(exporter.Rtf());
    ASSERT_EQ(read.Text(), "int main() { // start\r\treturn \"a\\\\b{}\";\r}\r");

    // Each token's characters carry its kind's colour and styles.
    const std::u16string text = read.Fragment.Text;
    auto expectKind = [&](std::size_t at, TTokenKind kind) {
        const auto& attributes = cpp.Attributes(kind);
        const auto& format = read.At(at);
        EXPECT_EQ(format.Color, Hex(attributes.Color)) << "at " << at;
        EXPECT_EQ(format.Bold.value_or(false), attributes.Bold) << "at " << at;
        EXPECT_EQ(format.Italic.value_or(false), attributes.Italic) << "at " << at;
        EXPECT_EQ(format.Font, u"Courier New");
        EXPECT_EQ(format.Size, 20);
    };
    expectKind(text.find(u"int"), TTokenKind::Keyword);
    expectKind(text.find(u"main"), TTokenKind::Identifier);
    expectKind(text.find(u"// start") + 3, TTokenKind::Comment);
    expectKind(text.find(u"return"), TTokenKind::Keyword);
    expectKind(text.find(u"\"a") + 2, TTokenKind::String);
    expectKind(text.find(u"b{}") + 1, TTokenKind::String);
    expectKind(text.rfind(u'}'), TTokenKind::Operator);
}

TEST(RtfExporter, HeaderDeclaresCodePageFontColoursAndTitle)
{
    TCppHighlighter cpp;
    TRtfExporter exporter;
    exporter.SetHighlighter(&cpp);
    exporter.ExportAll(Lines({"x = 1; // one"}));
    const std::string& rtf = exporter.Rtf();
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg" + std::to_string(platform::AnsiCodePage()) + "\\", 0), 0u) << rtf;
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset"), std::string::npos);
    EXPECT_NE(rtf.find(" Courier New;}}"), std::string::npos);
    EXPECT_NE(rtf.find("{\\info{\\title Untitled}}"), std::string::npos);
    EXPECT_NE(rtf.find("\\fs20 "), std::string::npos);
    // The colours used, and only those: identifiers and operators share black.
    EXPECT_NE(rtf.find("{\\colortbl;\\red0\\green0\\blue0;\\red0\\green128\\blue128;\\red0\\green128\\blue0;}"),
              std::string::npos)
        << rtf;
    for (const char* background : {"\\cb", "\\highlight", "\\chcbpat", "\\chshdng"})
        EXPECT_EQ(rtf.find(background), std::string::npos) << background;
    EXPECT_EQ(rtf.back(), '}');

    exporter.Title = "Caf\xE9 {1}";
    exporter.Font.Name = "Lucida Console";
    exporter.Font.SetSize(9);
    exporter.ExportAll(Lines({"x"}));
    EXPECT_NE(exporter.Rtf().find("{\\title Caf\\'e9 \\{1\\}}"), std::string::npos) << exporter.Rtf();
    EXPECT_NE(exporter.Rtf().find(" Lucida Console;}}"), std::string::npos);
    EXPECT_NE(exporter.Rtf().find("\\fs18 "), std::string::npos);
}

TEST(RtfExporter, CharactersOutsideTheCodePageAndRtfSpecialsSurvive)
{
    ScopedEnv western("LORIVEX_ANSI_CODEPAGE", "1252");
    TCppHighlighter cpp;
    TRtfExporter exporter;
    exporter.SetHighlighter(&cpp);
    const std::string line = "s = \"caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD \xF0\x9F\x98\x80 \\\\ { } \xCE\xA9\";";
    exporter.ExportAll(Lines({line}));
    const std::string& rtf = exporter.Rtf();
    EXPECT_NE(rtf.find("caf\\'e9 \\'80 \\u20013?"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\u-10179?\\u-8704?"), std::string::npos) << "a surrogate pair is two \\u";
    EXPECT_NE(rtf.find("\\\\\\\\ \\{ \\}"), std::string::npos);
    EXPECT_EQ(ReadBack(rtf).Text(), line + "\r");
}

TEST(RtfExporter, CyrillicCodePageWritesItsOwnBytes)
{
    ScopedEnv cyrillic("LORIVEX_ANSI_CODEPAGE", "1251");
    if (platform::AnsiCodePage() != 1251)
        GTEST_SKIP() << "iconv has no CP1251";
    TRtfExporter exporter;
    const std::string line = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xC3\xA9"; // Привет é
    exporter.ExportAll(Lines({line}));
    EXPECT_NE(exporter.Rtf().find("\\ansicpg1251"), std::string::npos);
    EXPECT_NE(exporter.Rtf().find("\\fcharset204"), std::string::npos);
    EXPECT_NE(exporter.Rtf().find("\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2 \\u233?"), std::string::npos) << exporter.Rtf();
    EXPECT_EQ(ReadBack(exporter.Rtf()).Text(), line + "\r");
}

TEST(RtfExporter, PlainTextWithoutHighlighterAndExportFromAPosition)
{
    TRtfExporter exporter;
    auto lines = Lines({"first line", "second\tline", "third"});
    exporter.ExportAll(lines);
    EXPECT_NE(exporter.Rtf().find("{\\colortbl;}"), std::string::npos);
    EXPECT_EQ(exporter.Rtf().find("\\cf"), std::string::npos);
    EXPECT_NE(exporter.Rtf().find("second\\tab line\\par"), std::string::npos);
    EXPECT_EQ(ReadBack(exporter.Rtf()).Text(), "first line\rsecond\tline\rthird\r");

    exporter.ExportFrom(lines, {2, 4});
    EXPECT_EQ(ReadBack(exporter.Rtf()).Text(), "ond\tline\rthird\r");
    exporter.ExportFrom(lines, {4, 1});
    EXPECT_EQ(ReadBack(exporter.Rtf()).Text(), "");
    exporter.ExportAll({});
    EXPECT_EQ(ReadBack(exporter.Rtf()).Text(), "");
}

TEST(RtfExporter, ExportFromAPositionKeepsTheStateOfTheLinesBefore)
{
    TCppHighlighter cpp;
    TRtfExporter exporter;
    exporter.SetHighlighter(&cpp);
    exporter.ExportFrom(Lines({"/* a comment", "still comment */ int x;"}), {2, 7});
    ReadBack read(exporter.Rtf());
    ASSERT_EQ(read.Text(), "comment */ int x;\r");
    EXPECT_EQ(read.At(0).Italic, true);
    EXPECT_EQ(read.At(11).Bold, true);
}

TEST(RtfExporter, CopyReplacesEverythingOnTheClipboard)
{
    platform::SetClipboardBlocks({{platform::ClipboardTextFormat, "old"}, {"HTML Format", "<b>old</b>"}});
    TRtfExporter exporter;
    exporter.ExportAll(Lines({"new"}));
    exporter.CopyToClipboard();
    auto blocks = platform::GetClipboardBlocks();
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].Format, platform::ClipboardRtfFormat);
    EXPECT_EQ(blocks[0].Data, exporter.Rtf());
}

} // namespace
} // namespace lorivex::test
