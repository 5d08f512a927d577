// Finding files as Windows finds them, for the menus that list the
// installation's templates and symbols the same way on every platform.
#include "platform/CaseFolding.h"
#include "platform/FileSystem.h"

namespace lorivex::platform {

namespace {

bool Matches(std::string_view name, std::string_view pattern)
{
    if (pattern.empty())
        return name.empty();
    if (pattern[0] == '*') {
        for (size_t skip = 0; skip <= name.size(); ++skip)
            if (Matches(name.substr(skip), pattern.substr(1)))
                return true;
        return false;
    }
    if (name.empty())
        return false;
    if (pattern[0] != '?' && !AnsiSameText(name.substr(0, 1), pattern.substr(0, 1)))
        return false;
    return Matches(name.substr(1), pattern.substr(1));
}

// Windows also matches a name's short form, whose extension is the first
// three characters of the long one: "*.doc" finds "Manual.docx".
bool MatchesShortExtension(const std::string& name, const std::string& pattern)
{
    size_t dot = pattern.rfind('.');
    if (dot == std::string::npos || pattern.size() - dot != 4 ||
        pattern.find_first_of("*?", dot) != std::string::npos)
        return false;
    size_t nameDot = name.rfind('.');
    if (nameDot == std::string::npos || name.size() - nameDot <= 4)
        return false;
    return Matches(name.substr(0, nameDot + 4), pattern);
}

} // namespace

std::vector<DirEntry> FindFiles(const std::string& folder, const std::string& pattern)
{
    std::vector<DirEntry> found;
    for (auto& entry : ListDirectory(folder))
        if (Matches(entry.Name, pattern) || MatchesShortExtension(entry.Name, pattern))
            found.push_back(std::move(entry));
    return found;
}

} // namespace lorivex::platform
