#pragma once
// A puzzle on screen, as far as printing sees it: the shared state after a game's first paint.
#include "library/TextList.h"

#include <string>

namespace lexiglade::test {

// `count` (at most 25) distinct animal names, and a hint for each that names no other.
TextList SampleWords(int count);
TextList SampleHints(int count);

// Puts the puzzle into Shared() and generates its grid from a fixed seed.
void LoadPuzzle(const std::string& title, const TextList& words, const TextList& hints);

} // namespace lexiglade::test
