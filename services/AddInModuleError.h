#pragma once
// The add-in module's error handler: every failure that leaves a command
// handler ends here and is shown in the application error dialog.
#include <exception>

#include "services/word/Application.h"

namespace lorivex {

// Shows the failure's message, and for an ElxException its trace (any other
// failure gets no details), then sets handled. When the dialog cannot be
// shown the failure of showing it leaves and handled stays as it was.
void AddInModuleError(const std::exception& e, bool& handled, const word::ApplicationPtr& wordApp);

} // namespace lorivex
