#include "engine/PlacementLoop.h"

#include "engine/PlacementCells.h"
#include "engine/PlacementDraws.h"
#include "engine/Random.h"

#include <array>
#include <bit>
#include <span>
#include <stdexcept>

namespace lexiglade {

namespace {

using namespace placement;

constexpr int kAttemptsPerPass = 5000;
// A word that failed this many attempts in a row on an unchanged grid has its fitting starts
// listed once, so that later attempts look them up instead of reading cells.
constexpr int kFailuresBeforeListing = 4;

// The letters of the texts, numbered from 0.
class Alphabet {
  public:
    explicit Alphabet(const std::vector<std::string>& texts) {
        index_.fill(kUnused);
        for (const std::string& text : texts) {
            for (char letter : text) {
                std::uint8_t& index = index_[static_cast<unsigned char>(letter)];
                index = index == kUnused ? static_cast<std::uint8_t>(size_++) : index;
            }
        }
    }
    std::uint8_t IndexOf(char letter) const { return index_[static_cast<unsigned char>(letter)]; }
    std::size_t size() const { return size_; }

  private:
    static constexpr std::uint8_t kUnused = 255;
    std::array<std::uint8_t, 256> index_{};
    std::size_t size_ = 0;
};

struct Word {
    const std::string* text;
    std::vector<std::uint8_t> letters; // by Alphabet index
    Layouts layouts;
    std::array<CellSet, kDirectionCount> starts;
    std::uint32_t possibleDraws; // bit d set when the direction of draw d is possible
    // The draws that are possible come first, so a draw's direction is possible exactly when the
    // state it stepped to lies below this.
    std::uint64_t possibleBelow;
};

constexpr std::uint32_t kEveryDraw = (1u << kDirectionDraws) - 1;

// Each cell must be empty or already hold the word's letter; the first that does not decides.
bool CellsFit(std::span<const char> cells, const std::string& text, Line line) {
    for (std::size_t k = 0, at = line.first; k < text.size(); ++k, at += line.stride) {
        if (cells[at] != 0 && cells[at] != text[k]) {
            return false;
        }
    }
    return true;
}

// Both ends inside the grid keep the whole straight line inside it.
Line LineOf(Cell start, Cell last, Cell step) {
    if (!Grid::Contains(start) || !Grid::Contains(last)) {
        throw std::logic_error("word placed outside the grid");
    }
    return {CellIndex(start), StrideOf(step)};
}

// The start cells at which one word fits the grid as it stands, by direction.
class FitTable {
  public:
    // False when the word fits nowhere.
    bool List(const LetterCells& cells, const Word& word) {
        // For each letter, the cells that may take it: empty ones and those holding it already.
        // Past the grid's last word they read as full, as no start's letters reach there.
        const std::size_t length = word.letters.size();
        for (std::size_t k = 0; k < length; ++k) {
            const CellSet::Words& filled = cells.Filled().words();
            const CellSet::Words& holding = cells.Holding(word.letters[k]).words();
            for (std::size_t i = 0; i < CellSet::kWordCount; ++i) {
                open_[k][i] = ~filled[i] | holding[i];
            }
        }
        bool any = false;
        for (std::size_t direction = 0; direction < kDirectionCount; ++direction) {
            const std::size_t stride = StrideOf(word.layouts[direction].step);
            CellSet::Words fits = word.starts[direction].words();
            std::uint64_t left = 1;
            for (std::size_t k = 0; k < length && left != 0; ++k) {
                // Letter k of a start lies k * stride cells on: shift its open cells back.
                const std::size_t skip = k * stride / 64, bits = k * stride % 64;
                left = 0;
                for (std::size_t i = 0; i < CellSet::kWordCount; ++i) {
                    // Two shifts for the next word's bits, so that no shift is by 64.
                    fits[i] &= (open_[k][i + skip] >> bits) |
                               ((open_[k][i + skip + 1] << 1) << (63 - bits));
                    left |= fits[i];
                }
            }
            fits_[direction].words() = fits;
            any = any || left != 0;
        }
        drawsThatFit_ = 0;
        for (std::size_t draw = 0; draw < kDirectionOfDraw.size(); ++draw) {
            drawsThatFit_ |= fits_[kDirectionOfDraw[draw]].Empty() ? 0u : 1u << draw;
        }
        return any;
    }

    // Draws attempt after attempt for the listed word, at most `left`, until one lands on a
    // start where it fits. Returns the attempts drawn, the last of them the fitting one, whose
    // start and direction are set; 0 when none fits, the generator then past all of them.
    template <bool EveryDirection>
    int DrawUntilFit(std::uint32_t& seed, const Word& word, int left, Cell& start,
                     std::size_t& direction) const {
        std::uint32_t state = seed;
        for (int drawn = 1; drawn <= left; ++drawn) {
            const std::uint32_t one = StepsOn(state, 1), three = StepsOn(state, 3);
            const std::size_t draw = DirectionDraw(one);
            if (((drawsThatFit_ >> draw) & 1u) != 0) {
                direction = kDirectionOfDraw[draw];
                const Layout& layout = word.layouts[direction];
                start = {Below(StepsOn(state, 2), layout.columns),
                         Below(three, layout.rows) + layout.rowOffset};
                if (fits_[direction].Has(CellIndex(start))) {
                    seed = three;
                    return drawn;
                }
            }
            // A direction that is not possible took one draw, without a branch on which.
            state =
                EveryDirection ? three : Choose(AllOnesWhen(one < word.possibleBelow), three, one);
        }
        seed = state;
        return 0;
    }

  private:
    std::array<CellSet, kDirectionCount> fits_;
    std::uint32_t drawsThatFit_ = 0; // bit d set when the direction of draw d has a fitting start
    std::array<std::array<std::uint64_t, 2 * CellSet::kWordCount>, kGridColumns> open_{};
};

// Writes the word's letters from `start` on and returns where it lies.
WordSpan Write(Grid& grid, LetterCells& letters, const Word& word, const Layout& layout,
               Cell start) {
    const std::string& text = *word.text;
    const WordSpan placed{start,
                          LastCell(start, layout.step, static_cast<std::int32_t>(text.size()))};
    if (text.empty()) {
        return placed;
    }
    const Line line = LineOf(placed.start, placed.end, layout.step);
    const std::span<char, Grid::kCellCount> cells = grid.bytes();
    for (std::size_t k = 0, at = line.first; k < text.size(); ++k, at += line.stride) {
        if (cells[at] == 0) {
            cells[at] = text[k];
            letters.Fill(at, word.letters[k]);
        }
    }
    return placed;
}

// One attempt, reading the cells: the direction, then (only when the word can lie that way)
// column and row. True, with the word written, when it fits there.
bool TryPlace(std::uint32_t& seed, Grid& grid, LetterCells& letters, const Word& word,
              WordSpan& span) {
    const AttemptStates states(seed);
    const Layout& layout = word.layouts[kDirectionOfDraw[DirectionDraw(states.direction)]];
    if (!layout.possible) {
        seed = states.direction;
        return false;
    }
    seed = states.row;
    const Cell start{Below(states.column, layout.columns),
                     Below(states.row, layout.rows) + layout.rowOffset};
    if (!CellsFit(grid.bytes(), *word.text, {CellIndex(start), StrideOf(layout.step)})) {
        return false;
    }
    span = Write(grid, letters, word, layout, start);
    return true;
}

// Moves the generator past `count` attempts that are known to fail.
void SkipFailingAttempts(std::uint32_t& seed, const Word& word, int count) {
    if (word.possibleDraws == kEveryDraw || word.possibleDraws == 0) {
        const std::uint64_t draws = word.possibleDraws == 0 ? 1 : 3;
        seed = SkipDraws(seed, draws * static_cast<std::uint64_t>(count));
    } else {
        seed = AfterFailingAttempts(seed, word.possibleBelow, count);
    }
}

// Places one word in at most `left` attempts: a few reading the cells, then, with its fitting
// starts listed, drawing until one lands on them. Returns the attempts drawn, 0 when none placed
// the word (the generator then past all `left`).
int PlaceWord(std::uint32_t& seed, Grid& grid, LetterCells& letters, FitTable& table,
              const Word& word, int left, WordSpan& span) {
    for (int drawn = 1; drawn <= left; ++drawn) {
        if (drawn > kFailuresBeforeListing) {
            if (!table.List(letters, word)) {
                SkipFailingAttempts(seed, word, left - drawn + 1);
                return 0;
            }
            Cell start;
            std::size_t direction = 0;
            const int more =
                word.possibleDraws == kEveryDraw
                    ? table.DrawUntilFit<true>(seed, word, left - drawn + 1, start, direction)
                    : table.DrawUntilFit<false>(seed, word, left - drawn + 1, start, direction);
            if (more == 0) {
                return 0;
            }
            span = Write(grid, letters, word, word.layouts[direction], start);
            return drawn - 1 + more;
        }
        if (TryPlace(seed, grid, letters, word, span)) {
            return drawn;
        }
    }
    return 0;
}

// One pass of at most 5001 attempts; true when the last word was placed by attempt 5000. A word
// with no fitting start left fails every remaining attempt of the pass, whose draws are skipped.
bool RunPass(std::uint32_t& seed, Grid& grid, LetterCells& letters, FitTable& table,
             const std::vector<Word>& words, std::vector<WordSpan>& spans) {
    int attempts = 0; // drawn in this pass so far
    for (std::size_t index = 0; index < words.size(); ++index) {
        const int drawn = PlaceWord(seed, grid, letters, table, words[index],
                                    kAttemptsPerPass + 1 - attempts, spans[index]);
        if (drawn == 0) {
            return false;
        }
        attempts += drawn;
    }
    return attempts <= kAttemptsPerPass; // checked before completion: 5001 starts over
}

Word MakeWord(const std::string& text, const Alphabet& alphabet) {
    if (text.size() > kGridColumns) {
        throw std::logic_error("a word longer than the grid is wide");
    }
    Word word{&text, {}, LayoutsFor(static_cast<std::int32_t>(text.size())), {}, 0, 0};
    for (char letter : text) {
        word.letters.push_back(alphabet.IndexOf(letter));
    }
    for (std::size_t direction = 0; direction < kDirectionCount; ++direction) {
        word.starts[direction] = StartCells(word.layouts[direction]);
    }
    for (std::size_t draw = 0; draw < kDirectionOfDraw.size(); ++draw) {
        word.possibleDraws |= word.layouts[kDirectionOfDraw[draw]].possible ? 1u << draw : 0u;
    }
    if ((word.possibleDraws & (word.possibleDraws + 1)) != 0) {
        throw std::logic_error("a possible direction after an impossible one");
    }
    // Each draw takes a sixteenth of the states.
    word.possibleBelow =
        std::uint64_t{static_cast<std::uint32_t>(std::popcount(word.possibleDraws))} << 28;
    return word;
}

} // namespace

int RunPlacementLoop(std::uint32_t& seed, Grid& grid, const std::vector<std::string>& texts,
                     std::vector<WordSpan>& spans, int passLimit) {
    const Alphabet alphabet(texts);
    std::vector<Word> words;
    words.reserve(texts.size());
    for (const std::string& text : texts) {
        words.push_back(MakeWord(text, alphabet));
    }
    if (words.empty()) {
        return 1;
    }
    LetterCells letters(alphabet.size());
    FitTable table;
    for (int pass = 1; pass <= passLimit; ++pass) {
        if (RunPass(seed, grid, letters, table, words, spans)) {
            return pass;
        }
        grid.clear();
        letters.Clear();
    }
    return 0;
}

} // namespace lexiglade
