#pragma once
// Controls at pixel positions in their parent's client coordinates. A
// container (TWinControl) owns its children and lays out the aligned ones:
// top-aligned children stack from the top and bottom-aligned ones from the
// bottom, each group in creation order; a client-aligned child takes the
// rest. Hidden children take no room.
//
// A back end that shows real windows attaches a peer to each control and is
// told of every change through it; headless runs attach none.
#include <memory>
#include <string>
#include <vector>

#include "ui/Canvas.h"
#include "ui/Component.h"
#include "ui/Font.h"
#include "ui/Geometry.h"

namespace lorivex::ui {

enum class TAlign { None, Top, Bottom, Left, Right, Client };
enum class TCursor { Default, Arrow, HourGlass, HandPoint, IBeam };
enum class ControlChange { Bounds, Visible, Enabled, Caption, Font, Color, Items, State };

class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void Changed(ControlChange what) = 0;
};

class TWinControl;
class TForm;

class TControl : public TComponent {
public:
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    // The form the control sits on; the form itself for a form.
    TForm* OwnerForm();

    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    TRect BoundsRect() const { return bounds_; }
    TRect ClientRect() const { return {0, 0, Width(), Height()}; }
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    // Position of the control's client origin in its form's client area.
    TPoint OriginInForm() const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    const std::string& Caption() const { return caption_; }
    virtual void SetCaption(const std::string& caption);
    TFont Font;       // copied from the parent when the control is added
    TColor Color = clBtnFace;
    TCursor Cursor = TCursor::Default;
    std::string Hint;
    bool ShowHint = false;

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;

    // Whether a person could reach the control: it and every container up to
    // its form are visible and enabled.
    bool Reachable() const;
    // What a person's click does: nothing on a control out of reach.
    virtual void Click();
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);

    // Controls that paint themselves have a canvas; Paint runs with the
    // back end's device in place.
    virtual TCanvas* Canvas() { return nullptr; }
    virtual void Paint() {}
    void Invalidate();
    virtual bool IsForm() const { return false; }

    std::unique_ptr<ControlPeer> Peer;

protected:
    void Changed(ControlChange what);
    virtual void BoundsChanged();
    void SetVisibleQuietly(bool visible) { visible_ = visible; }

private:
    friend class TWinControl;
    TWinControl* parent_ = nullptr;
    TRect bounds_;
    TAlign align_ = TAlign::None;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
};

class TWinControl : public TControl {
public:
    // Adds a child of the given class; the container owns it.
    template <class T>
    T* Add(const std::string& name)
    {
        auto child = std::make_unique<T>();
        T* raw = child.get();
        child->Name = name;
        Adopt(std::move(child));
        return raw;
    }
    int ControlCount() const { return int(children_.size()); }
    TControl& Controls(int index) const { return *children_.at(size_t(index)); }
    // Searches the whole tree below this container; nullptr when absent.
    TControl* FindControl(const std::string& name) const;
    void Realign();
    // Destroys the peers of the whole tree, children before their container,
    // while every control is still intact: a window system sends messages
    // while it takes windows down.
    void ReleasePeers();

protected:
    void BoundsChanged() override;

private:
    void Adopt(std::unique_ptr<TControl> child);
    std::vector<std::unique_ptr<TControl>> children_;
    bool aligning_ = false;
};

} // namespace lorivex::ui
