#pragma once
// The printed puzzle: a page per copy, each followed by its answer key when asked for.
#include "engine/Grid.h"
#include "library/TextList.h"
#include "print/PageContent.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace lexiglade {

class PrinterCanvas;

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
    GridState grids;              // the game's, as printing starts
};

// What a print made: the file the copies went to for want of a printer (else empty), and the
// fresh grid of each copy in order when every copy got one of its own.
struct PrintedCopies {
    QString file;
    std::vector<Grid> freshGrids;
};

// The page of the puzzle on screen: its title, the given grid, and its hints for as many words as
// the game's grid holds. "List index out of bounds" when a text hint is missing.
PageContent PuzzlePage(const PrintedPuzzle& puzzle, const Grid& letters);

// The puzzle page: the title, the grid, then the hints as text lines or as pictures in columns of
// 9. Titles and hints too wide for the page are printed whole, smaller.
void DrawPuzzlePage(PrinterCanvas& dc, const PageContent& page);

// The copies asked for, on the printer of the run, titled "TINYSLIP": on a queue one job per copy,
// into a PDF file one document. Without a queue or a chosen file, the document goes to a new file
// named after the puzzle in the player's documents folder, whose path is returned. With `unique`,
// every copy gets a fresh grid (BuildPrintGrid), returned for the game to keep. The game in
// progress is left as it is, even when it changes while a page spools.
PrintedCopies PrintCopies(const PrintChoice& choice, const PrintedPuzzle& puzzle);

} // namespace lexiglade
