#pragma once
// The screen artwork: backgrounds and hotspot pictures of the catalogue and puzzle screens, each
// drawn at `ratio` device pixels per pixel of its size (1 for the library's own files).
#include <QImage>

namespace lexiglade::artwork {

QImage DrawCatalogue(int ratio);  // "a4.asl", 640 x 480
QImage DrawFinder(int ratio);     // "a2.asl", 110 x 150, below the instruction label
QImage DrawBoard(int ratio);      // "a3.asl", 600 x 424
QImage DrawEndIcon(int ratio);    // "a1.asl", 40 x 35
QImage DrawPrintIcons(int ratio); // "a5.asl", 150 x 35
QImage DrawHintCanvas();          // "a6.asl", 150 x 80 white

} // namespace lexiglade::artwork
