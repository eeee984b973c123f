#pragma once
// The printed puzzle: one job of one page per copy.
#include "engine/Grid.h"
#include "library/TextList.h"

#include <QImage>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace lexiglade {

class Printer;

// Everything one page shows.
struct PageContent {
    std::string title;
    Grid letters;
    TextList hints;               // the text hints, one line each; unused in picture mode
    bool pictureHints = false;    // the hints are pictures
    std::vector<QImage> pictures; // picture k for hint k; a missing or empty one leaves its place
    int hintCount = 0;            // hints 0 to hintCount - 1 are printed, as far as they exist
};

// The page of the puzzle on screen: its title, the given grid, and its hints for as many words as
// the grid holds. "List index out of bounds" when a text hint is missing.
PageContent PuzzlePage(const Grid& letters, bool pictureHints, std::span<const QImage> pictures);

// One job titled "TINYSLIP": portrait, the title, the grid, then the hints as text lines or as
// pictures in columns of 9. Titles and hints too wide for the page are printed whole, smaller.
void PrintPage(Printer& printer, const PageContent& page);

// `count` jobs on the printer of the run; with `unique`, every copy gets a fresh PrintGrid. The
// game in progress is left as it is, even when it changes while a job spools.
void PrintCopies(std::int32_t count, bool unique, bool pictureHints,
                 std::span<const QImage> pictures);

} // namespace lexiglade
