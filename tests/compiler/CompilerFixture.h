#pragma once
// Compile-run tests work on documents the engine reads from .docx packages
// built in the test: headings by style, body text, fields and bookmarks.
#include "compiler/LvxDocumentHelper.h"
#include "engine/EngineFixture.h"
#include "services/word/WordText.h"

namespace lorivex::test {

inline std::string H(int level, const std::string& runs)
{
    return "<w:p><w:pPr><w:pStyle w:val=\"Heading" + std::to_string(level) + "\"/></w:pPr>" + runs + "</w:p>";
}

inline std::string T(const std::string& text)
{
    return "<w:r><w:t xml:space=\"preserve\">" + text + "</w:t></w:r>";
}

inline std::string P(const std::string& runs)
{
    return "<w:p>" + runs + "</w:p>";
}

// A complex field: begin, code, separator, result, end.
inline std::string Field(const std::string& code, const std::string& result, const std::string& data = "")
{
    std::string begin = data.empty() ? "<w:fldChar w:fldCharType=\"begin\"/>"
                                     : "<w:fldChar w:fldCharType=\"begin\"><w:fldData xml:space=\"preserve\">" + data
                                           + "</w:fldData></w:fldChar>";
    return "<w:r>" + begin + "</w:r><w:r><w:instrText xml:space=\"preserve\">" + code
         + "</w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>" + T(result)
         + "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>";
}

// Field data as the package keeps it: base64 of the UTF-16LE text.
inline std::string FieldData(const std::string& ascii)
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string bytes;
    for (char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    std::string out;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        unsigned n = unsigned(static_cast<unsigned char>(bytes[i])) << 16;
        if (i + 1 < bytes.size())
            n |= unsigned(static_cast<unsigned char>(bytes[i + 1])) << 8;
        if (i + 2 < bytes.size())
            n |= unsigned(static_cast<unsigned char>(bytes[i + 2]));
        out += alphabet[(n >> 18) & 63];
        out += alphabet[(n >> 12) & 63];
        out += i + 1 < bytes.size() ? alphabet[(n >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? alphabet[n & 63] : '=';
    }
    return out;
}

// The related-topic field with its list of paths.
inline std::string SeeAlsoData(const std::string& pathsWithCrLf)
{
    return Field(" ADDIN lxSeeAlsoData ", "", FieldData(pathsWithCrLf));
}

class CompilerTest : public EngineTest {
protected:
    // Each document a package of its own: opening a file that is already open
    // gives the open document, as in Word.
    word::DocumentPtr Document(const std::string& body)
    {
        return Open(DocxBuilder().Body(body), "fixture" + std::to_string(++documents_) + ".docx");
    }

    TChapterList Map(const word::DocumentPtr& document)
    {
        Run.WorkFolder = Folder.Path();
        return Run.GenerateChapterMapping(document);
    }

    static std::vector<std::string> Paths(const TChapterList& chapters)
    {
        std::vector<std::string> paths;
        for (const auto& chapter : chapters)
            paths.push_back(chapter->Path);
        return paths;
    }

    static std::string Text(const word::RangePtr& range) { return word::FromWord(range->Text()); }

    TLvxDocumentHelper Run;

private:
    int documents_ = 0;
};

} // namespace lorivex::test
