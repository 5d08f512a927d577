#include "highlight/Highlighters.h"

#include "highlight/AsmHighlighter.h"
#include "highlight/BatchHighlighter.h"
#include "highlight/CSharpHighlighter.h"
#include "highlight/CppHighlighter.h"
#include "highlight/CssHighlighter.h"
#include "highlight/HtmlHighlighter.h"
#include "highlight/IdlHighlighter.h"
#include "highlight/IniHighlighter.h"
#include "highlight/JScriptHighlighter.h"
#include "highlight/JavaHighlighter.h"
#include "highlight/PascalHighlighter.h"
#include "highlight/PerlHighlighter.h"
#include "highlight/PhpHighlighter.h"
#include "highlight/SqlHighlighter.h"
#include "highlight/VBScriptHighlighter.h"
#include "highlight/VisualBasicHighlighter.h"
#include "highlight/XmlHighlighter.h"

namespace lorivex {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (chars::ToLower(char16_t(static_cast<unsigned char>(a[i]))) !=
            chars::ToLower(char16_t(static_cast<unsigned char>(b[i]))))
            return false;
    return true;
}

} // namespace

THighlighterList CreateHighlighters()
{
    THighlighterList list;
    list.push_back(std::make_unique<TCppHighlighter>());
    list.push_back(std::make_unique<TCSharpHighlighter>());
    list.push_back(std::make_unique<TCssHighlighter>());
    list.push_back(std::make_unique<TIdlHighlighter>());
    list.push_back(std::make_unique<THtmlHighlighter>());
    list.push_back(std::make_unique<TIniHighlighter>());
    list.push_back(std::make_unique<TJavaHighlighter>());
    list.push_back(std::make_unique<TJScriptHighlighter>());
    list.push_back(std::make_unique<TVBScriptHighlighter>());
    list.push_back(std::make_unique<TBatchHighlighter>());
    list.push_back(std::make_unique<TPascalHighlighter>());
    list.push_back(std::make_unique<TPerlHighlighter>());
    list.push_back(std::make_unique<TPhpHighlighter>());
    list.push_back(std::make_unique<TSqlHighlighter>());
    list.push_back(std::make_unique<TVisualBasicHighlighter>());
    list.push_back(std::make_unique<TAsmHighlighter>());
    auto xml = std::make_unique<TXmlHighlighter>();
    xml->ParseBraces = false;
    list.push_back(std::move(xml));
    return list;
}

THighlighter* FindHighlighter(const THighlighterList& highlighters, std::string_view name)
{
    for (const auto& highlighter : highlighters)
        if (SameIgnoringCase(highlighter->DisplayName(), name) || SameIgnoringCase(highlighter->ShortName(), name))
            return highlighter.get();
    return nullptr;
}

THighlighter* FindHighlighterForFile(const THighlighterList& highlighters, std::string_view fileName)
{
    std::size_t dot = fileName.find_last_of('.');
    std::size_t slash = fileName.find_last_of("/\\");
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return nullptr;
    std::string_view extension = fileName.substr(dot);
    for (const auto& highlighter : highlighters)
        for (const auto& claimed : highlighter->Extensions())
            if (SameIgnoringCase(claimed, extension))
                return highlighter.get();
    return nullptr;
}

} // namespace lorivex
