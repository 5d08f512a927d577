// The code viewer: what it paints, and that its kept line states stay
// right through edits while sparing the scanning.
#include <random>

#include "highlight/CodeViewer.h"
#include "highlight/CppHighlighter.h"
#include "highlight/HighlightSupport.h"
#include "highlight/PascalHighlighter.h"
#include "platform/CodePages.h"
#include "ui/headless/RecordingCanvas.h"
#include "ui/headless/TextMetrics.h"

namespace lorivex::test {
namespace {

std::vector<std::u16string> Lines(const std::vector<std::string>& utf8)
{
    std::vector<std::u16string> lines;
    for (const auto& line : utf8)
        lines.push_back(platform::Utf8ToUtf16(line));
    return lines;
}

const ui::headless::DrawnText* Drawn(const ui::headless::Recording& picture, const std::string& text)
{
    for (const auto& drawn : picture.Texts)
        if (drawn.Text == text)
            return &drawn;
    return nullptr;
}

TEST(CodeViewer, PaintsEachTokenInItsColourAndStyle)
{
    TCppHighlighter cpp;
    TCodeViewer viewer;
    viewer.SetBounds(0, 0, 400, 100);
    viewer.SetLines(Lines({"int x; // c", "\tx = \"caf\xC3\xA9\";"}));
    viewer.SetHighlighter(&cpp);
    EXPECT_EQ(viewer.Font.Name, "Courier New");
    EXPECT_EQ(viewer.Font.Size(), 10);

    auto picture = ui::headless::Paint(viewer);
    ASSERT_FALSE(picture.Fills.empty());
    EXPECT_EQ(picture.Fills[0].Color, ui::ColorToRGB(ui::clWindow)) << "the background";
    EXPECT_EQ(picture.TextStrings(), (std::vector<std::string>{"int", "x", ";", "// c", "x", "=",
                                                               platform::Utf16ToAnsi(u"\"caf\u00e9\""), ";"}));
    const auto* keyword = Drawn(picture, "int");
    EXPECT_EQ(keyword->Font.Color, cpp.Attributes(TTokenKind::Keyword).Color);
    EXPECT_TRUE(keyword->Font.Style & ui::fsBold);
    EXPECT_EQ(keyword->Font.Name, "Courier New");
    const auto* comment = Drawn(picture, "// c");
    EXPECT_EQ(comment->Font.Color, cpp.Attributes(TTokenKind::Comment).Color);
    EXPECT_TRUE(comment->Font.Style & ui::fsItalic);
    EXPECT_FALSE(comment->Font.Style & ui::fsBold);
    EXPECT_EQ(picture.Texts[2].At.Y, 0);
    EXPECT_GT(comment->At.X, keyword->At.X);

    // The second line starts one line height down, its tab widened to the
    // first stop: four characters of the font.
    const int charWidth = ui::headless::MeasureText("x", viewer.Font).Width;
    EXPECT_EQ(picture.Texts[4].At, (ui::TPoint{2 + 4 * charWidth, viewer.LineHeight()}));
    EXPECT_EQ(picture.Texts[4].Font.Color, cpp.Attributes(TTokenKind::Identifier).Color);
}

TEST(CodeViewer, WithoutHighlighterPaintsPlainLinesFromTheTopLine)
{
    TCodeViewer viewer;
    std::vector<std::string> many;
    for (int i = 0; i < 100; ++i)
        many.push_back("line " + std::to_string(i) + " // not a comment");
    viewer.SetLines(Lines(many));
    viewer.SetBounds(0, 0, 400, viewer.LineHeight() * 3 + 2);
    viewer.SetTopLine(40);
    auto picture = ui::headless::Paint(viewer);
    ASSERT_EQ(picture.Texts.size(), 4u) << "three whole lines and a part of the next, no more";
    EXPECT_EQ(picture.Texts[0].Text, "line 40 // not a comment");
    EXPECT_EQ(picture.Texts[0].Font.Color, ui::ColorToRGB(ui::clWindowText));
    EXPECT_EQ(picture.Texts[0].Font.Style, 0u);
    EXPECT_EQ(viewer.VisibleLineCount(), 3);
    viewer.SetTopLine(1000);
    EXPECT_EQ(viewer.TopLine(), 99);
}

TEST(CodeViewer, KeptStatesSpareRescanningAfterEdits)
{
    TCppHighlighter cpp;
    TCodeViewer viewer;
    std::vector<std::string> source;
    for (int i = 0; i < 1000; ++i)
        source.push_back("int v" + std::to_string(i) + " = " + std::to_string(i) + ";");
    viewer.SetLines(Lines(source));
    viewer.SetHighlighter(&cpp);
    EXPECT_EQ(viewer.LineTokens(999).front().Kind, TTokenKind::Keyword);
    const long first = viewer.LinesScanned();
    EXPECT_LE(first, 1001);

    viewer.SetLine(500, u"long w = 2;"); // ends as it did: the rest stays known
    viewer.LineTokens(999);
    EXPECT_LE(viewer.LinesScanned() - first, 2);

    viewer.SetLine(500, u"/* opened"); // changes everything after it
    EXPECT_EQ(viewer.LineTokens(999).front().Kind, TTokenKind::Comment);
    EXPECT_GE(viewer.LinesScanned() - first, 500);

    TPascalHighlighter pascal; // another language forgets every state
    viewer.SetHighlighter(&pascal);
    const long before = viewer.LinesScanned();
    EXPECT_EQ(viewer.LineTokens(999).front().Kind, TTokenKind::Identifier);
    EXPECT_GE(viewer.LinesScanned() - before, 999);
}

// Random edits against a viewer that scans everything afresh: the kept
// states must never make a line come out differently.
TEST(CodeViewer, EditsGiveTheTokensOfAFreshScan)
{
    TCppHighlighter cpp;
    const std::vector<std::u16string> pieces = {u"int a;", u"/* open", u"close */ x", u"R\"(raw", u")\" y;",
                                                u"#define A \\", u"  B", u"// c", u"", u"\"s\""};
    std::mt19937 random(7);
    auto piece = [&] { return pieces[random() % pieces.size()]; };
    TCodeViewer viewer;
    std::vector<std::u16string> lines;
    for (int i = 0; i < 40; ++i)
        lines.push_back(piece());
    viewer.SetLines(lines);
    viewer.SetHighlighter(&cpp);
    for (int round = 0; round < 300; ++round) {
        const int count = viewer.LineCount();
        switch (random() % 3) {
        case 0: viewer.SetLine(int(random() % count), piece()); break;
        case 1: viewer.InsertLine(int(random() % (count + 1)), piece()); break;
        default:
            if (count > 1)
                viewer.DeleteLine(int(random() % count));
            break;
        }
        // Look at some line, so that states are kept up to different points.
        viewer.LineTokens(int(random() % viewer.LineCount()));
        if (round % 10 != 9)
            continue;
        TCodeViewer fresh;
        fresh.SetLines(viewer.Lines());
        fresh.SetHighlighter(&cpp);
        for (int i = 0; i < viewer.LineCount(); ++i)
            ASSERT_EQ(viewer.LineTokens(i), fresh.LineTokens(i)) << "line " << i << " after round " << round;
    }
}

TEST(CodeViewer, EditsOutsideTheLinesAreRefused)
{
    TCodeViewer viewer;
    viewer.SetText(u"a\r\nb\r\n");
    EXPECT_THROW(viewer.SetLine(2, u"c"), Exception);
    EXPECT_THROW(viewer.DeleteLine(-1), Exception);
    EXPECT_THROW(viewer.InsertLine(3, u"c"), Exception);
    viewer.InsertLine(2, u"c");
    EXPECT_EQ(viewer.Lines(), Lines({"a", "b", "c"}));
}

} // namespace
} // namespace lorivex::test
