#pragma once
// The HTML Help viewer: its library is loaded once with the add-in, and the
// product's own help file is shown through it.
#include <string>

namespace lorivex {

// The help file that ShowHelp opens.
extern std::string HelpFile;

// Loads hhctrl.ocx from the system folder when it is there. True when the
// viewer's entry point is available.
bool LoadHtmlHelp();
void UnloadHtmlHelp();
bool HtmlHelpLoaded();

// Shows HelpFile; nothing when the file does not exist. Without the viewer
// library (always so on POSIX) the file is opened through the shell.
void ShowHelp();

} // namespace lorivex
