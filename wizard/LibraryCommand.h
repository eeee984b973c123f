#pragma once
// The library command: checks, adds to and lists a puzzle library from a terminal.
#include "library/DataFolder.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace lexiglade {

// Exit statuses.
inline constexpr int kCommandSucceeded = 0; // check: the library is sound
inline constexpr int kCommandFailed = 1;    // check: problems found; add, list: refused or failed
inline constexpr int kCommandMisused = 2;   // the command line is wrong

// Runs "check [DIR]", "add [DIR] FILE", "list [DIR]" or "--help"; DIR defaults to the game's
// DataDir in `defaults`, whose shipped folder also serves what a named DIR lacks (the picture
// canvas). Results go to `out`, refusals and errors to `err`.
int RunLibraryCommand(const std::vector<std::string>& args, const DataFolders& defaults,
                      std::ostream& out, std::ostream& err);

} // namespace lexiglade
