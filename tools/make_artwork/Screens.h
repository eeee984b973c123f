#pragma once
// The screen artwork: backgrounds and hotspot pictures of the catalogue and puzzle screens.
#include <QImage>

namespace lexiglade::artwork {

QImage DrawCatalogue();  // "a4.asl", 640 x 480
QImage DrawFinder();     // "a2.asl", 110 x 150, below the instruction label
QImage DrawBoard();      // "a3.asl", 600 x 424
QImage DrawEndIcon();    // "a1.asl", 40 x 35
QImage DrawPrintIcons(); // "a5.asl", 150 x 35
QImage DrawHintCanvas(); // "a6.asl", 150 x 80 white

} // namespace lexiglade::artwork
