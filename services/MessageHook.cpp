#include "services/MessageHook.h"

#include <iostream>

namespace lorivex {

namespace {

MessageBoxHook& Current()
{
    static MessageBoxHook hook;
    return hook;
}

} // namespace

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook)
{
    auto previous = std::move(Current());
    Current() = std::move(hook);
    return previous;
}

void ShowMessage(const std::string& text)
{
    if (Current())
        Current()(text);
    else
        std::cerr << text << "\n";
}

} // namespace lorivex
