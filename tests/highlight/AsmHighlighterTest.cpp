// x86 assembly.
#include "highlight/AsmHighlighter.h"
#include "highlight/HighlightSupport.h"

namespace lorivex::test {
namespace {

TEST(AsmHighlighter, InstructionsRegistersLabelsAndNumbers)
{
    TAsmHighlighter as;
    auto lines = ScanLines(as, {"section .text", "start:  MOV eax, 0FFh ; load", "  add rax, [rbx+0x1F*4]",
                                ".loop:  and al, 101b", "  jnz .loop", "  mov dword ptr es:[di], 'A'"});
    EXPECT_EQ(lines[0], (Pieces{{K::Directive, "section"}, {K::Directive, ".text"}}));
    EXPECT_EQ(lines[1], (Pieces{{K::Label, "start:"}, {K::Instruction, "MOV"}, {K::Register, "eax"},
                                {K::Operator, ","}, {K::Number, "0FFh"}, {K::Comment, "; load"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::Instruction, "add"}, {K::Register, "rax"}, {K::Operator, ","},
                                {K::Operator, "["}, {K::Register, "rbx"}, {K::Operator, "+"}, {K::Number, "0x1F"},
                                {K::Operator, "*"}, {K::Number, "4"}, {K::Operator, "]"}}));
    EXPECT_EQ(lines[3], (Pieces{{K::Label, ".loop:"}, {K::Instruction, "and"}, {K::Register, "al"},
                                {K::Operator, ","}, {K::Number, "101b"}}));
    EXPECT_EQ(lines[4], (Pieces{{K::Instruction, "jnz"}, {K::Directive, ".loop"}}));
    EXPECT_EQ(lines[5], (Pieces{{K::Instruction, "mov"}, {K::Keyword, "dword"}, {K::Keyword, "ptr"},
                                {K::Register, "es"}, {K::Operator, ":["}, {K::Register, "di"}, {K::Operator, "],"},
                                {K::String, "'A'"}}));
}

TEST(AsmHighlighter, DirectivesMacrosAndCommentBlocks)
{
    TAsmHighlighter as;
    auto lines = ScanLines(as, {"buffer  db 64 dup(?)", "Main PROC uses ebx", "%define BUFLEN 16",
                                "COMMENT ~ a block", "of text ~ nop", "Main ENDP"});
    EXPECT_EQ(lines[0], (Pieces{{K::Identifier, "buffer"}, {K::Directive, "db"}, {K::Number, "64"},
                                {K::Keyword, "dup"}, {K::Operator, "("}, {K::Identifier, "?"}, {K::Operator, ")"}}));
    EXPECT_EQ(lines[1], (Pieces{{K::Identifier, "Main"}, {K::Directive, "PROC"}, {K::Directive, "uses"},
                                {K::Register, "ebx"}}));
    EXPECT_EQ(lines[2], (Pieces{{K::Preprocessor, "%define"}, {K::Identifier, "BUFLEN"}, {K::Number, "16"}}));
    EXPECT_EQ(lines[3], (Pieces{{K::Comment, "COMMENT ~ a block"}}));
    EXPECT_EQ(lines[4], (Pieces{{K::Comment, "of text ~"}, {K::Instruction, "nop"}}));
    EXPECT_EQ(lines[5], (Pieces{{K::Identifier, "Main"}, {K::Directive, "ENDP"}}));
}

} // namespace
} // namespace lorivex::test
