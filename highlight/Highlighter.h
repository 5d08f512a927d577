#pragma once
// A language's highlighter: its names, the file extensions it claims, the
// token kinds it produces with their looks, and a scanner that cuts one line
// at a time into tokens. What a line needs to know about the lines before it
// travels in an explicit TLineState, so that callers can scan from any line
// whose start state they kept, and re-scan only what an edit changed.
#include <string>
#include <string_view>
#include <vector>

#include "base/Guarded.h"
#include "highlight/LineScanner.h"
#include "highlight/LineState.h"
#include "highlight/Token.h"
#include "highlight/TokenAttributes.h"

namespace lorivex {

class THighlighter : public TObject {
public:
    // The name the language list shows ("C/C++").
    const std::string& DisplayName() const { return displayName_; }
    // The name for the command line ("cpp").
    const std::string& ShortName() const { return shortName_; }
    // Lower case, with the dot (".cpp").
    const std::vector<std::string>& Extensions() const { return extensions_; }
    // The kinds the scanner produces besides Space.
    const std::vector<TTokenKind>& TokenKinds() const { return kinds_; }

    const TTokenAttributes& Attributes(TTokenKind kind) const { return attributes_[std::size_t(kind)]; }
    void SetAttributes(TTokenKind kind, const TTokenAttributes& attributes)
    {
        attributes_[std::size_t(kind)] = attributes;
    }

    // Replaces TOKENS by the tokens of LINE, which must not hold a line
    // break. STATE is the state at the start of the line on the way in and
    // the state at its end on the way out. Linear in the line's length.
    void ScanLine(std::u16string_view line, TLineState& state, std::vector<TToken>& tokens) const;

protected:
    THighlighter(std::string displayName, std::string shortName, std::vector<std::string> extensions,
                 std::vector<TTokenKind> kinds);
    virtual void Scan(TLineScanner& scanner, TLineState& state) const = 0;

private:
    std::string displayName_;
    std::string shortName_;
    std::vector<std::string> extensions_;
    std::vector<TTokenKind> kinds_;
    TAttributeTable attributes_ = DefaultAttributes();
};

} // namespace lorivex
