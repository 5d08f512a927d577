#pragma once
// One scanner for the languages with C's lexical shape (C and C++, C#,
// Java, JavaScript, CORBA IDL): // and /* */ comments, quoted strings with
// backslash escapes, C numbers, braces. A syntax description switches on
// what each language adds: directives, raw and verbatim strings, text
// blocks, interpolation, annotations, regular expressions, templates.
#include <optional>

#include "highlight/KeywordSet.h"
#include "highlight/LineScanner.h"
#include "highlight/LineState.h"

namespace lorivex {

struct TCFamilySyntax {
    explicit TCFamilySyntax(TKeywordSet keywords) : Keywords(keywords) {}

    TKeywordSet Keywords;
    // JavaScript: keywords after which a slash starts a regular expression.
    std::optional<TKeywordSet> RegexAfter;
    bool Directives = false;            // '#' lines
    bool DirectiveContinuation = false; // a backslash at the end carries a line on (C, C++)
    bool RawStrings = false;            // C++ R"delim(...)delim" and the u8, u, U, L prefixes
    bool CharLiterals = true;           // 'x'; false where ' quotes strings
    bool VerbatimStrings = false;       // C# @"..", $"..{x}..", $@"..", """raw"""
    bool TextBlocks = false;            // Java """...""" over several lines
    bool Annotations = false;           // Java @Name
    bool Templates = false;             // JavaScript `..${x}..`, regular expressions, 'strings'
    bool DollarInNames = false;         // $ is a letter (Java, JavaScript)
    char16_t DigitSeparator = u'_';
};

class TCFamilyScanner {
public:
    explicit TCFamilyScanner(const TCFamilySyntax& syntax) : syntax_(syntax) {}
    // Scans from the scanner's position to its end.
    void Scan(TLineScanner& scanner, TScanState& state) const;

private:
    const TCFamilySyntax& syntax_;
};

} // namespace lorivex
