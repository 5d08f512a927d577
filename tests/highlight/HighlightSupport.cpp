#include "highlight/HighlightSupport.h"

#include "platform/CodePages.h"

namespace lorivex::test {

::testing::AssertionResult WellFormed(const std::vector<TToken>& tokens, std::size_t lineLength)
{
    std::size_t at = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const TToken& token = tokens[i];
        if (token.Start != at)
            return ::testing::AssertionFailure() << "token " << i << " starts at " << token.Start << ", not " << at;
        if (token.Length == 0)
            return ::testing::AssertionFailure() << "token " << i << " is empty";
        if (i > 0 && tokens[i - 1].Kind == token.Kind)
            return ::testing::AssertionFailure() << "tokens " << i - 1 << " and " << i << " are both "
                                                 << TokenKindName(token.Kind);
        at += token.Length;
    }
    if (at != lineLength)
        return ::testing::AssertionFailure() << "the tokens end at " << at << " of " << lineLength;
    return ::testing::AssertionSuccess();
}

std::vector<Pieces> ScanLines(const THighlighter& highlighter, const std::vector<std::string>& lines)
{
    std::vector<Pieces> result;
    TLineState state;
    std::vector<TToken> tokens;
    for (const auto& utf8 : lines) {
        std::u16string line = platform::Utf8ToUtf16(utf8);
        highlighter.ScanLine(line, state, tokens);
        EXPECT_TRUE(WellFormed(tokens, line.size())) << "in: " << utf8;
        Pieces pieces;
        for (const TToken& token : tokens)
            if (token.Kind != TTokenKind::Space)
                pieces.push_back({token.Kind, platform::Utf16ToUtf8(line.substr(token.Start, token.Length))});
        result.push_back(std::move(pieces));
    }
    return result;
}

Pieces ScanLine(const THighlighter& highlighter, const std::string& line)
{
    return ScanLines(highlighter, {line}).front();
}

TLineState StateAfter(const THighlighter& highlighter, const std::vector<std::string>& lines)
{
    TLineState state;
    std::vector<TToken> tokens;
    for (const auto& line : lines)
        highlighter.ScanLine(platform::Utf8ToUtf16(line), state, tokens);
    return state;
}

std::vector<std::u16string> Lines(const std::vector<std::string>& utf8)
{
    std::vector<std::u16string> lines;
    for (const auto& line : utf8)
        lines.push_back(platform::Utf8ToUtf16(line));
    return lines;
}

} // namespace lorivex::test
