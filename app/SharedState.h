#pragma once
// The process-wide state every screen reads and writes; one instance, user-interface thread only.
#include "engine/GameOptions.h"
#include "library/DataFolder.h"
#include "library/Puzzle.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace lexiglade {

struct SharedState {
    std::filesystem::path DataDir;
    // The shipped files' folder when it is not DataDir, else empty.
    std::filesystem::path ShippedDir;
    lexiglade::GameOptions GameOptions;
    lexiglade::LoadedPuzzle LoadedPuzzle;
    std::int32_t CopyCount = 0;
    bool UniqueCopies = false;
    bool CatalogueFirstPaint = true;
    bool NewGame = false;
};

SharedState& Shared();

// DataDir and the shipped files' folder.
DataFolders SharedDataFolders();
// The path of a file the game ships (artwork, sound effect, music track): the player's copy in
// DataDir when there is one, else the one in ShippedDir.
std::string ShippedFile(const std::string& name);

} // namespace lexiglade
