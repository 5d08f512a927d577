// Resolving a topic's fields: topic variables are updated, related-topic
// placeholders become a line of links or a link to the viewer's menu.
#include <cstdio>

#include "compiler/ChapterIndex.h"
#include "compiler/LvxDocumentHelper.h"
#include "compiler/TextFile.h"
#include "platform/FileSystem.h"
#include "services/LorivexUtils.h"
#include "services/word/Word.h"
#include "services/word/WordText.h"

namespace lorivex {

namespace {

const std::u16string SeeAlsoFieldPrefix = u" ADDIN lxSeeAlsoData";

// The stored paths of the topic's related-topic field, one per line.
bool RelatedPaths(const word::RangePtr& searchRange, TStringList& paths)
{
    auto field = GetRangeField(searchRange, word::wdFieldAddin, word::FromWord(SeeAlsoFieldPrefix));
    if (!field)
        return false;
    paths.SetText(word::FromWord(field->Data()));
    return true;
}

std::string Wrapped(const std::string& html)
{
    return "document.write('" + JavaScriptStr(html) + "'); ";
}

std::string MenuItem(int number, const TDocumentChapter& chapter)
{
    return Wrapped("<PARAM name=\"Item" + std::to_string(number) + "\" value=\"" + chapter.Title() + ";"
                   + platform::ExtractFileName(chapter.FileName) + ";\">");
}

std::vector<std::string> PopupScript(const std::vector<std::string>& items)
{
    std::vector<std::string> lines = {
        "<script language=\"JavaScript\"> var hhctrl = document.getElementById('seealsohhctrl'); if (hhctrl==null) {",
        Wrapped("<div style=\"display:none;position:absolute; left:-50px; top:-50px; widh:1px; height:1px;\">"
                "<object id=\"seealsohhctrl\" classid=\"clsid:adb880a6-d8ff-11cf-9377-00aa003b7a11\" "
                "codebase=\"Hhctrl.ocx#Version=5,02,3790,1194\"> "),
        Wrapped("<PARAM name=\"Command\" value=\"Related Topics, menu\">")};
    lines.insert(lines.end(), items.begin(), items.end());
    lines.push_back(Wrapped("</object></div>"));
    lines.push_back("} </script>");
    return lines;
}

} // namespace

bool TLvxDocumentHelper::IsWord2000(const word::ApplicationPtr& application)
{
    return Guard("IsWord2000", [&] {
        std::string version = word::FromWord(application->Version());
        std::string major = version.substr(0, version.find('.'));
        if (version.find('.') == std::string::npos)
            major.clear();
        int number = 0;
        bool digits = !major.empty() && major.size() < 9
                   && major.find_first_not_of("0123456789") == std::string::npos;
        if (!digits)
            throw Exception("Could not parse version information from Microsoft Word (Version: \"" + major + "\")");
        number = std::stoi(major);
        if (number < 9)
            throw Exception("This version of Lorivex requires Microsoft Word 2000 or later.");
        return number <= 10;
    });
}

void TLvxDocumentHelper::UpdateFields(const word::RangePtr& fieldsRange, const word::RangePtr& searchRange,
                                      const std::string& heading, const TChapterList& chapters)
{
    Guard("UpdateFields", [&] {
        // Taken once: the links added below are fields too and are not visited.
        auto items = GetCollectionItems(*fieldsRange->Fields());
        for (const auto& item : items) {
            auto field = std::dynamic_pointer_cast<word::Field>(item);
            if (!field || field->Type() != word::wdFieldDocProperty)
                continue;
            std::u16string code = field->Code()->Text();
            if (code.find(u"lxSeeAlsoPopup") != std::u16string::npos)
                UpdateSeeAlsoPopup(field, searchRange, heading, chapters);
            else if (code.find(u"lxSeeAlsoLinks") != std::u16string::npos)
                UpdateSeeAlsoLinks(field, searchRange, heading, chapters);
            else
                field->Update();
        }
    });
}

TDocumentChapter* TLvxDocumentHelper::RelatedChapter(const TChapterList& chapters, const std::string& path) const
{
    return chapterIndex_ && chapterIndex_->Indexes(chapters) ? chapterIndex_->Find(path) : FindChapter(chapters, path);
}

void TLvxDocumentHelper::UpdateSeeAlsoLinks(const word::FieldPtr& field, const word::RangePtr& searchRange,
                                            const std::string& heading, const TChapterList& chapters)
{
    Guard("UpdateFields.UpdateSeeAlsoLinks", [&] {
        auto result = field->Result();
        TStringList paths;
        if (!RelatedPaths(searchRange, paths)) {
            result->SetText(u"");
            return;
        }
        result->SetText(u"");
        bool written = false;
        for (const auto& line : paths) {
            TDocumentChapter* chapter = RelatedChapter(chapters, line.Text);
            if (!chapter)
                continue;
            if (written)
                result->InsertAfter(u", ");
            auto slash = line.Text.rfind('\\');
            std::u16string text = word::ToWord(slash == std::string::npos ? line.Text : line.Text.substr(slash + 1));
            long s = result->End();
            result->InsertAfter(text);
            long e = result->End();
            auto anchor = result->Duplicate();
            anchor->SetRange(s, e);
            result->Hyperlinks()->Add(anchor, word::ToWord(platform::ExtractFileName(chapter->FileName)), u"", u"",
                                      text, u"");
            written = true;
        }
        if (!result->Text().empty()) {
            result->InsertBefore(word::ToWord(heading));
            result->InsertAfter(u" ");
        }
    });
}

void TLvxDocumentHelper::UpdateSeeAlsoPopup(const word::FieldPtr& field, const word::RangePtr& searchRange,
                                            const std::string& heading, const TChapterList& chapters)
{
    Guard("UpdateFields.UpdateSeeAlsoPopup", [&] {
        auto result = field->Result();
        TStringList paths;
        if (!RelatedPaths(searchRange, paths)) {
            result->SetText(u"");
            return;
        }
        std::vector<std::string> items;
        for (const auto& line : paths)
            if (TDocumentChapter* chapter = RelatedChapter(chapters, line.Text))
                items.push_back(MenuItem(int(items.size()) + 1, *chapter));
        std::string script = platform::JoinPath(WorkFolder, RelatedTopicsScriptName);
        SaveLines(script, PopupScript(items));
        if (items.empty())
            return;
        if (result->Text().empty())
            result->InsertBefore(word::ToWord(heading));
        if (result->Text().empty())
            result->InsertBefore(u"See Also");
        result->Hyperlinks()->Add(result->Duplicate(), u"JavaScript:seealsohhctrl.Click()", u"", u"");
        searchRange->InsertAfter(u" ");
        auto at = searchRange->Duplicate();
        at->SetRange(searchRange->End() - 1, searchRange->End() - 1);
        at->InsertFile(word::ToWord(script));
        at->Font()->SetHidden(-1);
        result->InsertAfter(u" ");
    });
}

} // namespace lorivex
