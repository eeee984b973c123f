#pragma once
// The library command: a puzzle library looked after from a terminal, by a player or a teacher.
#include "library/DataFolder.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace lexiglade {

// Exit statuses.
inline constexpr int kCommandSucceeded = 0; // check: the library is sound
inline constexpr int kCommandFailed = 1;    // check: problems found; others: refused or failed
inline constexpr int kCommandMisused = 2;   // the command line is wrong

// Runs the command line `args` (see CommandTexts::kUsage): check, add, list, export, remove,
// rename or move, or --help. The library is that of --library DIR (or, as before, a DIR given as
// the first word of check, add or list), else the game's DataDir in `defaults`, whose shipped
// folder also serves what a library lacks (the picture canvas). Results go to `out`, refusals
// and errors to `err`.
int RunLibraryCommand(const std::vector<std::string>& args, const DataFolders& defaults,
                      std::ostream& out, std::ostream& err);

} // namespace lexiglade
