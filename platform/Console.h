#pragma once
// Whether the program writes to a person's terminal rather than a pipe or
// a file: only a terminal gets colours and lines that update in place.
namespace lorivex::platform {

bool StandardOutputIsTerminal();

} // namespace lorivex::platform
