#pragma once
// Matching a selection's pair of cells with the placed words, and the hint list's progress.
#include "engine/Grid.h"
#include "library/TextList.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lexiglade {

// One flag per placed word, all false when a grid is generated; a retired word has been found
// and takes part in no later match. Kept beside PlacedWords, whose entries stay as stored.
using RetiredWords = std::vector<bool>;

// Words found by a selection from anchor to end, in the order they are found: words with
// start == anchor and end == end (k ascending), then words with start == end and end == anchor.
// Each word found is retired at once, so it is found at most once. retired must have one flag
// per word (std::invalid_argument otherwise).
std::vector<std::int32_t> FindMatches(std::span<const PlacedWord> words, RetiredWords& retired,
                                      Cell anchor, Cell end);

// A placed word's text as it reads: turned back round when backward words are on and it was
// stored reversed.
std::string ReadingOrder(std::string_view text, bool reversed, bool backwardWords);

// 'a' to 'z' upper-cased; every other byte unchanged.
std::string UpperAscii(std::string_view text);

// The hint entries that finding foundText removes, as positions in the entry list at the moment
// of each removal: delete them one by one, in this order, from Combo1 and Combo2, saving the
// screen before each. For each word equal to foundText (both upper-cased), the entries are
// scanned once from position 0; a removal skips the entry that moves into its place. Throws
// "List index out of bounds" when a matching word has no hint.
std::vector<std::int32_t> HintRemovals(const TextList& words, const TextList& hints,
                                       std::string_view foundText,
                                       const std::vector<std::string>& entries);

} // namespace lexiglade
