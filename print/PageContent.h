#pragma once
// What one printed page shows, shared by the puzzle page and its answer key.
#include "engine/Grid.h"
#include "library/TextList.h"

#include <QImage>

#include <string>
#include <vector>

namespace lexiglade {

struct PageContent {
    std::string title;
    Grid letters;
    TextList hints;               // the text hints, one line each; unused in picture mode
    bool pictureHints = false;    // the hints are pictures
    std::vector<QImage> pictures; // picture k for hint k; a missing or empty one leaves its place
    int hintCount = 0;            // hints 0 to hintCount - 1 are printed, as far as they exist
    std::vector<PlacedWord> placedWords; // where word k lies in `letters`, for the answer key
};

} // namespace lexiglade
