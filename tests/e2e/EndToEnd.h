#pragma once
// End-to-end runs: the lorivex program compiles a document with chmcmd, and
// the compiled file is unpacked again with 7-Zip so that tests can
// look at what a reader of the help would get.
//
// On Windows (under Wine) neither HTML Help Workshop nor 7-Zip is there:
// compile runs that name no compiler get the test compiler
// (tests/helpers/FakeHelpCompiler.cpp), which packs the work folder it is
// given into the output file, and UnpackChm reads that back. The tests then
// see every page, the contents, the index and the project exactly as the
// compiler would have been given them; only what the compiler itself adds
// is not there.
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

// The test compiler, beside the test programs.
std::string TestHelpCompiler();

// The files inside a compiled help file, by their path inside it
// ("/TableOfContents.hhc"), read with 7-Zip; on Windows the files the test
// compiler packed.
std::map<std::string, std::string> UnpackChm(const std::string& chm, const TempFolder& scratch);

// The values of <param name="NAME" value="..."> in a sitemap, in order.
std::vector<std::string> SitemapValues(const std::string& sitemap, const std::string& name);

} // namespace lorivex::test
