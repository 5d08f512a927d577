#pragma once
// The files the compiler reads (project, contents, index, scripts) are ANSI
// text with every line, the last included, ended by CR LF.
#include <string>
#include <vector>

namespace lorivex {

void SaveLines(const std::string& path, const std::vector<std::string>& lines);

// Joins a multi-line block with CR LF between its lines; the writer then ends
// it once more, so each line ends exactly once.
std::string Block(std::initializer_list<const char*> lines);

} // namespace lorivex
