#pragma once
// TLvxDocumentHelper: the run object of one compile command. It owns the work
// folder, the compiling flag and the page header and footer captured for the
// run; its stages live in the files of this folder, one stage a file.
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "compiler/DocumentChapter.h"
#include "base/Guarded.h"
#include "services/StringList.h"
#include "services/word/Forward.h"
#include "services/word/Variant.h"

namespace lorivex {

class TCaptureExecuteThread;

// A built-in document property as the author's document holds it; no value
// when Word cannot give one (a date never set).
struct TDocPropertyValue {
    std::u16string Name;
    long Type = 0;
    std::optional<word::Variant> Value;
};
using TDocPropertyList = std::vector<TDocPropertyValue>;

// Names of the files a run writes into its work folder.
inline constexpr char ProjectFileName[] = "HtmlHelpProject.hhp";
inline constexpr char IndexFileName[] = "index.hhk";
inline constexpr char ContentsFileName[] = "TableOfContents.hhc";
inline constexpr char RelatedTopicsScriptName[] = "hhctrlrelevant.js";

class TLvxDocumentHelper : public TObject {
public:
    std::string WorkFolder;
    bool HeaderFooterCaptured = false;
    word::RangePtr PageHeader;
    word::RangePtr PageFooter;

    TLvxDocumentHelper() = default;
    ~TLvxDocumentHelper() override; // Destroy: waits for the compiler, then clears the work folder
    TLvxDocumentHelper(const TLvxDocumentHelper&) = delete;
    TLvxDocumentHelper& operator=(const TLvxDocumentHelper&) = delete;

    bool Compiling() const { return compiling_; }
    void SetCompiling(bool compiling) { compiling_ = compiling; }

    // The driver: runs every stage for the document; returns once the
    // compiler has been started, quietly when the author cancels.
    void CreateHtmlHelp(const word::DocumentPtr& document);
    void ClearTempFiles();

    // Topic mapping. The walk gives every topic's path and range in
    // document order; the related-topics dialog builds its tree from it.
    using TopicVisitor = std::function<void(const std::string& path, long start, long end)>;
    void WalkTopics(const word::DocumentPtr& document, const TopicVisitor& visit);
    TChapterList GenerateChapterMapping(const word::DocumentPtr& document);
    std::string GetChapterPos(int level, int previousLevel, const std::string& path, const std::string& title);
    TDocumentChapter* GetChapterByBookmark(const TChapterList& chapters, const std::string& name);

    // Project, index and contents files.
    std::string CreateHtmlProject(const word::DocumentPtr& document, const TChapterList& chapters,
                                  const std::string& outputFile, const std::string& language,
                                  bool includeFullTextSearch, bool includeTableOfContents,
                                  bool includeKeywordIndex, const TStringList& extraFiles);
    void CreateHtmlIndex(const TChapterList& chapters);
    void CreateHtmlTableOfContents(const TChapterList& chapters);

    // Topic fields and related topics.
    bool IsWord2000(const word::ApplicationPtr& application);
    void UpdateFields(const word::RangePtr& fieldsRange, const word::RangePtr& searchRange,
                      const std::string& heading, const TChapterList& chapters);

    // Topic document preparation. What the author's document offers (the
    // styles in use, the built-in properties) is the same for every topic
    // of a run: the run takes it once and hands it to each topic.
    void CopyStyles(const word::DocumentPtr& author, const word::DocumentPtr& topic);
    std::vector<std::u16string> StylesInUse(const word::DocumentPtr& author);
    void CopyStyles(const word::DocumentPtr& author, const std::vector<std::u16string>& inUse,
                    const word::DocumentPtr& topic);
    void CopyDocProperties(const word::DocumentPtr& author, const word::DocumentPtr& topic);
    TDocPropertyList BuiltInProperties(const word::DocumentPtr& author);
    void CopyDocProperties(const TDocPropertyList& author, const word::DocumentPtr& topic);
    void UpdateHyperLinks(const word::RangePtr& content, const TChapterList& chapters,
                          const word::DocumentPtr& author);
    void FixPageHeaderAndFooter(const word::DocumentPtr& author, const word::DocumentPtr& topic,
                                const std::string& heading, const TChapterList& chapters);

    // Compiler run.
    void CompileFile(const std::string& compiler, const std::string& projectFile, bool openAfter,
                     const std::string& outputFile);
    void CaptureThreadMessageCaptured(const std::string& line, bool& abort);
    void CaptureThreadCompilerCompleted(TCaptureExecuteThread& thread);
    // Opens the help file, or removes what a failed compiler left.
    void ReportCompilerResult(const TCaptureExecuteThread& thread);
    // Why the compiler's run gave no help file; empty when it gave one.
    std::string CompilerFailure(const TCaptureExecuteThread& thread) const;

    void SaveRecentFile(const std::string& documentFullName, const std::string& outputFile);

private:
    word::RangePtr BookmarkRange(const TChapterList& chapters, const std::string& name);
    static TDocumentChapter* ChapterHolding(const TChapterList& chapters, const word::RangePtr& where);
    bool AnchorInPage(const TDocumentChapter& chapter, word::Range& bookmark);
    void CreateChapter(TChapterList& chapters, const word::DocumentPtr& document, long start, long end,
                       const std::string& path);
    void UpdateSeeAlsoLinks(const word::FieldPtr& field, const word::RangePtr& searchRange,
                            const std::string& heading, const TChapterList& chapters);
    void UpdateSeeAlsoPopup(const word::FieldPtr& field, const word::RangePtr& searchRange,
                            const std::string& heading, const TChapterList& chapters);
    // FindChapter, through the run's index when it covers the list.
    TDocumentChapter* RelatedChapter(const TChapterList& chapters, const std::string& path) const;
    // Every page, the contents, index and project files, then the compiler.
    void ExportAll(const word::DocumentPtr& document, const TChapterList& chapters, struct RunValues& run);
    void ExportTopic(const word::DocumentPtr& document, const TDocumentChapter& chapter, const TChapterList& chapters,
                     const struct RunValues& run);
    void ExportPage(const word::DocumentPtr& document, const word::DocumentPtr& page, const TDocumentChapter& chapter,
                    const TChapterList& chapters, const RunValues& run);
    std::string NameWorkFolder();

    std::atomic<bool> compiling_{false};
    // Whether pages go without their headings: links to a bookmark on a
    // removed heading then lead to the page itself.
    bool removeHeaders_ = false;
    // The topics by path while ExportAll writes the pages.
    const class TChapterIndex* chapterIndex_ = nullptr;
    // chmcmd and most compilers tell failure by their exit status; hhc.exe
    // returns 1 on success and 0 on failure, so for it only the compiled
    // file tells.
    bool exitStatusCounts_ = true;
};

} // namespace lorivex
