#pragma once
// TLorivexModule: the add-in module, one per running Word. It owns the
// command handlers; each checks its precondition, calls the part of the
// system that does the work and reports failures through the error chain.
#include <exception>

#include "base/Guarded.h"
#include "services/word/Forward.h"

namespace lorivex {

class TLorivexModule : public TObject {
public:
    word::ApplicationPtr WordApp;
    bool SavedShowHiddenText = false;

    void CompileHtmlHelpClick();

    // The module's error handler: shows the failure in the application error
    // dialog and sets handled.
    void AddInModuleError(const std::exception& e, bool& handled);

    void SaveShowHiddenText();
    void RestoreShowHiddenText();
    void OnLorivexInitialize();
    void OnLorivexFinalize();
};

} // namespace lorivex
