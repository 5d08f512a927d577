#include "compiler/DocumentChapter.h"

#include "services/StringList.h"
#include "services/word/Word.h"
#include "services/word/WordText.h"

namespace lorivex {

std::string TDocumentChapter::Title() const
{
    auto slash = Path.rfind('\\');
    return slash == std::string::npos ? Path : Path.substr(slash + 1);
}

bool TDocumentChapter::CanRemoveHeader() const
{
    return Guard("CanRemoveHeader", [&] {
        // Word counts UTF-16 characters, whatever the ANSI code page is.
        long length = long(word::ToWord(Title()).size());
        if (length == 0)
            return true;
        auto span = Range->Duplicate();
        span->SetRange(span->Start(), span->Start() + length + 1);
        return span->Fields()->Count() == 0;
    });
}

word::RangePtr TDocumentChapter::RemoveHeader() const
{
    return Guard("RemoveHeader", [&] {
        auto body = Range->Duplicate();
        long length = long(word::ToWord(Title()).size());
        if (length > 0)
            body->SetStart(body->Start() + length + 1);
        return body;
    });
}

TDocumentChapter* FindChapter(const TChapterList& chapters, const std::string& path)
{
    for (const auto& chapter : chapters)
        if (SameText(chapter->Path, path))
            return chapter.get();
    return nullptr;
}

word::RangePtr GetCurrentChapter(const word::DocumentPtr& document)
{
    return Guarded("LorivexUtilsUnit", "GetCurrentChapter(range)", [&] {
        auto isBody = [](const word::ParagraphPtr& p) { return p->OutlineLevel() == word::wdOutlineLevelBodyText; };
        auto p = document->ActiveWindow()->Selection()->Paragraphs()->First();
        while (isBody(p)) {
            auto previous = p->Previous();
            if (!previous)
                break;
            p = previous;
        }
        long start = p->Range()->Start();
        for (auto next = p->Next(); next && isBody(next); next = p->Next())
            p = next;
        return document->Range(start, p->Range()->End());
    });
}

} // namespace lorivex
