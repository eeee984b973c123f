#pragma once
// The letter grid and the circled words of a printed page, read back from the PDF: the letters from
// their text positions, the circles from the outlines drawn round them.
#include "PdfTools.h"

#include "engine/Grid.h"

#include <QPointF>

#include <array>
#include <compare>
#include <optional>
#include <string>
#include <vector>

namespace lexiglade::test {

struct PrintedGrid {
    Grid letters;
    std::array<QPointF, Grid::kCellCount> middles{}; // the middle of each letter's box, by cell
    bool complete = false; // 15 lines of 22 single capitals were found on the page
};

// The 15 lines of the page that hold 22 words of one capital each, top to bottom, each read left to
// right.
PrintedGrid ReadPrintedGrid(const std::vector<PdfWord>& words);

// A straight line of cells given by its end cells, the one first by column and then row first.
struct CellLine {
    Cell first;
    Cell last;
    auto operator<=>(const CellLine&) const = default;
};

// Where a placed word lies, as a line.
CellLine LineOf(const PlacedWord& word);

// For each outline, the cells of the grid whose letters lie inside it, when they form one straight
// line across, down or along a diagonal with no gap; nothing for any other set of cells.
std::vector<std::optional<CellLine>> CircledLines(const PrintedGrid& grid,
                                                  const std::vector<QPolygonF>& outlines);

// The letters from the line's first cell to its last.
std::string ReadAlong(const Grid& grid, const CellLine& line);

} // namespace lexiglade::test
