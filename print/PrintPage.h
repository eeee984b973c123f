#pragma once
// The printed puzzle: a page per copy, each followed by its answer key when asked for.
#include "engine/Grid.h"
#include "library/TextList.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace lexiglade {

class PrinterCanvas;

// Everything one page shows.
struct PageContent {
    std::string title;
    Grid letters;
    TextList hints;               // the text hints, one line each; unused in picture mode
    bool pictureHints = false;    // the hints are pictures
    std::vector<QImage> pictures; // picture k for hint k; a missing or empty one leaves its place
    int hintCount = 0;            // hints 0 to hintCount - 1 are printed, as far as they exist
    std::vector<PlacedWord> placedWords; // where word k lies in `letters`, for the answer key
};

// What the print dialog asks for.
struct PrintChoice {
    std::int32_t copies = 0; // 0 or less prints nothing
    bool unique = false;     // every copy gets a grid of its own
    bool answerKeys = false; // every copy is followed by its answer key
};

// The puzzle on screen as printing reads it, handed over by the puzzle screen.
struct PrintedPuzzle {
    std::string title;
    TextList words;
    TextList hints;
    bool backwardWords = true;
    bool pictureHints = false;
    std::vector<QImage> pictures; // one per hint in hint order, read in picture mode
    GridState* grids = nullptr; // the game's: read as printing starts; PrintGrid takes unique grids
};

// The page of the puzzle on screen: its title, the given grid, and its hints for as many words as
// the game's grid holds. "List index out of bounds" when a text hint is missing.
PageContent PuzzlePage(const PrintedPuzzle& puzzle, const Grid& letters);

// The puzzle page: the title, the grid, then the hints as text lines or as pictures in columns of
// 9. Titles and hints too wide for the page are printed whole, smaller.
void DrawPuzzlePage(PrinterCanvas& dc, const PageContent& page);

// The copies asked for, on the printer of the run, titled "TINYSLIP": on a queue one job per copy,
// into a PDF file one document. Without a queue or a chosen file, the document goes to a new file
// named after the puzzle in the player's documents folder, whose path is returned (else empty).
// With `unique`, every copy gets a fresh PrintGrid. The game in progress is left as it is, even
// when it changes while a page spools.
QString PrintCopies(const PrintChoice& choice, const PrintedPuzzle& puzzle);

} // namespace lexiglade
