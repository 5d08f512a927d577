// The compile run's windows on the form toolkit.
#include "compiler/CompilerUi.h"

#include <chrono>
#include <memory>

#include "compiler/CompilerForm.h"
#include "compiler/HtmlCompilerOptionsForm.h"
#include "services/DialogFrame.h"
#include "ui/Application.h"

namespace lorivex {

namespace {

// Lives from the first message until the add-in goes, as the progress
// window does in Word.
std::unique_ptr<TCompilerForm>& CompilerForm()
{
    static std::unique_ptr<TCompilerForm> form;
    return form;
}

std::function<void(const std::string&)>& Observer()
{
    static std::function<void(const std::string&)> observer;
    return observer;
}

} // namespace

bool ExecuteCompilerOptions(const std::string& documentFullName, TCompileOptions& options)
{
    auto dialog = CreateLorivexForm<THtmlCompilerOptionsForm>(0);
    return dialog->Execute(documentFullName, options);
}

void CompilerWindowAddLine(const std::string& line)
{
    auto& form = CompilerForm();
    if (!form) {
        form = CreateLorivexForm<TCompilerForm>(0);
        form->UpdateHorizontalScroll();
    }
    if (!form->Visible())
        form->Show();
    if (line.empty())
        return;
    auto& list = *form->CompilerListBox;
    list.Items.Add(line);
    list.SetItemIndex(list.Items.Count() - 1);
    form->UpdateHorizontalScroll();
    if (Observer())
        Observer()(line);
}

void CompilerWindowClear()
{
    if (auto& form = CompilerForm())
        form->CompilerListBox->Items.Clear();
}

void CompilerWindowSetCloseAllowed(bool allowed)
{
    if (auto& form = CompilerForm())
        form->SetCloseAllowed(allowed);
}

void SetCompilerLineObserver(std::function<void(const std::string&)> observer)
{
    Observer() = std::move(observer);
}

TCompilerForm* CompilerWindow()
{
    return CompilerForm().get();
}

void ProcessUiMessages()
{
    auto& application = ui::Application();
    application.WaitForMessages(std::chrono::milliseconds(20));
    application.ProcessMessages();
}

void SynchronizeWithUi(const std::function<void()>& call)
{
    ui::Application().Synchronize(call);
}

} // namespace lorivex
