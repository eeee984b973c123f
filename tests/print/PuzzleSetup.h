#pragma once
// A puzzle on screen, as far as printing sees it: the shared state after a game's first paint.
#include "engine/GameOptions.h"
#include "engine/Grid.h"
#include "library/Puzzle.h"
#include "library/TextList.h"
#include "print/PrintPage.h"

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

namespace lexiglade::test {

// `count` (at most 25) distinct animal names, and a hint for each that names no other.
TextList SampleWords(int count);
TextList SampleHints(int count);

// What the puzzle screen holds of the game it shows, and the print dialog's last answer.
struct ScreenPuzzle {
    lexiglade::LoadedPuzzle LoadedPuzzle;
    lexiglade::GameOptions GameOptions;
    std::int32_t CopyCount = 0;
    bool UniqueCopies = false;
};

// The puzzle on screen, set afresh by LoadPuzzle.
ScreenPuzzle& OnScreen();

// Puts the puzzle on screen and generates its grid, GameGrids(), from a fixed seed.
void LoadPuzzle(const std::string& title, const TextList& words, const TextList& hints);

// The grids of the game on screen.
GridState& GameGrids();
// The loaded puzzle and GameGrids() as the puzzle screen hands them to printing.
PrintedPuzzle Printed(bool pictureHints, std::vector<QImage> pictures);

} // namespace lexiglade::test
