#pragma once
// The puzzles that a newer version of the game ships, reaching a player's library that an earlier
// version started.
#include "library/DataFolder.h"

#include <string>
#include <vector>

namespace lexiglade {

// When DataDir is a player's library apart from the shipped folder: under the library's lock,
// each puzzle of the shipped library that the offered record (kOfferedRecord) lacks is filed into
// DataDir (AppendPuzzleToFolder, last in the folder named as in the shipped tree, its shipped
// pictures copied in where DataDir lacks them), unless a puzzle of DataDir has its title already;
// either way it goes into the record. So without a record every shipped title that DataDir holds
// counts as offered, and a puzzle the player removed is not offered again. The player's puzzles,
// best times and pictures stay as they are. Returns the titles filed, in the shipped tree's order.
// On an error the titles offered until then are recorded, and the error is raised.
std::vector<std::string> OfferShippedPuzzles(const DataFolders& folders);

} // namespace lexiglade
