#include "highlight/AsmHighlighter.h"

#include "highlight/KeywordSet.h"

namespace lorivex {

namespace {

using chars::IsDigit;
using chars::IsIdentChar;

constexpr std::u16string_view Instructions[] = {
    u"aaa", u"aad", u"aam", u"aas", u"adc", u"adcx", u"add", u"addpd", u"addps", u"addsd", u"addss",
    u"adox", u"and", u"andn", u"andnpd", u"andnps", u"andpd", u"andps", u"arpl", u"bound", u"bsf",
    u"bsr", u"bswap", u"bt", u"btc", u"btr", u"bts", u"call", u"cbw", u"cdq", u"cdqe", u"clc",
    u"cld", u"cli", u"clts", u"cmc", u"cmova", u"cmovae", u"cmovb", u"cmovbe", u"cmovc", u"cmove",
    u"cmovg", u"cmovge", u"cmovl", u"cmovle", u"cmovna", u"cmovnae", u"cmovnb", u"cmovnbe",
    u"cmovnc", u"cmovne", u"cmovng", u"cmovnge", u"cmovnl", u"cmovnle", u"cmovno", u"cmovnp",
    u"cmovns", u"cmovnz", u"cmovo", u"cmovp", u"cmovpe", u"cmovpo", u"cmovs", u"cmovz", u"cmp",
    u"cmppd", u"cmpps", u"cmps", u"cmpsb", u"cmpsd", u"cmpsq", u"cmpss", u"cmpsw", u"cmpxchg",
    u"cmpxchg16b", u"cmpxchg8b", u"comisd", u"comiss", u"cpuid", u"cqo", u"crc32", u"cvtdq2pd",
    u"cvtdq2ps", u"cvtpd2dq", u"cvtps2pd", u"cvtsd2si", u"cvtsd2ss", u"cvtsi2sd", u"cvtsi2ss",
    u"cvtss2sd", u"cvtss2si", u"cvttsd2si", u"cvttss2si", u"cwd", u"cwde", u"daa", u"das", u"dec",
    u"div", u"divpd", u"divps", u"divsd", u"divss", u"emms", u"enter", u"f2xm1", u"fabs", u"fadd",
    u"faddp", u"fbld", u"fbstp", u"fchs", u"fclex", u"fcom", u"fcomi", u"fcomip", u"fcomp",
    u"fcompp", u"fcos", u"fdecstp", u"fdiv", u"fdivp", u"fdivr", u"fdivrp", u"ffree", u"fiadd",
    u"ficom", u"ficomp", u"fidiv", u"fidivr", u"fild", u"fimul", u"fincstp", u"finit", u"fist",
    u"fistp", u"fisttp", u"fisub", u"fisubr", u"fld", u"fld1", u"fldcw", u"fldenv", u"fldl2e",
    u"fldl2t", u"fldlg2", u"fldln2", u"fldpi", u"fldz", u"fmul", u"fmulp", u"fnclex", u"fninit",
    u"fnop", u"fnsave", u"fnstcw", u"fnstenv", u"fnstsw", u"fpatan", u"fprem", u"fprem1", u"fptan",
    u"frndint", u"frstor", u"fsave", u"fscale", u"fsin", u"fsincos", u"fsqrt", u"fst", u"fstcw",
    u"fstenv", u"fstp", u"fstsw", u"fsub", u"fsubp", u"fsubr", u"fsubrp", u"ftst", u"fucom",
    u"fucomi", u"fucomip", u"fucomp", u"fucompp", u"fwait", u"fxam", u"fxch", u"fxrstor", u"fxsave",
    u"fxtract", u"fyl2x", u"fyl2xp1", u"hlt", u"idiv", u"imul", u"in", u"inc", u"ins", u"insb",
    u"insd", u"insw", u"int", u"int3", u"into", u"invd", u"invlpg", u"iret", u"iretd", u"iretq",
    u"ja", u"jae", u"jb", u"jbe", u"jc", u"jcxz", u"je", u"jecxz", u"jg", u"jge", u"jl", u"jle",
    u"jmp", u"jna", u"jnae", u"jnb", u"jnbe", u"jnc", u"jne", u"jng", u"jnge", u"jnl", u"jnle",
    u"jno", u"jnp", u"jns", u"jnz", u"jo", u"jp", u"jpe", u"jpo", u"jrcxz", u"js", u"jz", u"lahf",
    u"lar", u"lddqu", u"ldmxcsr", u"lds", u"lea", u"leave", u"les", u"lfence", u"lfs", u"lgdt",
    u"lgs", u"lidt", u"lldt", u"lmsw", u"lock", u"lods", u"lodsb", u"lodsd", u"lodsq", u"lodsw",
    u"loop", u"loope", u"loopne", u"loopnz", u"loopz", u"lsl", u"lss", u"ltr", u"lzcnt", u"maxpd",
    u"maxps", u"maxsd", u"maxss", u"mfence", u"minpd", u"minps", u"minsd", u"minss", u"monitor",
    u"mov", u"movapd", u"movaps", u"movd", u"movddup", u"movdqa", u"movdqu", u"movhlps", u"movhpd",
    u"movhps", u"movlhps", u"movlpd", u"movlps", u"movmskpd", u"movmskps", u"movntdq", u"movnti",
    u"movntpd", u"movntps", u"movntq", u"movq", u"movs", u"movsb", u"movsd", u"movshdup",
    u"movsldup", u"movsq", u"movss", u"movsw", u"movsx", u"movsxd", u"movupd", u"movups", u"movzx",
    u"mul", u"mulpd", u"mulps", u"mulsd", u"mulss", u"mwait", u"neg", u"nop", u"not", u"or",
    u"orpd", u"orps", u"out", u"outs", u"outsb", u"outsd", u"outsw", u"paddb", u"paddd", u"paddq",
    u"paddw", u"pand", u"pandn", u"pause", u"pcmpeqb", u"pcmpeqd", u"pcmpeqw", u"pop", u"popa",
    u"popad", u"popcnt", u"popf", u"popfd", u"popfq", u"por", u"prefetchnta", u"prefetcht0",
    u"prefetcht1", u"prefetcht2", u"pshufb", u"pshufd", u"psubb", u"psubd", u"psubq", u"psubw",
    u"punpckhbw", u"punpcklbw", u"push", u"pusha", u"pushad", u"pushf", u"pushfd", u"pushfq",
    u"pxor", u"rcl", u"rcpps", u"rcr", u"rdmsr", u"rdpmc", u"rdrand", u"rdtsc", u"rdtscp", u"rep",
    u"repe", u"repne", u"repnz", u"repz", u"ret", u"retf", u"retn", u"rol", u"ror", u"rsm",
    u"rsqrtps", u"sahf", u"sal", u"sar", u"sbb", u"scas", u"scasb", u"scasd", u"scasq", u"scasw",
    u"seta", u"setae", u"setb", u"setbe", u"setc", u"sete", u"setg", u"setge", u"setl", u"setle",
    u"setna", u"setnae", u"setnb", u"setnbe", u"setnc", u"setne", u"setng", u"setnge", u"setnl",
    u"setnle", u"setno", u"setnp", u"setns", u"setnz", u"seto", u"setp", u"setpe", u"setpo",
    u"sets", u"setz", u"sfence", u"sgdt", u"shl", u"shld", u"shr", u"shrd", u"shufpd", u"shufps",
    u"sidt", u"sldt", u"smsw", u"sqrtpd", u"sqrtps", u"sqrtsd", u"sqrtss", u"stc", u"std", u"sti",
    u"stmxcsr", u"stos", u"stosb", u"stosd", u"stosq", u"stosw", u"str", u"sub", u"subpd", u"subps",
    u"subsd", u"subss", u"swapgs", u"syscall", u"sysenter", u"sysexit", u"sysret", u"test",
    u"tzcnt", u"ucomisd", u"ucomiss", u"ud2", u"unpckhpd", u"unpckhps", u"unpcklpd", u"unpcklps",
    u"vaddpd", u"vaddps", u"vmovaps", u"vmovdqa", u"vmovdqu", u"vmovups", u"vmulps", u"vpxor",
    u"vxorps", u"vzeroupper", u"wait", u"wbinvd", u"wrmsr", u"xadd", u"xchg", u"xgetbv", u"xlat",
    u"xlatb", u"xor", u"xorpd", u"xorps",
};
static_assert(IsKeywordTable(Instructions, true));
constexpr std::u16string_view Registers[] = {
    u"ah", u"al", u"ax", u"bh", u"bl", u"bp", u"bpl", u"bx", u"ch", u"cl", u"cr0", u"cr2", u"cr3",
    u"cr4", u"cr8", u"cs", u"cx", u"dh", u"di", u"dil", u"dl", u"dr0", u"dr1", u"dr2", u"dr3",
    u"dr6", u"dr7", u"ds", u"dx", u"eax", u"ebp", u"ebx", u"ecx", u"edi", u"edx", u"eip", u"es",
    u"esi", u"esp", u"fs", u"gs", u"ip", u"mm0", u"mm1", u"mm2", u"mm3", u"mm4", u"mm5", u"mm6",
    u"mm7", u"r10", u"r10b", u"r10d", u"r10w", u"r11", u"r11b", u"r11d", u"r11w", u"r12", u"r12b",
    u"r12d", u"r12w", u"r13", u"r13b", u"r13d", u"r13w", u"r14", u"r14b", u"r14d", u"r14w", u"r15",
    u"r15b", u"r15d", u"r15w", u"r8", u"r8b", u"r8d", u"r8w", u"r9", u"r9b", u"r9d", u"r9w", u"rax",
    u"rbp", u"rbx", u"rcx", u"rdi", u"rdx", u"rip", u"rsi", u"rsp", u"si", u"sil", u"sp", u"spl",
    u"ss", u"st", u"st0", u"st1", u"st2", u"st3", u"st4", u"st5", u"st6", u"st7", u"xmm0", u"xmm1",
    u"xmm10", u"xmm11", u"xmm12", u"xmm13", u"xmm14", u"xmm15", u"xmm2", u"xmm3", u"xmm4", u"xmm5",
    u"xmm6", u"xmm7", u"xmm8", u"xmm9", u"ymm0", u"ymm1", u"ymm10", u"ymm11", u"ymm12", u"ymm13",
    u"ymm14", u"ymm15", u"ymm2", u"ymm3", u"ymm4", u"ymm5", u"ymm6", u"ymm7", u"ymm8", u"ymm9",
    u"zmm0", u"zmm1", u"zmm10", u"zmm11", u"zmm12", u"zmm13", u"zmm14", u"zmm15", u"zmm2", u"zmm3",
    u"zmm4", u"zmm5", u"zmm6", u"zmm7", u"zmm8", u"zmm9",
};
static_assert(IsKeywordTable(Registers, true));
constexpr std::u16string_view Directives[] = {
    u"alias", u"align", u"assume", u"at", u"bits", u"bss", u"code", u"comm", u"common", u"const",
    u"data", u"db", u"dd", u"default", u"dq", u"dt", u"du", u"dw", u"end", u"endm", u"endp",
    u"ends", u"equ", u"even", u"extern", u"externdef", u"extrn", u"global", u"group", u"iend",
    u"incbin", u"include", u"includelib", u"invoke", u"istruc", u"label", u"local", u"macro",
    u"model", u"org", u"proc", u"proto", u"public", u"rb", u"rd", u"real10", u"real4", u"real8",
    u"rept", u"resb", u"resd", u"resq", u"rest", u"resw", u"rq", u"rw", u"section", u"segment",
    u"stack", u"struc", u"struct", u"times", u"typedef", u"union", u"use16", u"use32", u"use64",
    u"uses",
};
static_assert(IsKeywordTable(Directives, true));
constexpr std::u16string_view AsmKeywords[] = {
    u"abs", u"byte", u"dup", u"dword", u"far", u"flat", u"fword", u"length", u"near", u"offset",
    u"oword", u"ptr", u"qword", u"rel", u"sbyte", u"sdword", u"seg", u"short", u"size", u"stdcall",
    u"sword", u"tword", u"type", u"word", u"wrt", u"xmmword", u"ymmword", u"zmmword",
};
static_assert(IsKeywordTable(AsmKeywords, true));
constexpr TKeywordSet InstructionSet(Instructions, true);
constexpr TKeywordSet RegisterSet(Registers, true);
constexpr TKeywordSet DirectiveSet(Directives, true);
constexpr TKeywordSet KeywordSet(AsmKeywords, true);

// MASM's COMMENT x ... x; the state's Text holds x.
constexpr std::uint16_t CommentBlock = 1;

// MASM names may hold @, ? and $ as well.
bool IsNameStart(char16_t c) { return chars::IsIdentStart(c) || c == u'@' || c == u'?'; }
bool IsNameChar(char16_t c) { return IsIdentChar(c) || c == u'@' || c == u'?' || c == u'$'; }

class Line {
public:
    Line(TLineScanner& s, TScanState& state) : s_(s), state_(state) {}

    void Run()
    {
        if (state_.Mode == CommentBlock)
            CommentBody(s_.Pos());
        s_.EmitSpace();
        CommentStart();
        while (!s_.AtEnd())
            Token();
    }

private:
    void CommentBody(std::size_t from)
    {
        std::size_t close = s_.Find(state_.Text, from);
        if (close < s_.End()) {
            s_.EmitTo(TTokenKind::Comment, close + 1);
            state_.Mode = 0;
            state_.Text.clear();
        } else {
            s_.EmitRest(TTokenKind::Comment);
        }
    }

    void CommentStart()
    {
        std::size_t after = s_.Pos() + 7;
        if (state_.Mode == 0 && s_.LookingAtNoCase(u"comment") && chars::IsSpace(s_.At(after))) {
            std::size_t delimiter = s_.SpaceEnd(after);
            if (delimiter < s_.End()) {
                state_.Mode = CommentBlock;
                state_.Text.assign(1, s_.At(delimiter));
                CommentBody(delimiter + 1);
            }
        }
    }

    void Token()
    {
        const char16_t c = s_.Peek();
        const std::size_t pos = s_.Pos();
        if (s_.EmitSpace())
            return;
        if (c == u';') {
            s_.EmitRest(TTokenKind::Comment);
        } else if (c == u'\'' || c == u'"' || c == u'`') {
            std::size_t close = s_.Find(std::u16string_view(&c, 1), pos + 1);
            s_.EmitTo(TTokenKind::String, close + 1);
        } else if (IsDigit(c)) {
            // 0FFh, 0x1F, 101b, 17o, 1_000, 1.5e3: digits run into letters.
            std::size_t end = s_.SkipWhile(pos, [](char16_t ch) { return IsIdentChar(ch) || ch == u'.'; });
            s_.EmitTo(TTokenKind::Number, end);
        } else if (c == u'$' && IsDigit(s_.Peek(1))) {
            s_.EmitTo(TTokenKind::Number, s_.SkipWhile(pos + 1, IsIdentChar)); // AT&T immediate
        } else if (c == u'%' && IsNameStart(s_.Peek(1))) {
            std::size_t end = s_.SkipWhile(pos + 1, IsNameChar);
            s_.EmitTo(RegisterSet.Contains(s_.Slice(pos + 1, end)) ? TTokenKind::Register : TTokenKind::Preprocessor,
                      end);
        } else if (c == u'.' && IsNameStart(s_.Peek(1))) {
            std::size_t end = s_.SkipWhile(pos + 1, IsNameChar);
            if (s_.At(end) == u':')
                s_.EmitTo(TTokenKind::Label, end + 1); // a NASM local label
            else
                s_.EmitTo(TTokenKind::Directive, end);
        } else if (IsNameStart(c)) {
            Name();
        } else {
            s_.Emit(TTokenKind::Operator, 1);
        }
    }

    void Name()
    {
        const std::size_t pos = s_.Pos();
        std::size_t end = s_.SkipWhile(pos + 1, IsNameChar);
        std::u16string_view name = s_.Slice(pos, end);
        if (s_.At(end) == u':' && !RegisterSet.Contains(name)) { // not a segment override (es:)
            s_.EmitTo(TTokenKind::Label, s_.At(end + 1) == u':' ? end + 2 : end + 1);
        } else if (RegisterSet.Contains(name)) {
            s_.EmitTo(TTokenKind::Register, end);
        } else if (InstructionSet.Contains(name)) {
            s_.EmitTo(TTokenKind::Instruction, end);
        } else if (DirectiveSet.Contains(name)) {
            s_.EmitTo(TTokenKind::Directive, end);
        } else if (KeywordSet.Contains(name)) {
            s_.EmitTo(TTokenKind::Keyword, end);
        } else {
            s_.EmitTo(TTokenKind::Identifier, end);
        }
    }

    TLineScanner& s_;
    TScanState& state_;
};

} // namespace

TAsmHighlighter::TAsmHighlighter()
    : THighlighter("x86 Assembly", "asm", {".asm", ".nasm", ".masm", ".s"},
                   {TTokenKind::Identifier, TTokenKind::Instruction, TTokenKind::Register, TTokenKind::Directive,
                    TTokenKind::Keyword, TTokenKind::Label, TTokenKind::Comment, TTokenKind::String,
                    TTokenKind::Number, TTokenKind::Operator, TTokenKind::Preprocessor})
{
}

void TAsmHighlighter::Scan(TLineScanner& scanner, TLineState& state) const
{
    Line(scanner, state.Code).Run();
}

} // namespace lorivex
