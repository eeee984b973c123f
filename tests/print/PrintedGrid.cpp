#include "PrintedGrid.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace lexiglade::test {

namespace {

bool SingleCapital(const QString& text) {
    return text.size() == 1 && text[0] >= 'A' && text[0] <= 'Z';
}

std::size_t IndexOf(Cell cell) {
    return static_cast<std::size_t>(cell.column * kGridRows + cell.row);
}

// Across, down, down-right or up-right: the steps of a line listed by column, then row.
bool IsStep(Cell step) {
    return (step.column == 1 && (step.row == 0 || step.row == 1 || step.row == -1)) ||
           (step.column == 0 && step.row == 1);
}

std::optional<CellLine> AsLine(std::vector<Cell> cells) {
    if (cells.empty()) {
        return std::nullopt;
    }
    std::sort(cells.begin(), cells.end());
    if (cells.size() > 1) {
        const Cell step{cells[1].column - cells[0].column, cells[1].row - cells[0].row};
        for (std::size_t k = 1; k < cells.size(); ++k) {
            const Cell next{cells[k].column - cells[k - 1].column, cells[k].row - cells[k - 1].row};
            if (!IsStep(step) || next != step) {
                return std::nullopt;
            }
        }
    }
    return CellLine{cells.front(), cells.back()};
}

} // namespace

PrintedGrid ReadPrintedGrid(const std::vector<PdfWord>& words) {
    // Keyed by the top of the line in hundredths of a point: the letters of a line share it.
    std::map<long, std::vector<const PdfWord*>> lines;
    for (const PdfWord& word : words) {
        if (SingleCapital(word.text)) {
            lines[std::lround(word.box.top() * 100)].push_back(&word);
        }
    }
    PrintedGrid grid;
    int row = 0;
    for (auto& [top, line] : lines) {
        if (line.size() != static_cast<std::size_t>(kGridColumns) || row == kGridRows) {
            continue;
        }
        std::sort(line.begin(), line.end(),
                  [](const PdfWord* a, const PdfWord* b) { return a->box.left() < b->box.left(); });
        for (int column = 0; column < kGridColumns; ++column) {
            const PdfWord& letter = *line[static_cast<std::size_t>(column)];
            grid.letters.at({column, row}) = static_cast<char>(letter.text[0].toLatin1());
            grid.middles[IndexOf({column, row})] = letter.box.center();
        }
        ++row;
    }
    grid.complete = row == kGridRows;
    return grid;
}

CellLine LineOf(const PlacedWord& word) {
    return {std::min(word.start, word.end), std::max(word.start, word.end)};
}

std::vector<std::optional<CellLine>> CircledLines(const PrintedGrid& grid,
                                                  const std::vector<QPolygonF>& outlines) {
    std::vector<std::optional<CellLine>> lines;
    for (const QPolygonF& outline : outlines) {
        std::vector<Cell> inside;
        for (int column = 0; column < kGridColumns; ++column) {
            for (int row = 0; row < kGridRows; ++row) {
                if (outline.containsPoint(grid.middles[IndexOf({column, row})], Qt::OddEvenFill)) {
                    inside.push_back({column, row});
                }
            }
        }
        lines.push_back(AsLine(inside));
    }
    return lines;
}

std::string ReadAlong(const Grid& grid, const CellLine& line) {
    const Cell step{(line.last.column > line.first.column) - (line.last.column < line.first.column),
                    (line.last.row > line.first.row) - (line.last.row < line.first.row)};
    std::string text;
    for (Cell at = line.first;; at = {at.column + step.column, at.row + step.row}) {
        text += grid.at(at);
        if (at == line.last) {
            return text;
        }
    }
}

} // namespace lexiglade::test
