#pragma once
// The process-wide state every screen reads and writes; one instance, user-interface thread only.
#include "engine/GameOptions.h"
#include "engine/Grid.h"
#include "library/Puzzle.h"

#include <cstdint>
#include <string>

namespace lexiglade {

struct SharedState {
    std::string DataDir;
    lexiglade::GameOptions GameOptions;
    lexiglade::LoadedPuzzle LoadedPuzzle;
    GridState Grids;
    std::int32_t CopyCount = 0;
    bool UniqueCopies = false;
    bool CatalogueFirstPaint = true;
    bool NewGame = false;
};

SharedState& Shared();

// Start-up steps that need no window: DataDir, the random seed and the option defaults.
void InitialiseSharedState(SharedState& state, const std::string& dataDir, std::uint32_t seed);

} // namespace lexiglade
