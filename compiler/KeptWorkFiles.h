#pragma once
// A copy of a compile run's work files, for an author who wants to see the
// pages, contents, index and project exactly as the help compiler is given
// them (lorivex compile --keep-work-folder). The work folder itself still
// goes when the run ends.
#include <string>

namespace lorivex {

// The folder that every following run copies its work files into (created
// when missing); empty to keep none. Set for the whole process, as the
// command line sets it before the compile command runs.
void SetKeptWorkFolder(const std::string& folder);
const std::string& KeptWorkFolder();

// Copies the work folder's files and sub-folders into the kept folder, when
// one is set; raises an Exception naming the file that could not be copied.
void KeepWorkFiles(const std::string& workFolder);

} // namespace lorivex
