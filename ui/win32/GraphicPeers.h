#pragma once
// Graphic controls: labels, paint boxes, bevels, images, and any control of
// a kind the back end does not know. Each has a window of its own (it can
// be clicked, found and hinted), stacked under the windowed controls. Such
// a control paints what lies beneath it first (its parent's background and
// the graphic controls added before it, clipped to its area) and then
// itself, so that a transparent label over a banner shows the banner around
// its letters.
#include "ui/Labels.h"
#include "ui/Panels.h"
#include "ui/win32/WindowClasses.h"
#include "ui/win32/WindowPeer.h"

namespace lorivex::ui::win32 {

class GraphicPeer : public WindowPeer {
public:
    using WindowPeer::WindowPeer;
    bool Graphic() const override { return true; }
    // By default: whatever the control's Paint draws on its canvas.
    void PaintContent(HDC dc) override;
    void Invalidate() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    Params CreationParams() override { return {GraphicClass, 0, 0}; }
    void ApplyBounds() override;
    void ApplyVisible() override;
    // What lies beneath, then the control, into a DC whose origin is the
    // control's top-left corner.
    void PaintComposed(HDC dc);

private:
    // Graphic controls in front of this one show it through their
    // transparency: they repaint with it.
    void InvalidateAbove(const TRect& area);
    bool pressed_ = false;
};

class LabelPeer : public GraphicPeer {
public:
    explicit LabelPeer(TLabel& label) : GraphicPeer(label), label_(label) {}
    void PaintContent(HDC dc) override;

private:
    TLabel& label_;
};

class PaintBoxPeer : public GraphicPeer {
public:
    explicit PaintBoxPeer(TPaintBox& box) : GraphicPeer(box) {}
};

class BevelPeer : public GraphicPeer {
public:
    explicit BevelPeer(TBevel& bevel) : GraphicPeer(bevel), bevel_(bevel) {}
    void PaintContent(HDC dc) override;

private:
    TBevel& bevel_;
};

class ImagePeer : public GraphicPeer {
public:
    explicit ImagePeer(TImage& image) : GraphicPeer(image), image_(image) {}
    void PaintContent(HDC dc) override;

private:
    TImage& image_;
};

} // namespace lorivex::ui::win32
