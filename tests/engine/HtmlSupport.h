#pragma once
// Shared by the page tests: saving a document as a page and reading it
// back, and the small pieces of document XML the fixtures are built from.
#include <string>

#include "engine/EngineFixture.h"
#include "platform/FileSystem.h"

namespace lorivex::test {

class HtmlTest : public EngineTest {
protected:
    std::string Save(const word::DocumentPtr& document, long format = word::wdFormatFilteredHTML,
                     const std::string& name = "page.html")
    {
        std::string path = Folder / name;
        document->SaveAs(std::u16string(path.begin(), path.end()), format, false);
        return platform::ReadFileBytes(path);
    }
    std::string SaveDocx(const DocxBuilder& builder, long format = word::wdFormatFilteredHTML)
    {
        return Save(Open(builder), format);
    }
};

inline std::string P(const std::string& runs, const std::string& pPr = {})
{
    return "<w:p>" + (pPr.empty() ? "" : "<w:pPr>" + pPr + "</w:pPr>") + runs + "</w:p>";
}

inline std::string R(const std::string& text, const std::string& rPr = {})
{
    return "<w:r>" + (rPr.empty() ? "" : "<w:rPr>" + rPr + "</w:rPr>") + "<w:t xml:space=\"preserve\">" + text +
           "</w:t></w:r>";
}

inline std::string Styled(const std::string& style, const std::string& text)
{
    return P(R(text), "<w:pStyle w:val=\"" + style + "\"/>");
}

// How often the needle occurs in the page.
inline size_t Occurrences(const std::string& page, const std::string& needle)
{
    size_t count = 0;
    for (size_t at = page.find(needle); at != std::string::npos; at = page.find(needle, at + 1))
        ++count;
    return count;
}

} // namespace lorivex::test
