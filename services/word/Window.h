#pragma once
#include <string>

#include "services/word/Dispatch.h"
#include "services/word/Forward.h"

namespace lorivex::word {

enum ViewType { wdNormalView = 1, wdOutlineView = 2, wdPrintView = 3, wdWebView = 6 };
enum SeekView { wdSeekMainDocument = 0, wdSeekCurrentPageHeader = 9, wdSeekCurrentPageFooter = 10 };

class View : public virtual Dispatch {
public:
    virtual long Type() = 0;
    virtual void SetType(long type) = 0;
    virtual long SeekView() = 0;
    virtual void SetSeekView(long seekView) = 0;
    virtual bool ShowHiddenText() = 0;
    virtual void SetShowHiddenText(bool show) = 0;
    virtual bool ShowFieldCodes() = 0;
    virtual void SetShowFieldCodes(bool show) = 0;
};

class HeaderFooter : public virtual Dispatch {
public:
    virtual RangePtr Range() = 0;
};

class Selection : public virtual Dispatch {
public:
    virtual RangePtr Range() = 0;
    virtual long Start() = 0;
    virtual long End() = 0;
    virtual void SetStart(long position) = 0;
    virtual void SetEnd(long position) = 0;
    virtual std::u16string Text() = 0;
    // Replaces the selected text; the selection then spans the new text.
    virtual void SetText(const std::u16string& text) = 0;
    virtual ParagraphsPtr Paragraphs() = 0;
    // The header or footer the selection is in (raises in the main text).
    virtual HeaderFooterPtr HeaderFooter() = 0;
    // Pastes the clipboard: its "Rich Text Format" as formatted text, else
    // its plain text.
    virtual void Paste() = 0;
};

class Pane : public virtual Dispatch {
public:
    virtual ViewPtr View() = 0;
};

class Window : public virtual Dispatch {
public:
    virtual SelectionPtr Selection() = 0;
    virtual ViewPtr View() = 0;
    virtual PanePtr ActivePane() = 0;
    virtual DocumentPtr Document() = 0;
};

} // namespace lorivex::word
