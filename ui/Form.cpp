#include "ui/Form.h"

#include "ui/Application.h"
#include "ui/Buttons.h"

namespace lorivex::ui {

namespace {

TButton* FindButtonIn(const TWinControl& container, bool defaultButton)
{
    for (int i = 0; i < container.ControlCount(); ++i) {
        TControl& control = container.Controls(i);
        if (auto* button = dynamic_cast<TButton*>(&control))
            if ((defaultButton ? button->Default : button->Cancel) && button->Reachable())
                return button;
        if (auto* inner = dynamic_cast<TWinControl*>(&control))
            if (TButton* found = FindButtonIn(*inner, defaultButton))
                return found;
    }
    return nullptr;
}

} // namespace

TForm::TForm()
{
    SetVisibleQuietly(false);
    OwnerHandle = Application().Handle();
    Application().FormCreated(*this);
}

TForm::~TForm()
{
    ReleasePeers();
    Application().FormDestroyed(*this);
}

void TForm::Created()
{
    lastSize_ = {Width(), Height()};
    Realign();
    if (OnCreate)
        OnCreate(*this);
}

void TForm::SetVisible(bool visible)
{
    if (visible == Visible())
        return;
    if (visible)
        PlaceOnScreen();
    TControl::SetVisible(visible);
    Application().Backend().FormVisibilityChanged(*this);
    if (visible && OnShow)
        OnShow(*this);
    if (!visible && OnHide)
        OnHide(*this);
}

TModalResult TForm::ShowModal()
{
    if (Visible() || modal_)
        throw Exception("Cannot make a visible window modal");
    ModalResult = mrNone;
    modal_ = true;
    try {
        SetVisible(true);
        TModalResult result = Application().Backend().RunModal(*this);
        modal_ = false;
        SetVisible(false);
        return result;
    } catch (...) {
        // The window goes away with the failure; its hide handler is not run
        // on top of a failure that is already on its way.
        modal_ = false;
        SetVisibleQuietly(false);
        Application().Backend().FormVisibilityChanged(*this);
        throw;
    }
}

void TForm::Close()
{
    if (modal_) {
        ModalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    if (OnClose)
        OnClose(*this, action);
    if (action == caHide || action == caFree)
        Hide();
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(*this, canClose);
    return canClose;
}

bool TForm::CloseModal()
{
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        if (OnClose)
            OnClose(*this, action);
    }
    if (action == caNone)
        ModalResult = mrNone;
    return ModalResult != mrNone;
}

void TForm::PressEnter()
{
    if (TButton* button = FindButton(true))
        button->Click();
}

void TForm::PressEscape()
{
    if (TButton* button = FindButton(false))
        button->Click();
    else if (modal_)
        ModalResult = mrCancel;
}

TButton* TForm::FindButton(bool defaultButton) const
{
    return FindButtonIn(*this, defaultButton);
}

void TForm::PlaceOnScreen()
{
    if (Position != TPosition::ScreenCenter)
        return;
    TSize screen = Application().Backend().ScreenSize();
    SetBounds((screen.Width - Width()) / 2, (screen.Height - Height()) / 2, Width(), Height());
}

void TForm::Paint()
{
    if (OnPaint)
        OnPaint(*this);
}

void TForm::BoundsChanged()
{
    TWinControl::BoundsChanged();
    TSize size{Width(), Height()};
    if (size == lastSize_)
        return;
    lastSize_ = size;
    if (OnResize)
        OnResize(*this);
}

} // namespace lorivex::ui
