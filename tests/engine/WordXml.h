#pragma once
// Pieces of WordprocessingML for building documents in code: runs,
// paragraphs, headings and complex fields as Word writes them.
#include <string>

#include "base/Base64.h"

namespace lorivex::test::xml {

inline std::string Escape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// A run of text; properties are the children of w:rPr.
inline std::string Run(const std::string& text, const std::string& properties = "")
{
    return "<w:r>" + (properties.empty() ? "" : "<w:rPr>" + properties + "</w:rPr>") +
           "<w:t xml:space=\"preserve\">" + Escape(text) + "</w:t></w:r>";
}

inline std::string Para(const std::string& runs, const std::string& style = "")
{
    return "<w:p>" + (style.empty() ? "" : "<w:pPr><w:pStyle w:val=\"" + style + "\"/></w:pPr>") + runs + "</w:p>";
}

inline std::string Heading(int level, const std::string& runs)
{
    return Para(runs, "Heading" + std::to_string(level));
}

// Field data as Word keeps it in the package: base64 of the UTF-16LE text.
inline std::string FieldData(const std::string& ascii)
{
    return Base64EncodeUtf16(std::u16string(ascii.begin(), ascii.end()));
}

// A complex field: begin (with its data), code, separator, result, end.
inline std::string Field(const std::string& code, const std::string& result, const std::string& data = "",
                         const std::string& properties = "")
{
    std::string rPr = properties.empty() ? "" : "<w:rPr>" + properties + "</w:rPr>";
    std::string begin = data.empty() ? "<w:fldChar w:fldCharType=\"begin\"/>"
                                     : "<w:fldChar w:fldCharType=\"begin\"><w:fldData xml:space=\"preserve\">" +
                                           data + "</w:fldData></w:fldChar>";
    return "<w:r>" + rPr + begin + "</w:r><w:r>" + rPr + "<w:instrText xml:space=\"preserve\">" + Escape(code) +
           "</w:instrText></w:r><w:r>" + rPr + "<w:fldChar w:fldCharType=\"separate\"/></w:r>" +
           (result.empty() ? "" : Run(result, properties)) + "<w:r>" + rPr +
           "<w:fldChar w:fldCharType=\"end\"/></w:r>";
}

// The related-topic field with its list of paths (CR LF after each).
inline std::string SeeAlsoData(const std::string& pathsWithCrLf, const std::string& properties = "")
{
    return Field(" ADDIN lxSeeAlsoData ", "", FieldData(pathsWithCrLf), properties);
}

} // namespace lorivex::test::xml
