#pragma once
// Controls that hold others: the plain container, panels (a bevel, and the
// caption in the middle) and custom controls (painted through their canvas,
// focusable). They paint double-buffered and make windows for children
// added while they are on screen.
#include "ui/Panels.h"
#include "ui/win32/WindowClasses.h"
#include "ui/win32/WindowPeer.h"

namespace lorivex::ui::win32 {

class ContainerPeer : public WindowPeer {
public:
    explicit ContainerPeer(TWinControl& container) : WindowPeer(container), container_(container) {}
    void Changed(ControlChange what) override;
    void PaintContent(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    Params CreationParams() override { return {ContainerClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT}; }
    TWinControl& container_;
};

class PanelPeer : public ContainerPeer {
public:
    explicit PanelPeer(TPanel& panel) : ContainerPeer(panel), panel_(panel) {}
    void PaintContent(HDC dc) override;

private:
    TPanel& panel_;
};

class CustomControlPeer : public ContainerPeer {
public:
    explicit CustomControlPeer(TCustomControl& control) : ContainerPeer(control) {}
    void PaintContent(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    Params CreationParams() override
    {
        return {ContainerClass, WS_CLIPCHILDREN | WS_TABSTOP, WS_EX_CONTROLPARENT};
    }
};

// Fills the rectangle with the control's colour.
void FillBackground(HDC dc, const TControl& control);
// Draws text the way static text is drawn: the control's font, its font
// colour (grey when disabled), no background.
void DrawControlText(HDC dc, const TControl& control, const std::string& text, RECT area, UINT format);

} // namespace lorivex::ui::win32
