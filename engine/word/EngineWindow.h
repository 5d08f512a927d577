#pragma once
// The window of a document: its view settings and its selection, which is a
// live range in the main story or, while a header or footer is being
// edited, in that story.
#include "engine/word/Internal.h"

namespace lorivex::engine::wordimpl {

struct WindowState {
    StoryRef Main;             // the document's main story
    int StoryIndex = 0;        // the story the selection is in
    SpanPtr Selection;
    SpanPtr MainSelection;     // kept while the selection is in a header
    long ViewType = word::wdPrintView;
    long SeekView = word::wdSeekMainDocument;
    bool ShowHiddenText = false;
    bool ShowFieldCodes = false;
    StoryRef Current() const { return Main.WithStory(StoryIndex); }
};

word::WindowPtr MakeWindow(std::shared_ptr<WindowState> state);

} // namespace lorivex::engine::wordimpl
