#pragma once
// The toolkit's canvas on a real device context. Coordinates are those of
// the control's client area: whoever hands the device out has already put
// the control's origin at the DC's logical (0, 0) and clipped the DC to the
// control and to the area being painted.
#include <functional>
#include <memory>

#include "ui/Canvas.h"
#include "ui/win32/Win32Ui.h"

namespace lorivex::ui {
class TControl;
}

namespace lorivex::ui::win32 {

class GdiDevice : public CanvasDevice {
public:
    // The DC stays the caller's; the device only selects into it and puts
    // back what was selected before when it goes.
    explicit GdiDevice(HDC dc);
    ~GdiDevice() override;
    GdiDevice(const GdiDevice&) = delete;
    GdiDevice& operator=(const GdiDevice&) = delete;

    void Line(TPoint from, TPoint to, const TPen& pen) override;
    void Text(TPoint at, const std::string& text, const TFont& font, const TBrush& brush,
              const TRect* clip) override;
    void Fill(const TRect& rect, const TBrush& brush) override;
    TSize Measure(const std::string& text, const TFont& font) override;
    TRect ClipRect() const override;

    HDC Dc() const { return dc_; }

private:
    void UseFont(const TFont& font);
    HDC dc_;
    HGDIOBJ originalPen_, originalFont_;
    HPEN pen_ = nullptr;
    COLORREF penColor_ = 0;
    int penWidth_ = 0;
};

// A memory DC of its own, made before the device that selects into it and
// deleted after it.
class OwnedMemoryDc {
protected:
    OwnedMemoryDc();
    ~OwnedMemoryDc();
    HDC memoryDc_;
};

// A device for measuring text outside painting; what is drawn on it goes
// nowhere, and its clipping rectangle is the control's client area.
class ScratchDevice : private OwnedMemoryDc, public GdiDevice {
public:
    explicit ScratchDevice(const TRect& clip) : GdiDevice(memoryDc_), clip_(clip) {}
    TRect ClipRect() const override { return clip_; }

private:
    TRect clip_;
};

// Runs the control's Paint on its canvas drawing into the DC, as the system
// asks a control to paint: a fresh device, the canvas starting with the
// control's font and colour and a black pen. The canvas's previous device is
// back afterwards, also after a failure.
// `paint` draws instead of the control's Paint (a list box draws one item).
void PaintThroughCanvas(TControl& control, HDC dc, const std::function<void()>& paint);
void PaintThroughCanvas(TControl& control, HDC dc);

// The text's size with the font, as the screen measures it.
TSize MeasureOnScreen(const std::string& text, const TFont& font);

} // namespace lorivex::ui::win32
