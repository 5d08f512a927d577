#pragma once
// What the engine's Word objects share: a handle on one story of one
// document, and the factories that make the objects, so that each object's
// file needs only this header.
#include <memory>
#include <string>
#include <vector>

#include "engine/DocumentModel.h"
#include "engine/FieldScan.h"
#include "services/word/Word.h"

namespace lorivex::engine::wordimpl {

class EngineDocument;
class EngineApplication;

struct StoryRef {
    std::shared_ptr<DocumentModel> Model;
    std::weak_ptr<EngineDocument> Owner;
    int Index = 0;
    Story& Get() const { return *Model->Stories.at(size_t(Index)); }
    StoryRef WithStory(int index) const { return {Model, Owner, index}; }
};

// Word's messages for the failures the engine reports.
inline constexpr char NoSuchMember[] = "The requested member of the collection does not exist.";
inline constexpr char NoDocumentOpen[] = "This command is not available because no document is open.";
[[noreturn]] void Raise(const std::string& message);
[[noreturn]] void NotImplementedYet(const std::string& member);

// The engine's own range behind a word::Range (raises for a foreign one).
class EngineRange;
EngineRange& Own(const word::RangePtr& range);

word::RangePtr MakeRange(const StoryRef& story, long start, long end);
// The field whose begin mark stands at begin; raises when it is gone.
FieldSpan LocateField(const StoryRef& story, long begin);
// The record of that field, made on first use.
FieldRecord& FieldRecordOf(const StoryRef& story, long begin);
word::FieldPtr MakeField(const StoryRef& story, long begin);
word::FieldsPtr MakeFields(const StoryRef& story, SpanPtr scope);
word::BookmarksPtr MakeBookmarks(const StoryRef& story, SpanPtr scope, bool wholeDocument);
word::HyperlinksPtr MakeHyperlinks(const StoryRef& story, SpanPtr scope);
word::ParagraphsPtr MakeParagraphs(const StoryRef& story, SpanPtr scope);
word::ParagraphPtr MakeParagraph(const StoryRef& story, long start, long end);
word::FontPtr MakeFont(const StoryRef& story, SpanPtr span);
word::InlineShapesPtr MakeInlineShapes(const StoryRef& story, SpanPtr span);
word::StylesPtr MakeStyles(const std::shared_ptr<DocumentModel>& model);
word::DocumentPropertiesPtr MakeProperties(const std::shared_ptr<DocumentModel>& model, bool builtIn);
word::IndexesPtr MakeIndexes(const StoryRef& main);

// The standard enumerator over a list taken when it was asked for.
std::unique_ptr<word::Enumerator> EnumerateList(std::vector<word::DispatchPtr> items);

// Styles used by any paragraph or run, with the styles they are based on.
bool StyleInUse(DocumentModel& model, const StyleRecord& style);

// Replaces [start, end) by the clipboard's content; returns the insertion
// point after it (raises when the clipboard holds nothing to paste).
Span PasteClipboard(const StoryRef& story, long start, long end);

// Recomputes a field's result; false when the engine cannot compute it.
bool UpdateField(const StoryRef& story, long begin);

} // namespace lorivex::engine::wordimpl
