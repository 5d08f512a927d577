#include "ui/headless/Answerers.h"

#include <map>

namespace lorivex::ui {

namespace {

template <class Answer>
std::map<std::string, Answer>& Table()
{
    static std::map<std::string, Answer> table;
    return table;
}

template <class Answer>
Answer Put(const std::string& key, Answer answer)
{
    auto& table = Table<Answer>();
    Answer previous;
    if (auto at = table.find(key); at != table.end())
        previous = std::move(at->second);
    if (answer)
        table[key] = std::move(answer);
    else
        table.erase(key);
    return previous;
}

template <class Answer>
Answer Get(const std::string& key)
{
    auto& table = Table<Answer>();
    auto at = table.find(key);
    return at == table.end() ? Answer() : at->second;
}

const std::string MessageBoxKey = "";

} // namespace

Answerers::FormAnswer Answerers::Register(const std::string& formClass, FormAnswer answer)
{
    return Put(formClass, std::move(answer));
}

Answerers::FileDialogAnswer Answerers::RegisterFileDialog(const std::string& name, FileDialogAnswer answer)
{
    return Put(name, std::move(answer));
}

Answerers::PopupAnswer Answerers::RegisterPopup(const std::string& name, PopupAnswer answer)
{
    return Put(name, std::move(answer));
}

Answerers::MessageBoxAnswer Answerers::RegisterMessageBox(MessageBoxAnswer answer)
{
    return Put(MessageBoxKey, std::move(answer));
}

Answerers::FormAnswer Answerers::ForForm(const std::string& formClass)
{
    return Get<FormAnswer>(formClass);
}

Answerers::FileDialogAnswer Answerers::ForFileDialog(const std::string& name)
{
    return Get<FileDialogAnswer>(name);
}

Answerers::PopupAnswer Answerers::ForPopup(const std::string& name)
{
    return Get<PopupAnswer>(name);
}

Answerers::MessageBoxAnswer Answerers::ForMessageBox()
{
    return Get<MessageBoxAnswer>(MessageBoxKey);
}

ScopedAnswer ScopedAnswer::Form(const std::string& formClass, Answerers::FormAnswer answer)
{
    auto previous = Answerers::Register(formClass, std::move(answer));
    return ScopedAnswer([formClass, previous] { Answerers::Register(formClass, previous); });
}

ScopedAnswer ScopedAnswer::FileDialog(const std::string& name, Answerers::FileDialogAnswer answer)
{
    auto previous = Answerers::RegisterFileDialog(name, std::move(answer));
    return ScopedAnswer([name, previous] { Answerers::RegisterFileDialog(name, previous); });
}

ScopedAnswer ScopedAnswer::Popup(const std::string& name, Answerers::PopupAnswer answer)
{
    auto previous = Answerers::RegisterPopup(name, std::move(answer));
    return ScopedAnswer([name, previous] { Answerers::RegisterPopup(name, previous); });
}

ScopedAnswer ScopedAnswer::MessageBoxes(Answerers::MessageBoxAnswer answer)
{
    auto previous = Answerers::RegisterMessageBox(std::move(answer));
    return ScopedAnswer([previous] { Answerers::RegisterMessageBox(previous); });
}

} // namespace lorivex::ui
