#pragma once
// A form: a top-level window with a caption, a client area of a given size,
// a rule for its screen position, a border style, a font for its controls,
// a modal result and the usual events. Width and Height are those of the
// client area; the frame around it is the back end's business. Left and Top
// are the screen position of the window.
//
// A dialog is a class derived from TForm whose constructor adds the controls
// (fields named after them) and binds the events to its handler methods:
//
//   TlxExceptionDialog() {
//       ExceptionPanel = Add<TPanel>("ExceptionPanel");
//       PaintBox1->OnPaint = Handler(&TlxExceptionDialog::PaintBox1Paint);
//   }
//
// Forms are created through TApplication::CreateForm, which runs OnCreate
// once the derived constructor has finished.
#include <cstdint>
#include <string>

#include "ui/Control.h"
#include "base/Exception.h"

namespace lorivex::ui {

enum class TPosition { Designed, ScreenCenter };
enum class TFormBorderStyle { Sizeable, Single, Dialog, ToolWindow, SizeToolWin };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

// The values of Windows' IDOK ... IDNO.
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                       mrYes = 6, mrNo = 7;

class TButton;

class TForm : public TWinControl {
public:
    TForm();
    ~TForm() override;

    TPosition Position = TPosition::Designed;
    TFormBorderStyle BorderStyle = TFormBorderStyle::Sizeable;
    TModalResult ModalResult = mrNone;
    // The window that owns this one: the application's owner window when
    // the form was created.
    std::uintptr_t OwnerHandle = 0;

    int ClientWidth() const { return Width(); }
    int ClientHeight() const { return Height(); }
    void SetClientWidth(int width) { SetWidth(width); }
    void SetClientHeight(int height) { SetHeight(height); }

    void SetVisible(bool visible) override;
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Runs the back end's modal loop until the modal result is set and the
    // form agrees to close; returns the modal result.
    TModalResult ShowModal();
    bool Modal() const { return modal_; }
    // Closing a modal form asks for mrCancel; any other form is asked
    // (OnCloseQuery) and then told (OnClose), which may hide it.
    void Close();
    bool CloseQuery();
    // The modal loop's step once a result is set: false (with the result
    // cleared) when the form refuses to close.
    bool CloseModal();

    // The keys a person presses: Enter clicks the default button, Escape the
    // cancel button (or asks for mrCancel when there is none).
    void PressEnter();
    void PressEscape();

    // A named control, for answerers that know a dialog only by its names.
    template <class T>
    T& Control(const std::string& name) const
    {
        if (auto* control = dynamic_cast<T*>(FindControl(name)))
            return *control;
        throw Exception("The form " + ClassName() + " has no control named " + name);
    }

    TNotifyEvent OnCreate, OnShow, OnHide, OnResize, OnPaint;
    std::function<void(TComponent& sender, bool& canClose)> OnCloseQuery;
    std::function<void(TComponent& sender, TCloseAction& action)> OnClose;

    TCanvas* Canvas() override { return &canvas_; }
    void Paint() override;
    bool IsForm() const override { return true; }

    // Run by TApplication::CreateForm once the form is fully constructed.
    void Created();

protected:
    // A handler method of the derived form as an event:
    //   OkButton->OnClick = Handler(&TMyDialog::OkButtonClick);
    template <class F, class R, class... A>
    auto Handler(R (F::*method)(A...))
    {
        F* self = static_cast<F*>(this);
        return [self, method](A... args) { return (self->*method)(std::forward<A>(args)...); };
    }
    void BoundsChanged() override;

private:
    TButton* FindButton(bool defaultButton) const;
    void PlaceOnScreen();
    TCanvas canvas_{this};
    bool modal_ = false;
    TSize lastSize_;
};

} // namespace lorivex::ui
