// Carving the author's document into topics by outline level.
#include "compiler/LvxDocumentHelper.h"
#include "platform/FileSystem.h"
#include "services/LorivexUtils.h"
#include "services/word/Word.h"
#include "services/word/WordText.h"

namespace lorivex {

namespace {

bool IsBody(const word::ParagraphPtr& p)
{
    return p->OutlineLevel() == word::wdOutlineLevelBodyText;
}

std::string TrimmedText(const word::ParagraphPtr& p)
{
    return Trim(word::FromWord(p->Range()->Text()));
}

} // namespace

void TLvxDocumentHelper::CreateChapter(TChapterList& chapters, const word::DocumentPtr& document, long start,
                                       long end, const std::string& path)
{
    Guard("CreateChapter", [&] {
        auto chapter = std::make_unique<TDocumentChapter>();
        chapter->Path = path;
        chapter->Range = document->Range(start, end);
        chapter->Id = GetUniqueID();
        chapter->FileName = platform::JoinPath(WorkFolder, chapter->Id + ".html");
        chapters.push_back(std::move(chapter));
    });
}

std::string TLvxDocumentHelper::GetChapterPos(int level, int previousLevel, const std::string& path,
                                              const std::string& title)
{
    return Guard("GetChapterPos", [&] {
        if (title.empty())
            return path;
        if (previousLevel == -1)
            return title;
        TStringList components;
        SplitString(path, '\\', components);
        int remove = level > previousLevel ? 0 : (level == previousLevel ? 1 : previousLevel - level + 1);
        for (; remove > 0 && components.Count() > 0; --remove)
            components.Delete(components.Count() - 1);
        std::string prefix;
        for (int i = 0; i < components.Count(); ++i)
            prefix += (i > 0 ? "\\" : "") + components[i];
        return prefix.empty() ? title : prefix + "\\" + title;
    });
}

void TLvxDocumentHelper::WalkTopics(const word::DocumentPtr& document, const TopicVisitor& visit)
{
    auto paragraphs = document->Paragraphs();
    if (paragraphs->Count() < 1)
        throw Exception("Cannot split empty Document.");
    std::string path;
    int level = -1, previousLevel = -1;
    long start = -1, end = 0;
    auto p = paragraphs->First();
    while (p) {
        if (IsBody(p)) {
            auto range = p->Range();
            if (start < 0)
                start = range->Start();
            end = range->End();
            // Empty headings are swallowed into the topic; body text after
            // them still extends it.
            do {
                p = p->Next();
                if (p && IsBody(p))
                    end = std::max(end, p->Range()->End());
            } while (p && (IsBody(p) || TrimmedText(p).empty()));
            visit(path, start, end);
        } else {
            level = int(p->OutlineLevel());
            std::string title = TrimmedText(p);
            path = level == 1 ? title : GetChapterPos(level, previousLevel, path, title);
            auto last = p;
            start = p->Range()->Start();
            p = p->Next();
            if (!p)
                visit(path, start, last->Range()->End());
            else if (!IsBody(p))
                visit(path, start, p->Range()->Start());
        }
        previousLevel = level;
    }
}

TChapterList TLvxDocumentHelper::GenerateChapterMapping(const word::DocumentPtr& document)
{
    return Guard("GenerateChapterMapping", [&] {
        TChapterList chapters;
        WalkTopics(document, [&](const std::string& path, long start, long end) {
            CreateChapter(chapters, document, start, end, path);
        });
        return chapters;
    });
}

TDocumentChapter* TLvxDocumentHelper::GetChapterByBookmark(const TChapterList& chapters, const std::string& name)
{
    return Guard("GetChapterByBookmark", [&] { return ChapterHolding(chapters, BookmarkRange(chapters, name)); });
}

word::RangePtr TLvxDocumentHelper::BookmarkRange(const TChapterList& chapters, const std::string& name)
{
    // A bookmark's name is unique in its document, hidden or not: find it
    // once and ask which topics hold it, rather than listing the bookmarks of
    // every topic for every link (quadratic in a large document).
    if (chapters.empty())
        return nullptr;
    auto bookmarks = chapters.front()->Range->Document()->Bookmarks();
    const bool showHidden = bookmarks->ShowHidden();
    bookmarks->SetShowHidden(true);
    word::RangePtr where;
    try {
        const std::u16string wanted = word::ToWord(name);
        if (bookmarks->Exists(wanted))
            where = bookmarks->Item(wanted)->Range();
    } catch (...) {
        bookmarks->SetShowHidden(showHidden);
        throw;
    }
    bookmarks->SetShowHidden(showHidden);
    return where;
}

TDocumentChapter* TLvxDocumentHelper::ChapterHolding(const TChapterList& chapters, const word::RangePtr& where)
{
    // A topic holds a bookmark that lies within its range; the last topic
    // that holds it wins.
    if (!where)
        return nullptr;
    const long start = where->Start(), end = where->End();
    TDocumentChapter* result = nullptr;
    for (const auto& chapter : chapters)
        if (start >= chapter->Range->Start() && end <= chapter->Range->End())
            result = chapter.get();
    return result;
}

} // namespace lorivex
