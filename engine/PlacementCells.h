#pragma once
// Sets of grid cells as bits, for testing a word against every start of a direction at once.
#include "engine/Grid.h"
#include "engine/Layouts.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lexiglade {

// Cells by their column-major index, 64 to a word.
class CellSet {
  public:
    static constexpr std::size_t kWordCount = (Grid::kCellCount + 63) / 64;

    void Add(std::size_t cell) { words_[cell / 64] |= std::uint64_t{1} << (cell % 64); }
    bool Has(std::size_t cell) const { return ((words_[cell / 64] >> (cell % 64)) & 1u) != 0; }
    bool Empty() const {
        std::uint64_t any = 0;
        for (std::uint64_t word : words_) {
            any |= word;
        }
        return any == 0;
    }
    using Words = std::array<std::uint64_t, kWordCount>;
    const Words& words() const { return words_; }
    Words& words() { return words_; }

  private:
    std::array<std::uint64_t, kWordCount> words_{};
};

// The grid's filled cells, in all and by letter, kept beside its bytes.
class LetterCells {
  public:
    explicit LetterCells(std::size_t letters) : byLetter_(letters) {}
    void Clear() {
        filled_ = {};
        std::fill(byLetter_.begin(), byLetter_.end(), CellSet{});
    }
    void Fill(std::size_t cell, std::uint8_t letter) {
        filled_.Add(cell);
        byLetter_[letter].Add(cell);
    }
    const CellSet& Filled() const { return filled_; }
    const CellSet& Holding(std::uint8_t letter) const { return byLetter_[letter]; }

  private:
    CellSet filled_;
    std::vector<CellSet> byLetter_;
};

// The start cells the loop draws from for one direction of a word; none where it is impossible.
CellSet StartCells(const Layout& layout);

} // namespace lexiglade
