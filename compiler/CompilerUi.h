#pragma once
// What the compile run needs from its two windows: the options dialog that
// asks for the run's options, and the progress window that shows the run's
// messages and the compiler's output.
#include <functional>
#include <string>

#include "compiler/CompileSettings.h"

namespace lorivex {

// Shows the options dialog for the document; true with the chosen options
// when the author confirms. The dialog stores the settings it was given.
bool ExecuteCompilerOptions(const std::string& documentFullName, TCompileOptions& options);

class TCompilerForm;

// The progress window, created on first use and kept for the process. An
// empty line only shows the window.
void CompilerWindowAddLine(const std::string& line);
void CompilerWindowClear();
void CompilerWindowSetCloseAllowed(bool allowed);
TCompilerForm* CompilerWindow(); // nullptr before the first message
// A line of the compiler's output as the window shows it: tabs as three
// blanks, the project's path cut down to its file name.
std::string ShortenCompilerLine(const std::string& rawLine);
// Told every line the window adds (the command line prints them).
void SetCompilerLineObserver(std::function<void(const std::string&)> observer);

// Runs the calls that workers have handed to the user-interface thread.
void ProcessUiMessages();
// Carries a call over to the user-interface thread and waits until it ran.
void SynchronizeWithUi(const std::function<void()>& call);

} // namespace lorivex
