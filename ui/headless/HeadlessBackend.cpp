#include "ui/headless/HeadlessBackend.h"

#include "base/Exception.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Menus.h"
#include "ui/headless/Answerers.h"
#include "ui/headless/DialogLog.h"
#include "ui/headless/RecordingCanvas.h"
#include "ui/headless/TextMetrics.h"

namespace lorivex::ui::headless {

namespace {

std::string Describe(const TForm& form)
{
    return "'" + form.Caption() + "' (" + form.ClassName() + ")";
}

} // namespace

TModalResult HeadlessBackend::RunModal(TForm& form)
{
    auto answer = Answerers::ForForm(form.ClassName());
    if (!answer)
        throw Exception("No one is there to answer the dialog " + Describe(form));
    for (int round = 0; round < MaxAnswerRounds; ++round) {
        answer(form);
        if (form.ModalResult != mrNone && form.CloseModal()) {
            DialogLog::Add({DialogKind::Form, form.ClassName(), form.Caption(), "", ModalResultName(form.ModalResult)});
            return form.ModalResult;
        }
    }
    throw Exception("The dialog " + Describe(form) + " is still open after " + std::to_string(MaxAnswerRounds)
                    + " answers");
}

TModalResult HeadlessBackend::ShowMessageBox(const MessageBoxRequest& request)
{
    TModalResult result = mrOk;
    if (auto answer = Answerers::ForMessageBox())
        result = answer(request);
    else if (request.Buttons != MessageButtons::Ok)
        throw Exception("No one is there to answer the message box '" + request.Caption + "': " + request.Text);
    DialogLog::Add({DialogKind::MessageBox, "", request.Caption, request.Text, ModalResultName(result)});
    return result;
}

bool HeadlessBackend::ExecuteFileDialog(TFileDialog& dialog)
{
    auto answer = Answerers::ForFileDialog(dialog.Name);
    if (!answer)
        throw Exception("No one is there to answer the file dialog '" + dialog.Title + "' (" + dialog.Name + ")");
    std::optional<std::string> chosen = answer(dialog);
    if (chosen)
        dialog.FileName = *chosen;
    DialogLog::Add({DialogKind::FileDialog, dialog.Name, dialog.Title, "", chosen ? *chosen : "Cancel"});
    return chosen.has_value();
}

void HeadlessBackend::Popup(TPopupMenu& menu, TPoint)
{
    auto answer = Answerers::ForPopup(menu.Name);
    if (!answer)
        throw Exception("No one is there to answer the menu " + menu.Name);
    int chosen = answer(menu);
    bool valid = chosen >= 0 && chosen < menu.Count();
    DialogLog::Add({DialogKind::Popup, menu.Name, "", "", valid ? menu.Items(chosen).Caption : "dismissed"});
    if (valid)
        menu.Items(chosen).Click();
}

TSize HeadlessBackend::MeasureText(const std::string& text, const TFont& font)
{
    return headless::MeasureText(text, font);
}

std::shared_ptr<CanvasDevice> HeadlessBackend::MeasuringDevice(TControl& control)
{
    return std::make_shared<RecordingDevice>(control.ClientRect());
}

} // namespace lorivex::ui::headless
