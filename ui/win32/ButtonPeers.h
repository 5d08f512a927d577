#pragma once
// Buttons. A push button is the system's (the default one with its heavier
// frame); a bit button and a flat speed button are drawn by us, since the
// system's buttons cannot show a picture and a caption side by side. A
// click, by mouse, keyboard or BM_CLICK, is the toolkit's Click.
#include "ui/Buttons.h"
#include "ui/win32/WindowPeer.h"

namespace lorivex::ui::win32 {

class ButtonPeer : public WindowPeer {
public:
    explicit ButtonPeer(TButton& button) : WindowPeer(button), button_(button) {}
    void Refresh() override;
    bool Command(WORD code) override;

protected:
    Params CreationParams() override;
    TButton& button_;
};

class BitBtnPeer : public ButtonPeer {
public:
    explicit BitBtnPeer(TBitBtn& button) : ButtonPeer(button), bitBtn_(button) {}
    bool DrawItem(const DRAWITEMSTRUCT& item) override;

protected:
    Params CreationParams() override { return {L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, 0}; }

private:
    TBitBtn& bitBtn_;
};

class SpeedButtonPeer : public WindowPeer {
public:
    explicit SpeedButtonPeer(TSpeedButton& button) : WindowPeer(button), speed_(button) {}
    bool Command(WORD code) override;
    bool DrawItem(const DRAWITEMSTRUCT& item) override;

protected:
    Params CreationParams() override { return {L"BUTTON", BS_OWNERDRAW, 0}; }

private:
    TSpeedButton& speed_;
};

} // namespace lorivex::ui::win32
