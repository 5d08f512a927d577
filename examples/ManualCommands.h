#pragma once
// The lorivex commands that add the manual's help constructs to its .docx:
// index entries, popups, topic variables, related topics, the stylesheet.
//
// The commands that place something at a text ("--at TEXT") act on the
// first place in the document where TEXT stands. So the list is made only
// when every such text is first found exactly where it is meant to act,
// with nothing the earlier commands insert coming in front of it; otherwise
// the build stops with a message that names both places.
#include <ostream>
#include <string>
#include <vector>

#include "ManualSource.h"

namespace lorivex::manual {

// Gives every topic variable a placeholder word ("LXVAR001") that occurs
// nowhere else in the manual, in its text or its popups; the document shows
// the word where the variable command is to put the field.
void AssignPlaceholders(Manual& manual);

// The paragraphs' text as the document engine holds it, each paragraph
// ended by a carriage return; for the checks and their tests.
std::string DocumentText(const Manual& manual);

using CommandLine = std::vector<std::string>; // the arguments after "lorivex"

// The commands, in an order in which they work: index entries first (they
// add nothing visible), then popups, variables, related topics and the
// stylesheet. DOCUMENT is the .docx they change, STYLESHEET the full path of
// the stylesheet file (unused when the manual names none). Throws
// ManualError.
std::vector<CommandLine> PlanCommands(const Manual& manual, const std::string& document,
                                      const std::string& styleSheet);

// One command a line, its arguments separated by tabs.
void WriteCommands(const std::vector<CommandLine>& commands, std::ostream& out);

} // namespace lorivex::manual
