#pragma once
// The answer key that follows a printed copy.
#include "print/PageContent.h"

namespace lexiglade {

class PrinterCanvas;

// The title followed by " (answers)", the copy's grid where the puzzle page has it with every
// placed word circled from its first letter to its last, then each hint with its word beside it:
// text hints one per line with the word at the right margin, pictures in three columns with the
// word to the right of each.
void DrawAnswerKey(PrinterCanvas& dc, const PageContent& page);

} // namespace lexiglade
