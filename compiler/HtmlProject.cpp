// The help compiler's project file and keyword index.
#include <algorithm>

#include "compiler/LvxDocumentHelper.h"
#include "compiler/StyleSheetName.h"
#include "compiler/TextFile.h"
#include "platform/CaseFolding.h"
#include "platform/FileSystem.h"
#include "services/LorivexUtils.h"
#include "services/word/Word.h"
#include "services/word/WordText.h"

namespace lorivex {

namespace {

struct TIndexEntry {
    std::string Title;
    std::string FileName;
    std::string Keyword;
};

// The entry text of an index-entry field, or empty when the code is not one.
// Word writes ' XE "text" ': the first five characters and the closing quote
// before the final blank go.
std::string IndexKeyword(const std::string& code)
{
    if (code.find("XE \"") == std::string::npos)
        return {};
    std::string keyword = code.size() > 5 ? code.substr(5) : std::string();
    if (keyword.size() >= 2)
        keyword.erase(keyword.size() - 2, 1);
    else
        keyword.clear();
    return Trim(keyword);
}

// A double quote would end the value early and cut the keyword in the
// compiled index; ampersands and angle brackets stay as the author wrote them.
std::string Param(const char* name, const std::string& value)
{
    std::string quoted;
    for (char c : value)
        quoted += c == '"' ? std::string("&quot;") : std::string(1, c);
    return std::string("  <param name=\"") + name + "\" value=\"" + quoted + "\">";
}

} // namespace

std::string TLvxDocumentHelper::CreateHtmlProject(const word::DocumentPtr& document, const TChapterList& chapters,
                                                  const std::string& outputFile, const std::string& language,
                                                  bool includeFullTextSearch, bool includeTableOfContents,
                                                  bool includeKeywordIndex, const TStringList& extraFiles)
{
    return Guard("CreateHtmlProject", [&] {
        std::vector<std::string> lines = {"[OPTIONS]", "Compatibility=1.1 or later", "Compiled file=" + outputFile};
        if (includeFullTextSearch)
            lines.push_back("Full-text search=Yes");
        if (includeTableOfContents)
            lines.push_back(std::string("Contents file=") + ContentsFileName);
        if (includeKeywordIndex)
            lines.push_back(std::string("Index file=") + IndexFileName);
        lines.push_back("Default topic=");
        lines.push_back("Display compile progress=No");
        lines.push_back("Language=" + language);
        lines.push_back("[FILES]");
        for (const auto& chapter : chapters)
            lines.push_back(platform::ExtractFileName(chapter->FileName));
        // The run copies an existing stylesheet beside the pages, where their
        // links look for it; the compiler takes that copy by its name
        // (chmcmd reads every listed file relative to the project). A missing
        // one is left out, as a compiler would stop on it: the driver has
        // warned about it.
        std::string styleSheet = GetDocProperty(document, "lxCustomStyleSheet");
        if (!styleSheet.empty()) {
            std::string copy = StyleSheetFileName(styleSheet);
            if (platform::FileExists(platform::JoinPath(WorkFolder, copy)))
                lines.push_back(copy);
        }
        for (const auto& extra : extraFiles)
            lines.push_back(extra.Text);
        std::string path = platform::JoinPath(WorkFolder, ProjectFileName);
        SaveLines(path, lines);
        return path;
    });
}

void TLvxDocumentHelper::CreateHtmlIndex(const TChapterList& chapters)
{
    Guard("CreateHtmlIndex", [&] {
        std::vector<TIndexEntry> entries;
        for (const auto& chapter : chapters) {
            auto fields = chapter->Range->Fields();
            long count = fields->Count();
            for (long i = 1; i <= count; ++i) {
                std::string keyword = IndexKeyword(word::FromWord(fields->Item(i)->Code()->Text()));
                if (!keyword.empty())
                    entries.push_back({Trim(chapter->Title()), Trim(platform::ExtractFileName(chapter->FileName)),
                                       keyword});
            }
        }
        std::stable_sort(entries.begin(), entries.end(), [](const TIndexEntry& a, const TIndexEntry& b) {
            return platform::LocaleCompareText(a.Keyword, b.Keyword) < 0;
        });
        std::vector<std::string> lines = {Block({"<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">", "<HTML>", "<HEAD>",
                                                 "<meta name=\"GENERATOR\" content=\"Microsoft&reg; HTML Help Workshop 4.1\">",
                                                 "<!-- Sitemap 1.0 -->", "</HEAD><BODY>", "<UL>"})};
        for (const auto& entry : entries)
            lines.push_back("<LI> <OBJECT type=\"text/sitemap\">\r\n" + Param("Name", entry.Keyword) + "\r\n"
                            + Param("Name", entry.Title) + "\r\n" + Param("Local", entry.FileName)
                            + "\r\n  </OBJECT>");
        lines.push_back(Block({"</UL>", "</BODY></HTML>"}));
        SaveLines(platform::JoinPath(WorkFolder, IndexFileName), lines);
    });
}

} // namespace lorivex
