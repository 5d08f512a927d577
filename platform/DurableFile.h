#pragma once
// Replacing a file so that whoever looks at it, even after a crash or a
// full disk, finds the old content or the new one, whole: the new bytes go
// to a temporary file beside the target, reach the disk, and only then take
// the target's name.
#include <string>

namespace lorivex::platform {

// Raises lorivex::Exception "Cannot save "PATH": REASON." when the file
// cannot be written (missing or read-only folder, full disk ...); the old
// file, if any, is then untouched and no temporary file is left behind.
void ReplaceFileDurably(const std::string& path, const std::string& bytes);

} // namespace lorivex::platform
