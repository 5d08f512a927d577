#pragma once
// The Basic dialects (Visual Basic, VBScript): ' and REM comments, strings
// with doubled quotes, &H hex and &O octal numbers, #date# literals, and
// for Visual Basic the #If family of directives. Every construct ends with
// its line, so the scanner carries no state.
#include "highlight/KeywordSet.h"
#include "highlight/LineScanner.h"

namespace lorivex {

class TBasicScanner {
public:
    TBasicScanner(TKeywordSet keywords, bool directives) : keywords_(keywords), directives_(directives) {}
    void Scan(TLineScanner& scanner) const;

private:
    TKeywordSet keywords_;
    bool directives_;
};

} // namespace lorivex
