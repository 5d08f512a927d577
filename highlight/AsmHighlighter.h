#pragma once
// x86 assembly in Intel syntax (MASM, NASM, FASM) with a nod to AT&T's:
// ; comments and MASM's COMMENT blocks, labels, instructions, registers,
// directives, size keywords, and numbers such as 0FFh, 0x1F, 101b and 17o.
// Everything ignores case.
#include "highlight/Highlighter.h"

namespace lorivex {

class TAsmHighlighter : public THighlighter {
public:
    TAsmHighlighter();

protected:
    void Scan(TLineScanner& scanner, TLineState& state) const override;
};

} // namespace lorivex
