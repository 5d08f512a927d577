#include "engine/rtf/RtfTokenizer.h"

#include <algorithm>

namespace lorivex::engine::rtf {

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Longer names and parameters than any writer produces are cut off, so a
// run of letters or digits in damaged input cannot overflow anything.
constexpr size_t MaxNameLength = 32;
constexpr size_t MaxDigits = 10;
constexpr long long MaxParam = 0x7FFFFFFF;

Token Of(TokenKind kind)
{
    Token token;
    token.Kind = kind;
    return token;
}

} // namespace

Token Tokenizer::Next()
{
    while (at_ < input_.size()) {
        char c = input_[at_];
        if (c == '{' || c == '}') {
            ++at_;
            return Of(c == '{' ? TokenKind::GroupOpen : TokenKind::GroupClose);
        }
        if (c == '\\')
            return Control();
        // Line ends in RTF are only there to keep lines short.
        if (c == '\r' || c == '\n') {
            ++at_;
            continue;
        }
        return PlainText();
    }
    return {};
}

Token Tokenizer::Control()
{
    ++at_; // the backslash
    if (at_ >= input_.size())
        return {};
    char c = input_[at_];
    if (IsLetter(c))
        return ControlWord();
    if (c == '\'')
        return HexByte();
    ++at_;
    Token token = Of(TokenKind::Symbol);
    // A backslash before a line end stands for \par.
    token.Symbol = c == '\n' ? '\r' : c;
    return token;
}

Token Tokenizer::ControlWord()
{
    size_t start = at_;
    while (at_ < input_.size() && IsLetter(input_[at_]))
        ++at_;
    Token token = Of(TokenKind::Word);
    token.Text = input_.substr(start, std::min(at_ - start, MaxNameLength));
    token.Param = Parameter();
    // One space ends the word and belongs to it.
    if (at_ < input_.size() && input_[at_] == ' ')
        ++at_;
    if (token.Text == "bin")
        SkipBinary(token.Param);
    return token;
}

std::optional<long> Tokenizer::Parameter()
{
    bool negative = at_ + 1 < input_.size() && input_[at_] == '-' && IsDigit(input_[at_ + 1]);
    if (negative)
        ++at_;
    if (at_ >= input_.size() || !IsDigit(input_[at_]))
        return std::nullopt;
    long long value = 0;
    for (size_t digits = 0; at_ < input_.size() && IsDigit(input_[at_]); ++at_, ++digits)
        if (digits < MaxDigits)
            value = std::min(value * 10 + (input_[at_] - '0'), MaxParam);
    return long(negative ? -value : value);
}

void Tokenizer::SkipBinary(std::optional<long> count)
{
    // \binN is followed by N raw bytes that may contain anything, braces
    // included; they belong to a picture or object nobody reads here.
    size_t bytes = count && *count > 0 ? size_t(*count) : 0;
    at_ += std::min(bytes, input_.size() - at_);
}

Token Tokenizer::HexByte()
{
    ++at_; // the quote
    int high = at_ < input_.size() ? HexValue(input_[at_]) : -1;
    int low = at_ + 1 < input_.size() ? HexValue(input_[at_ + 1]) : -1;
    if (high < 0 || low < 0) {
        // Not a byte after all (cut short or not hex): the quote and the one
        // hex digit there may be are an unknown symbol.
        at_ += high < 0 ? 0 : 1;
        Token token = Of(TokenKind::Symbol);
        token.Symbol = '\'';
        return token;
    }
    at_ += 2;
    Token token = Of(TokenKind::Byte);
    token.Byte = static_cast<unsigned char>(high * 16 + low);
    return token;
}

Token Tokenizer::PlainText()
{
    size_t start = at_;
    while (at_ < input_.size()) {
        char c = input_[at_];
        if (c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n')
            break;
        ++at_;
    }
    Token token = Of(TokenKind::Text);
    token.Text = input_.substr(start, at_ - start);
    return token;
}

} // namespace lorivex::engine::rtf
