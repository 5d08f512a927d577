#pragma once
// End-to-end runs: the lorivex program compiles a document with chmcmd, and
// the compiled file is unpacked again with 7-Zip so that tests can
// look at what a reader of the help would get.
#include <map>
#include <string>
#include <vector>

#include "TestSupport.h"

namespace lorivex::test {

struct ProgramRun {
    int exitCode = -1;
    std::string output; // standard output and standard error together
};

// Runs build/bin/lorivex with the arguments; the temporary folder of the
// run is given so that tests can see what it leaves behind.
// A prefix, when given, goes in front of the command line (to run the
// program as another user).
ProgramRun RunLorivex(const std::vector<std::string>& args, const std::string& tempFolder,
                      const std::string& prefix = {});

// The files inside a compiled help file, by their path inside it
// ("/TableOfContents.hhc"), read with 7-Zip.
std::map<std::string, std::string> UnpackChm(const std::string& chm, const TempFolder& scratch);

// The values of <param name="NAME" value="..."> in a sitemap, in order.
std::vector<std::string> SitemapValues(const std::string& sitemap, const std::string& name);

} // namespace lorivex::test
