#pragma once
// RTF cut into its lexical pieces: group braces, control words with their
// numeric parameters, control symbols, \'hh bytes and runs of plain text.
// The tokenizer never fails: whatever does not fit the grammar ends up as
// plain text or is dropped, and input that stops halfway simply ends.
#include <cstddef>
#include <optional>
#include <string_view>

namespace lorivex::engine::rtf {

enum class TokenKind { End, GroupOpen, GroupClose, Word, Symbol, Byte, Text };

struct Token {
    TokenKind Kind = TokenKind::End;
    std::string_view Text;      // the word's name, or the run of plain text
    std::optional<long> Param;  // a control word's numeric parameter
    char Symbol = 0;            // a control symbol's character
    unsigned char Byte = 0;     // the value of \'hh
};

class Tokenizer {
public:
    explicit Tokenizer(std::string_view input) : input_(input) {}
    Token Next();

private:
    Token Control();
    Token ControlWord();
    Token HexByte();
    Token PlainText();
    std::optional<long> Parameter();
    void SkipBinary(std::optional<long> count);

    std::string_view input_;
    size_t at_ = 0;
};

} // namespace lorivex::engine::rtf
