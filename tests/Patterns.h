#pragma once
// Regular expressions in the tests, the same on every platform. GoogleTest's
// ContainsRegex and MatchesRegex use POSIX expressions on Linux but a simple
// language of its own on Windows (no groups, no alternatives, no {n}); these
// matchers use std::regex's ECMAScript grammar everywhere:
//   EXPECT_THAT(html, ContainsPattern("color:#?[0-9A-Fa-f]{6}"));
//   EXPECT_THAT(link, MatchesPattern("(<a name=\"x\"></a>)?<a href=.*"));
#include <regex>
#include <string>

#include <gmock/gmock.h>

namespace lorivex::test {

MATCHER_P(ContainsPattern, pattern, "contains the pattern " + ::testing::PrintToString(std::string(pattern)))
{
    return std::regex_search(std::string(arg), std::regex(std::string(pattern)));
}

MATCHER_P(MatchesPattern, pattern, "matches the pattern " + ::testing::PrintToString(std::string(pattern)))
{
    return std::regex_match(std::string(arg), std::regex(std::string(pattern)));
}

} // namespace lorivex::test
