#pragma once
// The engine's Range: a live span of one story.
#include <optional>

#include "engine/word/Internal.h"

namespace lorivex::engine::wordimpl {

// A range's own choice of what its Text includes; unset, the window's view
// options decide.
struct TextMode {
    std::optional<bool> FieldCodes, HiddenText;
};

class EngineRange : public word::Range {
public:
    EngineRange(StoryRef story, SpanPtr span, TextMode mode = {})
        : story_(std::move(story)), span_(std::move(span)), mode_(std::make_shared<TextMode>(mode)) {}

    const StoryRef& StoryOf() const { return story_; }
    const SpanPtr& SpanOf() const { return span_; }

    std::u16string Text() override;
    word::TextRetrievalModePtr TextRetrievalMode() override;
    void SetText(const std::u16string& text) override;
    long Start() override { return span_->Start; }
    long End() override { return span_->End; }
    void SetStart(long position) override;
    void SetEnd(long position) override;
    void SetRange(long start, long end) override;
    word::RangePtr Duplicate() override;
    word::DocumentPtr Document() override;
    word::RangePtr FormattedText() override { return Duplicate(); }
    void SetFormattedText(const word::RangePtr& source) override;
    long LanguageID() override;
    void SetLanguageID(long id) override;
    word::FieldsPtr Fields() override { return MakeFields(story_, span_); }
    word::BookmarksPtr Bookmarks() override { return MakeBookmarks(story_, span_, false); }
    word::HyperlinksPtr Hyperlinks() override { return MakeHyperlinks(story_, span_); }
    word::ParagraphsPtr Paragraphs() override { return MakeParagraphs(story_, span_); }
    word::FontPtr Font() override { return MakeFont(story_, span_); }
    word::InlineShapesPtr InlineShapes() override { return MakeInlineShapes(story_, span_); }
    word::FindPtr Find() override;
    void InsertBefore(const std::u16string& text) override;
    void InsertAfter(const std::u16string& text) override;
    void InsertParagraphAfter() override { InsertAfter(u"\r"); }
    void InsertFile(const std::u16string& fileName) override;
    long Delete(word::Units unit, long count) override;
    // Replaces the range's content by the fragment; the range then spans it.
    void SetFormattedTextFrom(const Fragment& fragment);

private:
    long Clamp(long position) const;
    StoryRef story_;
    SpanPtr span_;
    std::shared_ptr<TextMode> mode_;
};

// Text as Word returns it: the end-of-cell mark reads as CR and BEL; field
// codes (with the fields' marks) and hidden characters only when asked for.
std::u16string WordText(const StoryRef& story, long start, long end, bool fieldCodes, bool hiddenText);

} // namespace lorivex::engine::wordimpl
