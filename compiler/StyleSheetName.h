#pragma once
// The stylesheet a document names (the lxCustomStyleSheet property) is a
// path as the machine that linked it wrote it. A document linked on Windows
// and compiled on POSIX names a Windows path ("C:\Help\help.css"), which no
// POSIX system can open and whose name POSIX would not take apart at its
// backslashes; there it stands for its file name, looked for where a bare
// name is looked for.
#include <string>

namespace lorivex {

// The stylesheet's file name: the platform's own rule, or on POSIX for a
// Windows path the part after its last backslash.
std::string StyleSheetFileName(const std::string& named);

// Whether the named path can only be looked for by its file name: a path
// of the other platform's form.
bool IsForeignStyleSheetPath(const std::string& named);

} // namespace lorivex
