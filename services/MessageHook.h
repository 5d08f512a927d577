#pragma once
// Message boxes raised from below the user interface. The UI layer installs
// its own presenter at start-up; until then messages go to standard error,
// so nothing an operation reports is lost.
#include <functional>
#include <string>

namespace lorivex {

using MessageBoxHook = std::function<void(const std::string& text)>;

// Installs a presenter (an empty one restores the default); returns the
// previous one so that tests and scopes can put it back.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);
void ShowMessage(const std::string& text);

} // namespace lorivex
