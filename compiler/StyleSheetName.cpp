#include "compiler/StyleSheetName.h"

#include <cctype>

#include "platform/FileSystem.h"

namespace lorivex {

bool IsForeignStyleSheetPath(const std::string& named)
{
    if (platform::PathDelim == '\\')
        return false;
    const bool drive = named.size() >= 3 && std::isalpha(static_cast<unsigned char>(named[0])) && named[1] == ':'
                       && named[2] == '\\';
    const bool share = named.compare(0, 2, "\\\\") == 0;
    return drive || share;
}

std::string StyleSheetFileName(const std::string& named)
{
    if (!IsForeignStyleSheetPath(named))
        return platform::ExtractFileName(named);
    return named.substr(named.find_last_of('\\') + 1);
}

} // namespace lorivex
