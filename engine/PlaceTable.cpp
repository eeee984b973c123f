#include "engine/PlaceTable.h"

namespace lexiglade {

PlaceTable::PlaceTable(const std::vector<std::string>& texts)
    : texts_(texts), letterIndex_(256, 0) {
    std::vector<bool> used(256, false);
    for (const std::string& text : texts_) {
        for (char letter : text) {
            used[static_cast<unsigned char>(letter)] = true;
        }
    }
    for (std::size_t letter = 0; letter < used.size(); ++letter) {
        if (used[letter]) {
            letterIndex_[letter] = static_cast<std::uint32_t>(alphabetSize_++);
        }
    }
    ListPlaces();
    FileWants();
}

void PlaceTable::ListPlaces() {
    firstPlace_.push_back(0);
    for (std::size_t word = 0; word < texts_.size(); ++word) {
        const Layouts layouts = LayoutsFor(static_cast<std::int32_t>(texts_[word].size()));
        for (std::size_t direction = 0; direction < kDirectionCount; ++direction) {
            const Layout& layout = layouts[direction];
            for (std::int32_t column = 0; layout.possible && column < StartsIn(layout.columns);
                 ++column) {
                for (std::int32_t row = 0; row < StartsIn(layout.rows); ++row) {
                    const Cell start{column, row + layout.rowOffset};
                    places_.push_back({static_cast<std::uint16_t>(CellIndex(start)),
                                       static_cast<std::uint8_t>(StrideOf(layout.step)),
                                       static_cast<std::uint8_t>(direction),
                                       static_cast<std::uint32_t>(word)});
                }
            }
        }
        firstPlace_.push_back(static_cast<std::uint32_t>(places_.size()));
    }
}

void PlaceTable::FileWants() {
    std::vector<std::uint32_t> next(Grid::kCellCount + 1, 0);
    for (std::uint32_t place = 0; place < places_.size(); ++place) {
        ForEachCell(place, [&](std::size_t at, char) { ++next[at + 1]; });
    }
    for (std::size_t at = 0; at < Grid::kCellCount; ++at) {
        next[at + 1] += next[at];
    }
    firstWant_ = next;
    wants_.resize(next.back());
    for (std::uint32_t place = 0; place < places_.size(); ++place) {
        ForEachCell(place, [&](std::size_t at, char letter) {
            wants_[next[at]++] = {place, LetterIndex(letter)};
        });
    }
    // Places are numbered word by word, so each word's wants at a cell lie together.
    const std::size_t words = texts_.size();
    wantsOfWord_.assign(Grid::kCellCount * (words + 1), 0);
    for (std::size_t cell = 0; cell < Grid::kCellCount; ++cell) {
        std::uint32_t at = firstWant_[cell];
        for (std::size_t word = 0; word <= words; ++word) {
            while (word < words && at < firstWant_[cell + 1] &&
                   places_[wants_[at].place].word < word) {
                ++at;
            }
            wantsOfWord_[cell * (words + 1) + word] = word < words ? at : firstWant_[cell + 1];
        }
    }
}

WordSpan PlaceTable::SpanOf(std::uint32_t place) const {
    const Place& p = places_[place];
    const Cell start{p.first / kGridRows, p.first % kGridRows};
    const Cell step = LayoutsFor(0)[p.direction].step;
    return {start, LastCell(start, step, static_cast<std::int32_t>(texts_[p.word].size()))};
}

} // namespace lexiglade
