#pragma once
// The peer of one toolkit control: it makes the control's window, keeps the
// window in step with every change the control reports, and turns what a
// person does to the window into the toolkit's calls (Click, SetText,
// Choose ...), so that the control stays the one truth.
//
// The window's user data points back to the peer. A parent window reflects
// the notifications of its children (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM,
// WM_MEASUREITEM, WM_CTLCOLOR...) to the child's peer.
#include <string>

#include "ui/Control.h"
#include "ui/win32/Win32Ui.h"

namespace lorivex::ui::win32 {

class WindowPeer : public ControlPeer {
public:
    explicit WindowPeer(TControl& control);
    ~WindowPeer() override;
    WindowPeer(const WindowPeer&) = delete;
    WindowPeer& operator=(const WindowPeer&) = delete;

    TControl& Control() const { return control_; }
    HWND Handle() const { return handle_; }
    static WindowPeer* FromHandle(HWND window);
    // The peer the control has in this back end; nullptr without one.
    static WindowPeer* Of(const TControl& control);

    // Makes the window inside `parent` (for a form: owned by it), unless it
    // already has one.
    void Create(HWND parent);
    // Binds the peer to its window: our own classes during WM_NCCREATE, the
    // system's right after creation (then with the procedure it replaces).
    void Attach(HWND window, WNDPROC systemProc);

    // Graphic controls have no focus and live in the layer under the
    // windowed controls, later ones over earlier ones.
    virtual bool Graphic() const { return false; }

    void Changed(ControlChange what) override;
    // Everything from the control again. Fonts, colours and hints are plain
    // fields that report no change, so a form refreshes its peers whenever
    // it is shown.
    virtual void Refresh();
    // Repaints the control, and whatever shows it through transparency.
    virtual void Invalidate();

    // What the control paints of itself, under its children and under the
    // transparent controls in front of it; the DC's origin is the control's
    // top-left corner.
    virtual void PaintContent(HDC) {}

    // Notifications its parent window reflects; true (or a brush) when handled.
    virtual bool Command(WORD) { return false; }
    virtual bool Notify(NMHDR&, LRESULT&) { return false; }
    virtual bool DrawItem(const DRAWITEMSTRUCT&) { return false; }
    virtual bool MeasureItem(MEASUREITEMSTRUCT&) { return false; }
    // The brush of the control's background, with the DC's text colours set.
    virtual HBRUSH ControlColor(HDC dc);

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The window class's own handling.
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    struct Params {
        const wchar_t* ClassName = nullptr;
        DWORD Style = 0;
        DWORD ExStyle = 0;
    };
    virtual Params CreationParams() = 0;
    // The window exists and is bound; the control's data can go in.
    virtual void Created() {}
    virtual std::wstring CreationText() { return Wide(control_.Caption()); }
    // The window's rectangle in its parent's client area (screen for forms).
    virtual RECT WindowBounds();
    virtual void ApplyBounds();
    virtual void ApplyVisible();
    virtual void ApplyCaption();
    void ApplyFont();
    // A window whose class fixes a style at creation is made anew.
    void Recreate();

    // True while the peer itself moves or changes the window, so that the
    // messages this causes are not taken for a person's doing.
    bool updating_ = false;

private:
    // Reflected notifications go to the child's peer; true when handled.
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool SetCursorShape(LPARAM lParam);
    void Detach();
    TControl& control_;
    HWND handle_ = nullptr;
    HWND parent_ = nullptr;
    WNDPROC systemProc_ = nullptr;
};

// Runs a painting function on a memory DC the size of the window's client
// area and copies the result to the window: no flicker, and whatever the
// function leaves unpainted is the parent's colour.
void PaintBuffered(HWND window, HDC target, const RECT& area, void (*paint)(void*, HDC), void* context);
template <class F>
void PaintBuffered(HWND window, HDC target, const RECT& area, F&& paint)
{
    PaintBuffered(window, target, area, [](void* f, HDC dc) { (*static_cast<F*>(f))(dc); }, &paint);
}

// The painting messages of a window that the program paints whole: the
// background is never erased, WM_PAINT paints buffered, WM_PRINTCLIENT
// paints on the DC it brings. True, with the answer, for those three.
bool PaintMessage(HWND window, UINT message, WPARAM wParam, LRESULT& result, void (*paint)(void*, HDC),
                  void* context);
template <class F>
bool PaintMessage(HWND window, UINT message, WPARAM wParam, LRESULT& result, F&& paint)
{
    return PaintMessage(window, message, wParam, result, [](void* f, HDC dc) { (*static_cast<F*>(f))(dc); },
                        &paint);
}

// A solid brush of the colour, kept for the life of the process (a control
// may still paint with the brush it was given last).
HBRUSH SolidBrush(TColor color);
HCURSOR CursorHandle(TCursor cursor);

} // namespace lorivex::ui::win32
