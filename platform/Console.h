#pragma once
// What a command-line program needs to know of its console.

namespace lorivex::platform {

// True when standard output is a terminal that shows colours given as ANSI
// escape sequences; never for a file or a pipe. On Windows the console is
// asked to take them, which consoles before Windows 10 refuse.
bool StandardOutputTakesColour();

} // namespace lorivex::platform
