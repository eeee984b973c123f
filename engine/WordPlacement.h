#pragma once
// Hiding the words of a puzzle in a grid, shared by the game's grid and the printed grids.
#include "engine/Grid.h"
#include "engine/Layouts.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace lexiglade {

// The words of a puzzle cannot all be placed together.
class GridError : public std::runtime_error {
  public:
    GridError() : std::runtime_error("The words of this puzzle do not fit in the grid") {}
};

// A word as the grid holds it.
struct PreparedWord {
    std::string text; // upper-cased, back to front when reversed
    bool reversed = false;
};

// The most placements the search of CanPlaceWords tries before it gives up: a few hundredths of a
// second.
inline constexpr long SearchBudget = 5000;
// The search that draws from the game's generator tries far fewer (a few milliseconds): when it
// fails, that of CanPlaceWords, already run beside the loop, is certain for every set the wizard
// accepts.
inline constexpr long DrawnSearchBudget = 300;
// Earlier versions accepted the words whose search, pruned by open places alone, placed them
// within this many tries; their puzzles are still placed that way when all else fails.
inline constexpr long EarlierSearchBudget = 10000;
// Passes of the placement loop (a millisecond or so) after which the words count as hard to place
// and the search of CanPlaceWords starts beside the loop; the puzzles of ordinary words are placed
// well before.
inline constexpr int PassesBeforeSearchingAhead = 100;

// Hides every word in the cleared grid and returns where each one lies. The placement loop's draws
// decide first; when the loop gives up, a search drawing from the same generator takes over, and
// when that fails too, the search of CanPlaceWords places the words forwards (then the one that
// earlier versions checked with) and KeepReversalsWhereFree turns back what it can. The search of
// CanPlaceWords runs on a thread of its own beside the loop once the loop has run
// PassesBeforeSearchingAhead passes, so that its placement is at hand when wanted. Throws
// GridError, leaving the grid empty, when none of them places the words.
std::vector<WordSpan> PlaceWords(Grid& grid, std::vector<PreparedWord>& words);

// With every word written forwards where its span says, writes back to front each word that is
// reversed when its turned letters change only cells that no other word covers; the other
// reversed words are turned forwards (text and flag).
void KeepReversalsWhereFree(Grid& grid, std::vector<PreparedWord>& words,
                            const std::vector<WordSpan>& spans);

// Whether PlaceWords always places these texts, forwards or back to front, whatever the generator
// holds: its last search, which draws from a fixed seed, places them forwards.
bool CanPlaceWords(const std::vector<std::string>& texts);

} // namespace lexiglade
