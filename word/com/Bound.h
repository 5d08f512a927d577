#pragma once
// What the binding classes share: the Word object each one calls, and the
// functions that wrap a Word object in the binding class of its kind (each
// defined beside its class; nullptr for Nothing).
#include "services/word/Word.h"
#include "word/com/AutoObject.h"

namespace lorivex::word::com {

class Bound : public virtual Dispatch {
public:
    explicit Bound(AutoObject object) : o_(std::move(object)) {}
    const AutoObject& Object() const { return o_; }

protected:
    std::u16string GetText(const wchar_t* member) const { return o_.Get(member).Text(); }
    long GetLong(const wchar_t* member) const { return o_.Get(member).Long(); }
    bool GetBool(const wchar_t* member) const { return o_.Get(member).Bool(); }
    void Set(const wchar_t* member, ComValue value) const { o_.Put(member, std::move(value)); }

    AutoObject o_;
};

// The Word object behind a value of the interface, for passing it back to
// Word; raises for objects that did not come from this binding.
IDispatch* WordObjectOf(const DispatchPtr& object);

ApplicationPtr WrapApplication(AutoObject object);
DocumentsPtr WrapDocuments(AutoObject object);
DocumentPtr WrapDocument(AutoObject object);
TemplatePtr WrapTemplate(AutoObject object);
DefaultWebOptionsPtr WrapDefaultWebOptions(AutoObject object);
RangePtr WrapRange(AutoObject object);
TextRetrievalModePtr WrapTextRetrievalMode(AutoObject object);
FindPtr WrapFind(AutoObject object);
FontPtr WrapFont(AutoObject object);
InlineShapesPtr WrapInlineShapes(AutoObject object);
InlineShapePtr WrapInlineShape(AutoObject object);
FieldsPtr WrapFields(AutoObject object);
FieldPtr WrapField(AutoObject object);
IndexesPtr WrapIndexes(AutoObject object);
BookmarksPtr WrapBookmarks(AutoObject object);
BookmarkPtr WrapBookmark(AutoObject object);
HyperlinksPtr WrapHyperlinks(AutoObject object);
HyperlinkPtr WrapHyperlink(AutoObject object);
ParagraphsPtr WrapParagraphs(AutoObject object);
ParagraphPtr WrapParagraph(AutoObject object);
StylesPtr WrapStyles(AutoObject object);
StylePtr WrapStyle(AutoObject object);
DocumentPropertiesPtr WrapDocumentProperties(AutoObject object);
DocumentPropertyPtr WrapDocumentProperty(AutoObject object);
WindowPtr WrapWindow(AutoObject object);
SelectionPtr WrapSelection(AutoObject object);
ViewPtr WrapView(AutoObject object);
PanePtr WrapPane(AutoObject object);
HeaderFooterPtr WrapHeaderFooter(AutoObject object);
CommandBarsPtr WrapCommandBars(AutoObject object);
CommandBarPtr WrapCommandBar(AutoObject object);
CommandBarControlsPtr WrapCommandBarControls(AutoObject object);
CommandBarControlPtr WrapCommandBarControl(AutoObject object);

// Makes a wrapper that gives nullptr for Nothing.
template <class Class, class Interface = Class>
std::shared_ptr<Interface> WrapAs(AutoObject object)
{
    if (!object)
        return nullptr;
    return std::make_shared<Class>(std::move(object));
}

} // namespace lorivex::word::com
