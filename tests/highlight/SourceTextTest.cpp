// Reading source files for the command line: encodings, line ends, and
// the files that are no text at all.
#include <gtest/gtest.h>

#include "Failure.h"
#include "TestSupport.h"
#include "base/Exception.h"
#include "highlight/SourceText.h"
#include "platform/CodePages.h"

namespace lorivex::test {
namespace {

const std::vector<std::u16string> Cafe = {u"caf\u00e9 \u20ac", u"x"};

// Bytes with their zeros, as the literal spells them.
template <std::size_t N>
std::string Bytes(const char (&literal)[N])
{
    return std::string(literal, N - 1);
}

std::string ErrorOf(const std::string& bytes, const std::string& name = "sample.c")
{
    return test::MessageOf([&] { DecodeSourceText(bytes, name); });
}

TEST(SourceText, ByteOrderMarksAndUtf8AreDecoded)
{
    EXPECT_EQ(DecodeSourceText("\xEF\xBB\xBF" "caf\xC3\xA9 \xE2\x82\xAC\r\nx", "a"), Cafe);
    EXPECT_EQ(DecodeSourceText("caf\xC3\xA9 \xE2\x82\xAC\nx\n", "a"), Cafe) << "UTF-8 without a mark";
    EXPECT_EQ(DecodeSourceText(Bytes("\xFF\xFE" "c\0a\0f\0\xE9\0 \0\xAC\x20\r\0\n\0x\0"), "a"), Cafe);
    EXPECT_EQ(DecodeSourceText(Bytes("\xFE\xFF\0c\0a\0f\0\xE9\0 \x20\xAC\0\n\0x"), "a"), Cafe);
    EXPECT_EQ(DecodeSourceText(Bytes("\xFF\xFE=\xD8\0\xDE"), "a"), (std::vector<std::u16string>{u"\U0001F600"}));
}

TEST(SourceText, OtherBytesAreTextInTheAnsiCodePage)
{
    ScopedEnv western("LORIVEX_ANSI_CODEPAGE", "1252");
    EXPECT_EQ(DecodeSourceText("caf\xE9 \x80\rx", "a"), Cafe);
    ScopedEnv japanese("LORIVEX_ANSI_CODEPAGE", "932");
    if (platform::AnsiCodePage() != 932)
        GTEST_SKIP() << "iconv has no CP932";
    EXPECT_EQ(DecodeSourceText("\x93\xfa\x96\x7b", "a"), (std::vector<std::u16string>{u"\u65e5\u672c"}));
    // A lead byte without its second byte is no text in this code page.
    const std::string message = ErrorOf("ok\n\x93", "jp.txt");
    EXPECT_NE(message.find("\"jp.txt\""), std::string::npos) << message;
    EXPECT_NE(message.find("ANSI code page (932)"), std::string::npos) << message;
}

TEST(SourceText, BinaryDataAndBrokenUtf8AreRefusedNamingTheFile)
{
    std::string message = ErrorOf(Bytes("MZ\x90\0\x03"), "tool.exe");
    EXPECT_NE(message.find("\"tool.exe\""), std::string::npos) << message;
    EXPECT_NE(message.find("binary"), std::string::npos) << message;
    EXPECT_NE(ErrorOf(Bytes("\xFF\xFEx\0\0\0")).find("binary"), std::string::npos);
    EXPECT_NE(ErrorOf("\xFF\xFEx").find("middle of a character"), std::string::npos);
    EXPECT_NE(ErrorOf("\xEF\xBB\xBF" "caf\xE9").find("not valid UTF-8"), std::string::npos);
    TempFolder folder;
    EXPECT_THAT([&] { ReadSourceFile(folder / "missing.pas"); },
                ThrowsMessage<Exception>(testing::HasSubstr("missing.pas")));
}

TEST(SourceText, LineEnds)
{
    using Lines = std::vector<std::u16string>;
    EXPECT_EQ(DecodeSourceText("", "empty"), Lines{});
    EXPECT_EQ(DecodeSourceText("\xEF\xBB\xBF", "mark only"), Lines{});
    EXPECT_EQ(SplitLines(u"\n"), Lines{u""});
    EXPECT_EQ(SplitLines(u"a\r\nb\nc\rd"), (Lines{u"a", u"b", u"c", u"d"}));
    EXPECT_EQ(SplitLines(u"a\n\n"), (Lines{u"a", u""}));
    EXPECT_EQ(SplitLines(u"a\r\r\nb"), (Lines{u"a", u"", u"b"}));
    EXPECT_EQ(SplitLines(u"\tx "), Lines{u"\tx "});
    TempFolder folder;
    WriteTextFile(folder / "f.ini", "[a]\r\nb=1\r\n");
    EXPECT_EQ(ReadSourceFile(folder / "f.ini"), (Lines{u"[a]", u"b=1"}));
}

} // namespace
} // namespace lorivex::test
