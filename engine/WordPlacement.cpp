#include "engine/WordPlacement.h"

#include "engine/Random.h"

#include <array>
#include <span>
#include <stdexcept>

namespace lexiglade {

namespace {

constexpr int AttemptsPerPass = 5000;

// Where a word may start in one direction and how its letters follow one another.
struct Layout {
    bool possible = false;
    std::int32_t columns = 0; // start column drawn below this
    std::int32_t rows = 0;    // start row drawn below this, then rowOffset added
    std::int32_t rowOffset = 0;
    Cell step;
};

// Across, Down, DownRight, UpRight for a word of `length` letters. A direction is impossible when
// its range is negative, and upward also when the start row would be 15.
std::array<Layout, 4> LayoutsFor(std::int32_t length) {
    const std::int32_t columns = GridColumns - length;
    const std::int32_t rows = GridRows - length;
    return {{
        {columns >= 0, columns, GridRows, 0, {1, 0}},
        {rows >= 0, GridColumns, rows, 0, {0, 1}},
        {columns >= 0 && rows >= 0, columns, rows, 0, {1, 1}},
        {columns >= 0 && rows > 0, columns, rows, length, {1, -1}},
    }};
}

// Draws 0 to 2 lie across, 3 to 7 down, 8 to 11 down-right, 12 to 15 up-right.
constexpr std::array<std::size_t, 16> DirectionOfDraw = {0, 0, 0, 1, 1, 1, 1, 1,
                                                         2, 2, 2, 2, 3, 3, 3, 3};

struct Word {
    const std::string* text;
    std::array<Layout, 4> layouts;
};

// Holds the process-wide generator's state in a local while placing, and hands it back.
class SeedLease {
  public:
    SeedLease() : seed(RandomSeed()) {}
    ~SeedLease() { SetRandomSeed(seed); }
    SeedLease(const SeedLease&) = delete;
    SeedLease& operator=(const SeedLease&) = delete;
    std::uint32_t seed;
};

// A word's cells as positions in the column-major bytes: first, first + stride, ...
struct Line {
    std::size_t first = 0;
    std::size_t stride = 0;
};

// Both ends inside the grid keep the whole straight line inside it.
Line LineOf(Cell start, Cell last, Cell step) {
    if (!Grid::Contains(start) || !Grid::Contains(last)) {
        throw std::logic_error("word placed outside the grid");
    }
    return {static_cast<std::size_t>(start.column * GridRows + start.row),
            static_cast<std::size_t>(step.column * GridRows + step.row)};
}

// Each cell must be empty or already hold the word's letter; the first that does not decides.
bool Fits(std::span<const char> cells, const std::string& text, Line line) {
    for (std::size_t k = 0, at = line.first; k < text.size(); ++k, at += line.stride) {
        if (cells[at] != 0 && cells[at] != text[k]) {
            return false;
        }
    }
    return true;
}

// One attempt: the direction, then (only when the word can lie that way) column and row.
bool TryPlace(std::uint32_t& seed, Grid& grid, const Word& word, WordSpan& span) {
    const Layout& layout =
        word.layouts[DirectionOfDraw[static_cast<std::size_t>(NextBelow(seed, 16))]];
    if (!layout.possible) {
        return false;
    }
    const std::int32_t column = NextBelow(seed, layout.columns);
    const std::int32_t row = NextBelow(seed, layout.rows) + layout.rowOffset;
    const std::string& text = *word.text;
    const std::int32_t last = static_cast<std::int32_t>(text.size()) - 1;
    const WordSpan placed{{column, row},
                          {column + last * layout.step.column, row + last * layout.step.row}};
    if (!text.empty()) {
        const Line line = LineOf(placed.start, placed.end, layout.step);
        const std::span<char, Grid::CellCount> cells = grid.bytes();
        if (!Fits(cells, text, line)) {
            return false;
        }
        for (std::size_t k = 0, at = line.first; k < text.size(); ++k, at += line.stride) {
            cells[at] = text[k];
        }
    }
    span = placed;
    return true;
}

std::vector<Word> WordsOf(const std::vector<std::string>& texts) {
    std::vector<Word> words;
    words.reserve(texts.size());
    for (const std::string& text : texts) {
        if (text.size() > GridColumns) {
            throw GridError(); // fits no direction at all
        }
        words.push_back({&text, LayoutsFor(static_cast<std::int32_t>(text.size()))});
    }
    return words;
}

} // namespace

std::vector<WordSpan> PlaceWords(Grid& grid, const std::vector<std::string>& texts) {
    const std::vector<Word> words = WordsOf(texts);
    std::vector<WordSpan> spans(words.size());
    SeedLease random;
    int attempts = 0;
    int restarts = 0;
    std::size_t index = 0;
    while (index < words.size()) {
        if (TryPlace(random.seed, grid, words[index], spans[index])) {
            ++index;
        }
        // Checked before completion: a pass that ends on attempt 5001 starts over as well.
        if (++attempts > AttemptsPerPass) {
            grid.clear();
            if (restarts == GridRestartLimit) {
                throw GridError();
            }
            ++restarts;
            attempts = 0;
            index = 0;
        }
    }
    return spans;
}

} // namespace lexiglade
