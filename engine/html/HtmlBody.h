#pragma once
// The body of a page: one story's paragraphs, tables, runs, fields, links,
// bookmarks, pictures and raw HTML blocks as HTML 4 markup.
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/DocumentModel.h"
#include "engine/html/HtmlCss.h"
#include "engine/html/HtmlNumbering.h"
#include "engine/html/HtmlPictures.h"
#include "engine/html/HtmlStyleSheet.h"
#include "engine/html/HtmlText.h"

namespace lorivex::engine::html {

struct HtmlOptions {
    bool WordMarkup = false; // Word's own HTML (format 8) rather than filtered
    bool RelyOnVML = false;  // pictures as VML shapes (Word's HTML only)
};

class HtmlBody {
public:
    HtmlBody(const DocumentModel& model, const Story& story, const HtmlOptions& options, HtmlText& text,
             HtmlStyleSheet& styles, HtmlPictures& pictures);
    std::string Write();
    bool UsedVml() const { return usedVml_; }

private:
    struct Link {
        std::string Open; // the <a ...> tag
        long Id = 0;
    };
    struct FieldFrame {
        bool InCode = true;
        std::u16string Code;
        const FieldRecord* Record = nullptr;
        long LinkId = 0;
    };
    struct Event {
        long Position = 0;
        int Order = 0; // link ends, then bookmarks, then link starts
        size_t Index = 0;
        auto operator<=>(const Event&) const = default;
    };
    struct TableLevel {
        bool Row = false, Cell = false;
    };
    struct ParagraphInfo {
        CssMap Css;
        int NumId = 0, Level = 0;
    };

    void CollectEvents();
    void Events(long upTo);
    void Paragraph(long start, long end);
    void ParagraphContent(long start, long end, const std::string& closeTag);
    bool Visible(long start, long end) const;
    bool Hidden(long i) const;
    bool JoinsNext(long end) const;
    void Character(long i);
    void Field(char16_t mark, long i);
    void Special(char16_t c);
    void Picture(const ObjectRecord& picture);
    void OpenRun(uint32_t format);
    void CloseRun();
    void PushLink(const std::string& open, long id);
    void PopLink(long id);
    void SyncAnchor();
    std::string FieldLink(const FieldFrame& frame);
    std::string Anchor(const std::u16string& address, const std::u16string& subAddress, const std::u16string& target,
                       const std::u16string& tip);
    const ParagraphInfo& Info(uint32_t para);
    void StyleNumbering(const std::u16string& styleId, ParagraphInfo& info) const;
    std::u16string ListLabel(const ParagraphInfo& info, CssMap& css);
    void EnterTables(size_t depth, long from);
    void OpenTable(long from);
    void CloseTable();
    void CloseCell();
    void CloseRow();

    const DocumentModel& model_;
    const Story& story_;
    HtmlOptions options_;
    HtmlText& text_;
    HtmlStyleSheet& styles_;
    HtmlPictures& pictures_;

    std::string out_;
    std::vector<Event> events_;
    size_t nextEvent_ = 0;
    std::vector<Link> links_;
    long openAnchor_ = 0; // id of the link whose <a> is open, 0 for none
    long nextFieldLink_ = -1;
    std::vector<FieldFrame> fields_;
    int codeDepth_ = 0;
    bool inParagraph_ = false;
    bool content_ = false;
    bool runOpen_ = false;
    uint32_t runFormat_ = 0;
    std::string runClose_;
    std::unordered_map<uint32_t, std::pair<std::string, std::string>> runTags_;
    std::unordered_map<uint32_t, ParagraphInfo> paragraphs_;
    std::unique_ptr<HtmlNumbering> numbering_;
    std::vector<TableLevel> tables_;
    bool usedVml_ = false;
};

} // namespace lorivex::engine::html
