// Word's Window, Pane, View, Selection and HeaderFooter.
#include "word/com/Bound.h"

namespace lorivex::word::com {

namespace {

class ComView : public Bound, public View {
public:
    using Bound::Bound;
    long Type() override { return GetLong(L"Type"); }
    void SetType(long type) override { Set(L"Type", type); }
    long SeekView() override { return GetLong(L"SeekView"); }
    void SetSeekView(long seekView) override { Set(L"SeekView", seekView); }
    bool ShowHiddenText() override { return GetBool(L"ShowHiddenText"); }
    void SetShowHiddenText(bool show) override { Set(L"ShowHiddenText", show); }
    bool ShowFieldCodes() override { return GetBool(L"ShowFieldCodes"); }
    void SetShowFieldCodes(bool show) override { Set(L"ShowFieldCodes", show); }
};

class ComHeaderFooter : public Bound, public HeaderFooter {
public:
    using Bound::Bound;
    RangePtr Range() override { return WrapRange(o_.Child(L"Range", L"Range")); }
};

class ComSelection : public Bound, public Selection {
public:
    using Bound::Bound;
    RangePtr Range() override { return WrapRange(o_.Child(L"Range", L"Range")); }
    long Start() override { return GetLong(L"Start"); }
    long End() override { return GetLong(L"End"); }
    void SetStart(long position) override { Set(L"Start", position); }
    void SetEnd(long position) override { Set(L"End", position); }
    std::u16string Text() override { return GetText(L"Text"); }
    void SetText(const std::u16string& text) override { Set(L"Text", text); }
    ParagraphsPtr Paragraphs() override { return WrapParagraphs(o_.Child(L"Paragraphs", L"Paragraphs")); }
    HeaderFooterPtr HeaderFooter() override { return WrapHeaderFooter(o_.Child(L"HeaderFooter", L"HeaderFooter")); }
    void Paste() override { o_.Call(L"Paste"); }
};

class ComPane : public Bound, public Pane {
public:
    using Bound::Bound;
    ViewPtr View() override { return WrapView(o_.Child(L"View", L"View")); }
};

class ComWindow : public Bound, public Window {
public:
    using Bound::Bound;
    SelectionPtr Selection() override { return WrapSelection(o_.Child(L"Selection", L"Selection")); }
    ViewPtr View() override { return WrapView(o_.Child(L"View", L"View")); }
    PanePtr ActivePane() override { return WrapPane(o_.Child(L"ActivePane", L"Pane")); }
    DocumentPtr Document() override { return WrapDocument(o_.Child(L"Document", L"Document")); }
};

} // namespace

WindowPtr WrapWindow(AutoObject object) { return WrapAs<ComWindow, Window>(std::move(object)); }
SelectionPtr WrapSelection(AutoObject object) { return WrapAs<ComSelection, Selection>(std::move(object)); }
ViewPtr WrapView(AutoObject object) { return WrapAs<ComView, View>(std::move(object)); }
PanePtr WrapPane(AutoObject object) { return WrapAs<ComPane, Pane>(std::move(object)); }
HeaderFooterPtr WrapHeaderFooter(AutoObject object) { return WrapAs<ComHeaderFooter, HeaderFooter>(std::move(object)); }

} // namespace lorivex::word::com
