#pragma once
// Text entry on the system's edit control. What a person types reaches the
// toolkit's text (and its OnChange) at once; text the program sets goes into
// the window only when it differs, so that typing never loses the caret.
#include "ui/Edits.h"
#include "ui/win32/WindowPeer.h"

namespace lorivex::ui::win32 {

class EditPeer : public WindowPeer {
public:
    explicit EditPeer(TEdit& edit) : WindowPeer(edit), edit_(edit) {}
    void Refresh() override;
    bool Command(WORD code) override;
    HBRUSH ControlColor(HDC dc) override;

protected:
    Params CreationParams() override { return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE}; }
    std::wstring CreationText() override { return Wide(edit_.Text()); }

private:
    TEdit& edit_;
};

// Lines in the toolkit, one text with CR LF between them in the window.
// Without word wrap the memo scrolls sideways.
class MemoPeer : public WindowPeer {
public:
    explicit MemoPeer(TMemo& memo) : WindowPeer(memo), memo_(memo) {}
    void Changed(ControlChange what) override;
    void Refresh() override;
    bool Command(WORD code) override;
    HBRUSH ControlColor(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    Params CreationParams() override;
    std::wstring CreationText() override;
    void ApplyCaption() override;

private:
    TMemo& memo_;
};

} // namespace lorivex::ui::win32
