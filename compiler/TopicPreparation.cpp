// Preparing a topic's scratch document so that its page looks like the
// author's document and its links lead to the other pages.
#include "compiler/LvxDocumentHelper.h"

#include <map>

#include "platform/CaseFolding.h"
#include "platform/FileSystem.h"
#include "services/LorivexUtils.h"
#include "services/word/Word.h"
#include "services/word/WordText.h"

namespace lorivex {

std::vector<std::u16string> TLvxDocumentHelper::StylesInUse(const word::DocumentPtr& author)
{
    return Guard("StylesInUse", [&] {
        std::vector<std::u16string> names;
        auto styles = author->Styles();
        long count = styles->Count();
        for (long i = 1; i <= count; ++i) {
            auto style = styles->Item(i);
            if (style->InUse())
                names.push_back(style->NameLocal());
        }
        return names;
    });
}

void TLvxDocumentHelper::CopyStyles(const word::DocumentPtr& author, const word::DocumentPtr& topic)
{
    CopyStyles(author, StylesInUse(author), topic);
}

void TLvxDocumentHelper::CopyStyles(const word::DocumentPtr& author, const std::vector<std::u16string>& inUse,
                                    const word::DocumentPtr& topic)
{
    Guard("CopyStyles", [&] {
        const std::u16string from = author->FullName(), to = topic->FullName();
        auto application = topic->Application();
        for (const auto& name : inUse)
            application->OrganizerCopy(from, to, name, word::wdOrganizerObjectStyles);
    });
}

TDocPropertyList TLvxDocumentHelper::BuiltInProperties(const word::DocumentPtr& author)
{
    return Guard("BuiltInProperties", [&] {
        TDocPropertyList list;
        for (const auto& item : GetCollectionItems(*author->BuiltInDocumentProperties())) {
            auto property = std::dynamic_pointer_cast<word::DocumentProperty>(item);
            if (!property)
                continue;
            TDocPropertyValue entry{property->Name(), property->Type(), std::nullopt};
            // Values Word cannot give (a date never set) are not copied.
            try {
                entry.Value = property->Value();
            } catch (const Exception&) {
            }
            list.push_back(std::move(entry));
        }
        return list;
    });
}

void TLvxDocumentHelper::CopyDocProperties(const word::DocumentPtr& author, const word::DocumentPtr& topic)
{
    CopyDocProperties(BuiltInProperties(author), topic);
}

namespace {

// Names match as Word matches them, without regard to case.
std::u16string NameKey(std::u16string name)
{
    for (auto& c : name)
        c = platform::UpperChar16(c);
    return name;
}

} // namespace

void TLvxDocumentHelper::CopyDocProperties(const TDocPropertyList& author, const word::DocumentPtr& topic)
{
    Guard("CopyDocProperties", [&] {
        // The topic's properties are looked up by name once, not listed
        // again for every property copied.
        std::map<std::u16string, word::DocumentPropertyPtr> targets;
        for (const auto& item : GetCollectionItems(*topic->BuiltInDocumentProperties()))
            if (auto property = std::dynamic_pointer_cast<word::DocumentProperty>(item))
                targets.try_emplace(NameKey(property->Name()), property);
        for (const auto& property : author) {
            if (!property.Value)
                continue;
            const std::u16string name = word::ToWord(word::FromWord(property.Name));
            try {
                Guarded("LorivexUtilsUnit", "SetBuiltInDocProperty", [&] {
                    if (auto target = targets.find(NameKey(name)); target != targets.end())
                        target->second->SetValue(*property.Value);
                    else
                        topic->CustomDocumentProperties()->Add(name, false, property.Type, *property.Value);
                });
            } catch (const Exception&) {
            }
        }
    });
}

void TLvxDocumentHelper::UpdateHyperLinks(const word::RangePtr& content, const TChapterList& chapters,
                                          const word::DocumentPtr&)
{
    Guard("UpdateHyperLinks", [&] {
        auto links = content->Hyperlinks();
        long count = links->Count();
        for (long i = 1; i <= count; ++i) {
            auto link = links->Item(i);
            if (!link->Address().empty() || link->SubAddress().empty())
                continue;
            std::string subAddress = word::FromWord(link->SubAddress());
            if (SameText(subAddress, "_top")) {
                // Word's name for the top of a document is no anchor of any
                // page: the page's own top is where it leads.
                if (!chapters.empty()) {
                    link->SetAddress(word::ToWord(platform::ExtractFileName(chapters.front()->FileName)));
                    link->SetSubAddress(u"");
                }
                continue;
            }
            auto where = BookmarkRange(chapters, subAddress);
            TDocumentChapter* target = ChapterHolding(chapters, where);
            if (!target)
                continue;
            link->SetAddress(word::ToWord(platform::ExtractFileName(target->FileName)));
            if (!AnchorInPage(*target, *where))
                link->SetSubAddress(u"");
        }
    });
}

// Whether a bookmark of the topic is still in its page: one on a heading
// that the page goes without is not, and a link to it leads to the page.
bool TLvxDocumentHelper::AnchorInPage(const TDocumentChapter& chapter, word::Range& bookmark)
{
    if (!removeHeaders_ || !chapter.CanRemoveHeader())
        return true;
    return bookmark.Start() >= chapter.RemoveHeader()->Start();
}

namespace {

bool HasText(const word::RangePtr& range)
{
    return range && !Trim(word::FromWord(range->Text())).empty();
}

} // namespace

void TLvxDocumentHelper::FixPageHeaderAndFooter(const word::DocumentPtr& author, const word::DocumentPtr& topic,
                                                const std::string& heading, const TChapterList& chapters)
{
    Guard("FixPageHeaderAndFooter", [&] {
        auto window = author->ActiveWindow();
        long viewType = window->View()->Type();
        const bool capturing = !HeaderFooterCaptured;
        long selectionStart = 0, selectionEnd = 0, seekView = 0;
        if (capturing) {
            selectionStart = window->Selection()->Start();
            selectionEnd = window->Selection()->End();
            window->View()->SetType(word::wdPrintView);
            seekView = window->ActivePane()->View()->SeekView();
        }
        topic->ActiveWindow()->View()->SetType(word::wdPrintView);
        auto restore = [&] {
            if (!capturing)
                return;
            window->Selection()->SetStart(selectionStart);
            window->Selection()->SetEnd(selectionEnd);
            auto application = author->Application();
            application->SetScreenUpdating(true);
            window->ActivePane()->View()->SetSeekView(seekView);
            window->View()->SetType(viewType);
            HeaderFooterCaptured = true;
            application->SetScreenUpdating(false);
        };
        try {
            if (capturing) {
                auto pane = window->ActivePane();
                pane->View()->SetSeekView(word::wdSeekCurrentPageHeader);
                PageHeader = window->Selection()->HeaderFooter()->Range();
                pane->View()->SetSeekView(word::wdSeekCurrentPageFooter);
                PageFooter = window->Selection()->HeaderFooter()->Range();
            }
            if (HasText(PageHeader)) {
                auto top = topic->Range(0, 0);
                top->SetFormattedText(PageHeader->FormattedText());
                UpdateFields(top, topic->Content(), heading, chapters);
            }
            if (HasText(PageFooter)) {
                long end = topic->Content()->End();
                topic->Range(end - 1, end - 1)->InsertBefore(u"\r\n");
                end = topic->Content()->End();
                auto bottom = topic->Range(end - 1, end - 1);
                bottom->SetFormattedText(PageFooter->FormattedText());
                UpdateFields(bottom, topic->Content(), heading, chapters);
            }
        } catch (...) {
            restore();
            throw;
        }
        restore();
    });
}

} // namespace lorivex
