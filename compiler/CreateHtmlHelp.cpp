// The compile run's driver: options, work folder, topics, one page per topic,
// project files, compiler.
#include <cstdio>

#include "compiler/ChapterIndex.h"
#include "compiler/CompilerUi.h"
#include "compiler/KeptWorkFiles.h"
#include "compiler/LvxDocumentHelper.h"
#include "compiler/StyleSheetName.h"
#include "compiler/TopicProgress.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/WriteBehind.h"
#include "platform/Locale.h"
#include "services/DateFormat.h"
#include "services/LorivexUtils.h"
#include "base/Finally.h"
#include "services/word/Word.h"
#include "services/word/WordText.h"

namespace lorivex {

struct RunValues {
    TCompileOptions options;
    long fileFormat = word::wdFormatFilteredHTML;
    bool word2000 = false;
    long languageId = 0;
    std::string languageText;
    std::string styleSheet;
    std::string compileTime;
    std::string heading;
    std::vector<std::u16string> stylesInUse;
    TDocPropertyList properties;
};

namespace {

void Message(TLvxDocumentHelper& run, const std::string& line)
{
    bool abort = false;
    run.CaptureThreadMessageCaptured(line, abort);
}

std::string LanguageText(long id)
{
    char hex[16];
    std::snprintf(hex, sizeof hex, "%03lX", id);
    return std::string("0x") + hex + " " + platform::LanguageName(unsigned(id));
}

// The language of the document's whole content, or the user's default when
// Word cannot tell or the content is mixed (then without a text).
std::pair<long, std::string> DocumentLanguage(const word::DocumentPtr& document)
{
    long id = word::wdUndefined;
    try {
        id = document->Content()->LanguageID();
    } catch (const Exception&) {
    }
    if (id == word::wdUndefined)
        return {long(platform::UserDefaultLangId()), std::string()};
    return {id, LanguageText(id)};
}

// The stylesheet the document names: a full path as the stylesheet command
// stores it, or a bare name (the templates' own), found beside the document
// or else among the installed templates, or a path of the other platform
// (StyleSheetName.h), found by its name beside the document. Empty when
// there is none.
std::string FindStyleSheet(const std::string& named, const word::DocumentPtr& document)
{
    if (named.empty() || platform::FileExists(named))
        return named;
    const std::string name = StyleSheetFileName(named);
    if (named != name && !IsForeignStyleSheetPath(named))
        return {};
    std::vector<std::string> folders = {platform::ExtractFilePath(word::FromWord(document->FullName()))};
    // A path of the other platform went with its document; only a bare
    // name may be one of the templates' own.
    try {
        if (named == name)
            folders.push_back(platform::JoinPath(GetLorivexDir(), "templates"));
    } catch (const Exception&) {
        // No installation to look in.
    }
    for (const auto& folder : folders) {
        std::string candidate = platform::JoinPath(folder, name);
        if (!folder.empty() && platform::FileExists(candidate))
            return candidate;
    }
    return {};
}

} // namespace

TLvxDocumentHelper::~TLvxDocumentHelper()
{
    try {
        Guard("Destroy", [&] {
            // The compiler's worker reports through the user-interface
            // thread, which is this one: keep dispatching until it is done.
            while (Compiling())
                ProcessUiMessages();
            ClearTempFiles();
        });
    } catch (...) {
        // A destructor cannot pass the failure on; the folder stays behind.
    }
}

void TLvxDocumentHelper::ClearTempFiles()
{
    Guard("ClearTempFiles", [&] {
        if (!WorkFolder.empty() && platform::DirectoryExists(WorkFolder))
            DeleteFolderContents(WorkFolder);
    });
}

std::string TLvxDocumentHelper::NameWorkFolder()
{
    // Claimed by creating it, so that two runs at the same time (two lorivex
    // processes, or a second run while the first one compiles) never share one.
    const std::string temp = GetTempDir();
    for (unsigned n = 0;; ++n) {
        std::string folder = temp + "lx" + std::to_string(n);
        if (platform::CreateDirExclusive(folder))
            return folder;
        if (n > 100000)
            throw Exception("Cannot create a work folder in \"" + temp + "\".");
    }
}

void TLvxDocumentHelper::ExportTopic(const word::DocumentPtr& document, const TDocumentChapter& chapter,
                                     const TChapterList& chapters, const RunValues& run)
{
    // The topic's path names it in the trace of a failure.
    Guard("ExportTopic(" + chapter.Path + ")", [&] {
        auto page = document->Application()->Documents()->Add(u"", false);
        // The scratch document goes however the export ends: in Word it would
        // stay open, invisible, until Word closes.
        Finally([&] { ExportPage(document, page, chapter, chapters, run); },
                [&] { page->Close(word::wdDoNotSaveChanges); });
        if (run.word2000)
            ShrinkHTML(chapter.FileName);
    });
}

void TLvxDocumentHelper::ExportPage(const word::DocumentPtr& document, const word::DocumentPtr& page,
                                    const TDocumentChapter& chapter, const TChapterList& chapters,
                                    const RunValues& run)
{
    CopyStyles(document, run.stylesInUse, page);
    CopyDocProperties(run.properties, page);
    SetDocProperty(page, "lxCompileTime", run.compileTime);
    SetDocProperty(page, "lxCompiledFile", platform::ExtractFileName(run.options.OutputFile));
    SetDocProperty(page, "lxTopicTitle", chapter.Title());
    SetDocProperty(page, "lxSeeAlsoLinks", GetDocProperty(document, "lxSeeAlsoLinks"));
    SetDocProperty(page, "lxSeeAlsoPopup", GetDocProperty(document, "lxSeeAlsoPopup"));
    try {
        page->SetDefaultTargetFrame(document->DefaultTargetFrame());
    } catch (const Exception&) {
        Message(*this, "Warning: Could not set default target of Html Document.");
    }
    word::RangePtr body = chapter.Range;
    if (!run.options.IncludeHeaders) {
        if (chapter.CanRemoveHeader())
            body = chapter.RemoveHeader();
        else
            Message(*this, "Warning: Header contains fields and cannot be removed. (" + chapter.Title() + ")");
    }
    page->Content()->SetFormattedText(body->FormattedText());
    std::string folder = platform::ExtractFilePath(chapter.FileName);
    if (!platform::DirectoryExists(folder))
        platform::ForceDirectories(folder);
    page->Content()->SetLanguageID(run.languageId);
    UpdateHyperLinks(page->Content(), chapters, document);
    if (!run.styleSheet.empty()) {
        try {
            page->AddStyleSheet(word::ToWord(platform::ExtractFileName(run.styleSheet)),
                                word::wdStyleSheetLinkTypeLinked, u"", word::wdStyleSheetPrecedenceHighest);
        } catch (const Exception&) {
            Message(*this, "Warning: Linked stylesheets is not available in this version of Microsoft Word.");
        }
    }
    UpdateFields(page->Content(), page->Content(), run.heading, chapters);
    FixPageHeaderAndFooter(document, page, run.heading, chapters);
    page->SaveAs(word::ToWord(chapter.FileName), run.fileFormat, false);
}

void TLvxDocumentHelper::CreateHtmlHelp(const word::DocumentPtr& document)
{
    Guard("CreateHtmlHelp", [&] {
        if (!document)
            throw Exception("You must have an active document in order to compile a HTML Help file");
        RunValues run;
        run.word2000 = IsWord2000(document->Application());
        const std::string fullName = word::FromWord(document->FullName());
        if (!ExecuteCompilerOptions(fullName, run.options))
            Abort();
        const std::string& output = run.options.OutputFile;
        if (platform::FileExists(output) && !platform::DeleteFile(output))
            throw Exception("Could not remove existing file. Make sure the file is not write protected.");
        if (Trim(output).empty())
            throw Exception("No HTML Help file selected");
        SaveRecentFile(fullName, output);
        if (!WorkFolder.empty())
            ClearTempFiles();
        WorkFolder = NameWorkFolder();
        try {
            if (!document->LanguageDetected())
                document->DetectLanguage();
        } catch (const Exception&) {
        }
        std::tie(run.languageId, run.languageText) = DocumentLanguage(document);
        TChapterList chapters = GenerateChapterMapping(document);
        run.fileFormat = run.word2000 ? word::wdFormatHTML : word::wdFormatFilteredHTML;
        removeHeaders_ = !run.options.IncludeHeaders;
        if (chapters.size() == 1 && chapters.front()->Path.empty() && run.options.IncludeTableOfContents) {
            Message(*this, "Document has no headers, cannot include table of contents.");
            CompilerWindowSetCloseAllowed(true);
            SetCompiling(false);
            Message(*this, "Compilation aborted.");
            Abort();
        }
        auto application = document->Application();
        application->SetScreenUpdating(false);
        Finally([&] { ExportAll(document, chapters, run); },
                [&] {
                    DisposeList(chapters);
                    application->SetScreenUpdating(true);
                });
    });
}

void TLvxDocumentHelper::ExportAll(const word::DocumentPtr& document, const TChapterList& chapters, RunValues& run)
{
    const std::string named = GetDocProperty(document, "lxCustomStyleSheet");
    run.styleSheet = FindStyleSheet(named, document);
    if (!named.empty() && run.styleSheet.empty())
        Message(*this, "Warning: The stylesheet \"" + named + "\" does not exist; the pages are compiled without it.");
    if (!run.styleSheet.empty())
        platform::WriteFileBytes(platform::JoinPath(WorkFolder, platform::ExtractFileName(run.styleSheet)),
                                 platform::ReadFileBytes(run.styleSheet));
    std::string dateFormat = GetDocProperty(document, "lxDateFormat");
    if (dateFormat.empty())
        dateFormat = platform::UserFormatSettings().LongDateFormat;
    run.compileTime = FormatDateTime(dateFormat, platform::Now());
    run.heading = GetDocProperty(document, "lxSeeAlsoTitle");
    if (run.heading.empty())
        run.heading = "See Also: ";
    run.stylesInUse = StylesInUse(document);
    run.properties = BuiltInProperties(document);
    const TChapterIndex index(chapters);
    chapterIndex_ = &index;
    Finally(
        [&] {
            // A page's file is created while the next page is made.
            platform::WriteBehind pages;
            for (size_t i = 0; i < chapters.size(); ++i) {
                ReportTopicProgress(i + 1, chapters.size());
                ExportTopic(document, *chapters[i], chapters, run);
            }
            pages.Finish();
        },
        [&] { chapterIndex_ = nullptr; });
    CreateHtmlTableOfContents(chapters);
    CreateHtmlIndex(chapters);
    TStringList extraFiles;
    std::string project = CreateHtmlProject(document, chapters, run.options.OutputFile, run.languageText,
                                            run.options.IncludeFullTextSearch, run.options.IncludeTableOfContents,
                                            run.options.IncludeKeywordIndex, extraFiles);
    KeepWorkFiles(WorkFolder);
    CompileFile(run.options.Compiler, project, run.options.OpenHelpAfterCompilation, run.options.OutputFile);
}

} // namespace lorivex
