#pragma once
// A second, plain rendering of the placement rules (row-major cells), used as the tests' oracle.
#include "engine/Grid.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lexiglade::test {

class ModelRandom {
  public:
    explicit ModelRandom(std::uint32_t seed) : seed_(seed) {}
    std::int32_t Below(std::int32_t n);
    std::uint32_t seed() const { return seed_; }
    long draws() const { return draws_; }

  private:
    std::uint32_t seed_;
    long draws_ = 0;
};

struct ModelOutcome {
    std::array<char, kGridRows * kGridColumns> cells{}; // row by row
    char& at(int row, int column) { return cells.at(std::size_t(row * kGridColumns + column)); }
    char at(int row, int column) const {
        return cells.at(std::size_t(row * kGridColumns + column));
    }
    std::vector<PlacedWord> words;
    std::uint32_t seed = 0; // generator state on return
    long draws = 0;
    long attempts = 0;   // over all passes
    long collisions = 0; // attempts rejected by a cell holding another letter
    long oneCellCollisions = 0;
    int completedRestarts = 0; // restarts on the attempt that placed the last word
    long sharedCells = 0;      // cells of placed words that already held their letter
    long filledCells = 0;
    int restarts = 0;
    // Passes that ended with the word being placed fitting nowhere in the grid they left, for a
    // word that can lie in all four directions and for one that cannot.
    int roomlessPasses = 0;
    int roomlessPassesOfLongWords = 0;
};

// Generation of the whole grid as the game does it, from the given seed. Throws std::logic_error
// after `restartLimit` restarts.
ModelOutcome ModelGenerate(std::uint32_t seed, const std::vector<std::string>& words,
                           bool backwardWords, int restartLimit = 200);

} // namespace lexiglade::test
