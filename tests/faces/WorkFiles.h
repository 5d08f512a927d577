#pragma once
// The files a compile run hands the help compiler (its work folder, kept
// with --keep-work-folder or packed by the test compiler), made comparable
// between two runs, and compared.
//
// Two runs of the same document differ in exactly two ways that say nothing
// about the pages: every topic gets a new identifier (a GUID's digits, the
// page's file name), and the run works in a folder of its own. Normalise
// rewrites only these, and only where they are certain:
//   1. Topic identifiers: the names in the project's [FILES] section that
//      end in ".html", in their order there. The stem of the N-th one (from
//      1) becomes "topicN" wherever it stands, in file names and contents.
//      An identifier the project does not list stays as it is, so a link to
//      a page the run did not make, or to the wrong page, still shows.
//   2. The literal texts the caller names (the work folder's path as the run
//      wrote it, the compiled file's path), each replaced by its stand-in
//      name, longest first.
// Nothing else changes: not line ends, not letter case, not white space.
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace lorivex::test {

// File contents by their path inside the folder, sub-folders joined with '/'.
using WorkFiles = std::map<std::string, std::string>;

// Every file of the folder and its sub-folders.
WorkFiles ReadWorkFiles(const std::string& folder);

// The topic identifiers of a run, in the project's order; empty when the
// files hold no project.
std::vector<std::string> TopicIds(const WorkFiles& files);

// Rewrites the topic identifiers and the given literals (text, stand-in).
WorkFiles Normalise(const WorkFiles& files, std::vector<std::pair<std::string, std::string>> literals);

// One line per difference: a file only one side has, or the first line
// where a file differs, with both sides' lines. Empty when they are equal.
std::vector<std::string> Differences(const WorkFiles& expected, const WorkFiles& actual);

} // namespace lorivex::test
