#include "ui/Control.h"

#include "ui/Application.h"
#include "ui/Form.h"

namespace lorivex::ui {

TControl::~TControl() = default;

TForm* TControl::OwnerForm()
{
    for (TControl* c = this; c; c = c->parent_)
        if (c->IsForm())
            return static_cast<TForm*>(c);
    return nullptr;
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    TRect bounds = Bounds(left, top, width, height);
    if (bounds == bounds_)
        return;
    bounds_ = bounds;
    Changed(ControlChange::Bounds);
    BoundsChanged();
}

TPoint TControl::OriginInForm() const
{
    TPoint origin;
    for (const TControl* c = this; c && !c->IsForm(); c = c->parent_) {
        origin.X += c->Left();
        origin.Y += c->Top();
    }
    return origin;
}

void TControl::BoundsChanged()
{
    if (align_ != TAlign::None && parent_)
        parent_->Realign();
}

void TControl::SetAlign(TAlign align)
{
    align_ = align;
    if (parent_)
        parent_->Realign();
}

void TControl::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    Changed(ControlChange::Visible);
    if (align_ != TAlign::None && parent_)
        parent_->Realign();
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Changed(ControlChange::Enabled);
}

void TControl::SetCaption(const std::string& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    Changed(ControlChange::Caption);
}

bool TControl::Reachable() const
{
    for (const TControl* c = this; c && !c->IsForm(); c = c->parent_)
        if (!c->visible_ || !c->enabled_)
            return false;
    return true;
}

void TControl::Click()
{
    if (Reachable() && OnClick)
        OnClick(*this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (Reachable() && OnMouseDown)
        OnMouseDown(*this, button, shift, x, y);
}

void TControl::Invalidate()
{
    Application().Backend().Invalidate(*this);
}

void TControl::Changed(ControlChange what)
{
    if (Peer)
        Peer->Changed(what);
}

TControl* TWinControl::FindControl(const std::string& name) const
{
    for (const auto& child : children_) {
        if (child->Name == name)
            return child.get();
        if (auto* container = dynamic_cast<TWinControl*>(child.get()))
            if (TControl* found = container->FindControl(name))
                return found;
    }
    return nullptr;
}

void TWinControl::Adopt(std::unique_ptr<TControl> child)
{
    child->parent_ = this;
    child->Font = Font;
    children_.push_back(std::move(child));
    // A container already on screen makes a window for the newcomer.
    Changed(ControlChange::Items);
}

void TWinControl::ReleasePeers()
{
    for (const auto& child : children_) {
        if (auto* container = dynamic_cast<TWinControl*>(child.get()))
            container->ReleasePeers();
        child->Peer.reset();
    }
    Peer.reset();
}

void TWinControl::BoundsChanged()
{
    TControl::BoundsChanged();
    Realign();
}

void TWinControl::Realign()
{
    if (aligning_)
        return;
    aligning_ = true;
    TRect area = ClientRect();
    auto place = [](TControl& c, const TRect& r) { c.SetBounds(r.Left, r.Top, r.Width(), r.Height()); };
    for (auto align : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client}) {
        for (const auto& child : children_) {
            TControl& c = *child;
            if (c.align_ != align || !c.visible_)
                continue;
            switch (align) {
            case TAlign::Top: place(c, {area.Left, area.Top, area.Right, area.Top + c.Height()}); area.Top += c.Height(); break;
            case TAlign::Bottom: place(c, {area.Left, area.Bottom - c.Height(), area.Right, area.Bottom}); area.Bottom -= c.Height(); break;
            case TAlign::Left: place(c, {area.Left, area.Top, area.Left + c.Width(), area.Bottom}); area.Left += c.Width(); break;
            case TAlign::Right: place(c, {area.Right - c.Width(), area.Top, area.Right, area.Bottom}); area.Right -= c.Width(); break;
            default: place(c, area); break;
            }
        }
    }
    aligning_ = false;
}

} // namespace lorivex::ui
