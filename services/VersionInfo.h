#pragma once
// The file version of the installed add-in, as the about box and the error
// dialog show it. Belongs to the about box's unit, whose name its failures
// carry.
#include <string>

namespace lorivex {

inline constexpr char AboutFormUnit[] = "AboutFormUnit";

// "major.minor.release.build" of the file's stamped version, e.g. "2.0.1.1";
// a file without one fails with a message naming it.
std::string GetVersionInfo(const std::string& fileName);

// The installed binary that carries the add-in's version: Lorivex.dll on
// Windows, the lorivex program on POSIX, in the registered install folder.
std::string AddInBinaryPath();

} // namespace lorivex
