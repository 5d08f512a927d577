#include "engine/word/EngineWindow.h"

#include <algorithm>

#include "engine/word/EngineDocument.h"
#include "engine/word/EngineRange.h"

namespace lorivex::engine::wordimpl {

namespace {

// The section that holds a main-story position: the first paragraph at or
// after it that ends a section, else the body's own last section.
size_t SectionAt(DocumentModel& model, long position)
{
    Story& main = model.Main();
    const auto& ends = main.ParagraphEnds();
    for (auto it = std::lower_bound(ends.begin(), ends.end(), position); it != ends.end(); ++it) {
        int section = model.ParaFormats[main.Attrs[size_t(*it)].Para].Section;
        if (section >= 0 && size_t(section) < model.Sections.size())
            return size_t(section);
    }
    return model.Sections.size() - 1;
}

// A section without its own header shows that of the section before it;
// when none has one, Word makes an empty one for the first section.
int HeaderFooterStory(DocumentModel& model, size_t section, bool header)
{
    for (size_t s = section + 1; s-- > 0;) {
        auto& refs = header ? model.Sections[s].Headers : model.Sections[s].Footers;
        for (const auto& ref : refs)
            if (ref.Type == u"default")
                return ref.Story;
    }
    auto story = std::make_unique<Story>();
    story->Kind = header ? StoryKind::Header : StoryKind::Footer;
    story->Text.assign(1, u'\r');
    story->Attrs.push_back({});
    model.Stories.push_back(std::move(story));
    int index = int(model.Stories.size() - 1);
    (header ? model.Sections[0].Headers : model.Sections[0].Footers).push_back({u"default", index});
    return index;
}

class EngineView : public word::View {
public:
    explicit EngineView(std::shared_ptr<WindowState> state) : state_(std::move(state)) {}

    long Type() override { return state_->ViewType; }
    void SetType(long type) override { state_->ViewType = type; }
    long SeekView() override { return state_->SeekView; }
    bool ShowHiddenText() override { return state_->ShowHiddenText; }
    void SetShowHiddenText(bool show) override { state_->ShowHiddenText = show; }
    bool ShowFieldCodes() override { return state_->ShowFieldCodes; }
    void SetShowFieldCodes(bool show) override { state_->ShowFieldCodes = show; }

    void SetSeekView(long seekView) override
    {
        auto& state = *state_;
        DocumentModel& model = *state.Main.Model;
        if (seekView == word::wdSeekMainDocument) {
            if (state.StoryIndex != 0) {
                state.StoryIndex = 0;
                state.Selection = state.MainSelection;
            }
        } else if (seekView == word::wdSeekCurrentPageHeader || seekView == word::wdSeekCurrentPageFooter) {
            if (state.ViewType != word::wdPrintView)
                Raise("This view is not available in this view type; switch to print layout first.");
            if (state.StoryIndex == 0)
                state.MainSelection = state.Selection;
            size_t section = SectionAt(model, state.MainSelection->Start);
            state.StoryIndex = HeaderFooterStory(model, section, seekView == word::wdSeekCurrentPageHeader);
            state.Selection = model.Stories[size_t(state.StoryIndex)]->Spans.Make(0, 0);
        } else {
            Raise("The seek view " + std::to_string(seekView) + " is not available.");
        }
        state.SeekView = seekView;
    }

private:
    std::shared_ptr<WindowState> state_;
};

class EngineHeaderFooter : public word::HeaderFooter {
public:
    explicit EngineHeaderFooter(StoryRef story) : story_(std::move(story)) {}
    word::RangePtr Range() override { return MakeRange(story_, 0, story_.Get().Length()); }

private:
    StoryRef story_;
};

class EngineSelection : public word::Selection {
public:
    explicit EngineSelection(std::shared_ptr<WindowState> state) : state_(std::move(state)) {}

    word::RangePtr Range() override { return MakeRange(state_->Current(), Start(), End()); }
    long Start() override { return Live().Start; }
    long End() override { return Live().End; }
    void SetStart(long position) override { AsRange().SetStart(position); }
    void SetEnd(long position) override { AsRange().SetEnd(position); }
    std::u16string Text() override { return AsRange().Text(); }
    void SetText(const std::u16string& text) override { AsRange().SetText(text); }
    word::ParagraphsPtr Paragraphs() override { return MakeParagraphs(state_->Current(), state_->Selection); }

    word::HeaderFooterPtr HeaderFooter() override
    {
        if (state_->StoryIndex == 0)
            Raise("The selection is not in a header or footer.");
        return std::make_shared<EngineHeaderFooter>(state_->Current());
    }

    void Paste() override
    {
        Span& selected = Live();
        Span after = PasteClipboard(state_->Current(), selected.Start, selected.End);
        *state_->Selection = after;
    }

private:
    Span& Live()
    {
        long length = state_->Current().Get().Length();
        auto& span = *state_->Selection;
        span.Start = std::clamp(span.Start, 0L, length);
        span.End = std::clamp(span.End, span.Start, length);
        return span;
    }

    // The selection's own span behind a range, so that edits through it
    // move the selection as they do in Word.
    EngineRange& AsRange()
    {
        range_ = std::make_shared<EngineRange>(state_->Current(), state_->Selection);
        return *range_;
    }

    std::shared_ptr<WindowState> state_;
    std::shared_ptr<EngineRange> range_;
};

class EnginePane : public word::Pane {
public:
    explicit EnginePane(std::shared_ptr<WindowState> state) : state_(std::move(state)) {}
    word::ViewPtr View() override { return std::make_shared<EngineView>(state_); }

private:
    std::shared_ptr<WindowState> state_;
};

class EngineWindow : public word::Window {
public:
    explicit EngineWindow(std::shared_ptr<WindowState> state) : state_(std::move(state)) {}

    word::SelectionPtr Selection() override { return std::make_shared<EngineSelection>(state_); }
    word::ViewPtr View() override { return std::make_shared<EngineView>(state_); }
    word::PanePtr ActivePane() override { return std::make_shared<EnginePane>(state_); }

    word::DocumentPtr Document() override
    {
        auto owner = state_->Main.Owner.lock();
        if (!owner)
            Raise("The object has been deleted.");
        return owner;
    }

private:
    std::shared_ptr<WindowState> state_;
};

} // namespace

word::WindowPtr MakeWindow(std::shared_ptr<WindowState> state)
{
    return std::make_shared<EngineWindow>(std::move(state));
}

} // namespace lorivex::engine::wordimpl
