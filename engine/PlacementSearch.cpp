#include "engine/PlacementSearch.h"

#include "engine/PlaceTable.h"
#include "engine/Random.h"

#include <algorithm>
#include <array>

namespace lexiglade {

namespace {

// Tries of the first run; the later runs get 1, 1, 2, 1, 1, 2, 4, 1, ... times as many.
constexpr long kTriesPerRunUnit = 30;
// The later runs weigh each place's closes by a drawn 100 to 129 percent.
constexpr std::int32_t kOrderNoisePercent = 30;

// Overlaps the words still to come may need among themselves, beyond the letters they can share
// with those on the grid, before a partial placement is given up for want of room.
constexpr long kOverlapAllowance = 4;
// Words that can lie along one another over this many letters or more (one the end of the other,
// or one inside the other) may save that many cells; shorter runs are as rare as crossings.
constexpr std::size_t kSharedRunAllowed = 3;

// The most letters `a` and `b` can share lying on one line the same way.
std::size_t LongestSharedRun(const std::string& a, const std::string& b) {
    std::size_t longest = 0;
    for (std::size_t shift = 0; shift < a.size() + b.size(); ++shift) {
        // b starts `shift` letters before the end of a
        const std::size_t aFrom = shift < a.size() ? a.size() - 1 - shift : 0;
        const std::size_t bFrom = shift < a.size() ? 0 : shift - a.size() + 1;
        const std::size_t length = std::min(a.size() - aFrom, b.size() - bFrom);
        if (a.compare(aFrom, length, b, bFrom, length) == 0) {
            longest = std::max(longest, length);
        }
    }
    return longest;
}

// Cells the texts may save by lying along one another: for each text its longest shared run with
// another, when that is long enough to count.
long SharableCells(const std::vector<std::string>& texts) {
    long cells = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::size_t longest = 0;
        for (std::size_t j = 0; j < texts.size(); ++j) {
            longest = j == i ? longest : std::max(longest, LongestSharedRun(texts[i], texts[j]));
        }
        cells += longest >= kSharedRunAllowed ? static_cast<long>(longest) : 0;
    }
    return cells;
}

// Depth first, the word with the fewest open places next, and of its open places first those that
// close the fewest places of the words still to come. Runs again and again from an empty grid
// with a growing number of tries, the later runs with drawn noise on that order.
class Search {
  public:
    Search(const std::vector<std::string>& texts, long budget, Pruning pruning,
           const std::atomic<bool>* stop)
        : table_(texts), budget_(budget), stop_(stop), closed_(table_.PlaceCount(), 0),
          chosen_(table_.WordCount(), kUnplaced), open_(table_.WordCount()),
          demandFor_(Grid::kCellCount * table_.AlphabetSize(), 0) {
        for (std::size_t word = 0; word < table_.WordCount(); ++word) {
            open_[word] =
                static_cast<std::int32_t>(table_.FirstPlace(word + 1) - table_.FirstPlace(word));
        }
        for (std::uint32_t place = 0; place < table_.PlaceCount(); ++place) {
            CountDemand(place, 1);
        }
        for (const std::string& text : texts) {
            needed_ += static_cast<long>(text.size());
        }
        // Words with more letters than the grid has cells must share some; so many are allowed.
        const long beyondTheGrid = std::max(0L, needed_ - static_cast<long>(Grid::kCellCount));
        allowance_ = pruning == Pruning::ByRoom
                         ? kOverlapAllowance + beyondTheGrid + SharableCells(texts)
                         : -1;
    }

    bool Run(std::uint32_t& seed) {
        for (long run = 1; tries_ < budget_; ++run) {
            runLimit_ = std::min(budget_, tries_ + kTriesPerRunUnit * Luby(run));
            hitLimit_ = false;
            noisy_ = run > 1;
            if (Descend(0, seed)) {
                return true;
            }
            if (!hitLimit_) {
                return false; // every order was tried: there is no placement
            }
        }
        return false;
    }

    std::vector<WordSpan> Spans() const {
        std::vector<WordSpan> spans;
        for (std::uint32_t place : chosen_) {
            spans.push_back(table_.SpanOf(place));
        }
        return spans;
    }

    void Write(Grid& grid) const { std::ranges::copy(letters_, grid.bytes().begin()); }

  private:
    static constexpr std::uint32_t kUnplaced = UINT32_MAX;

    // 1, 1, 2, 1, 1, 2, 4, 1, 1, 2, 1, 1, 2, 4, 8, ...
    static long Luby(long run) {
        long size = 1;
        while (size * 2 - 1 < run) {
            size *= 2;
        }
        return size * 2 - 1 == run ? size : Luby(run - size + 1);
    }

    // Demand of a cell: the open places of unplaced words that cover it, in all and by letter.
    void CountDemand(std::uint32_t place, std::int32_t change) {
        table_.ForEachCell(place, [&](std::size_t at, char letter) {
            demand_[at] += change;
            demandFor_[at * table_.AlphabetSize() + table_.LetterIndex(letter)] += change;
        });
    }

    void CountOpenPlaces(std::size_t word, std::int32_t change) {
        for (std::uint32_t p = table_.FirstPlace(word); p < table_.FirstPlace(word + 1); ++p) {
            if (closed_[p] == 0) {
                CountDemand(p, change);
            }
        }
    }

    // Only the places of unplaced words are kept closed and open as letters come and go; a word's
    // own are counted afresh when it is taken off the grid.
    void Close(std::uint32_t place) {
        if (closed_[place]++ == 0) {
            --open_[table_.At(place).word];
            CountDemand(place, -1);
        }
    }

    void Reopen(std::uint32_t place) {
        if (--closed_[place] == 0) {
            ++open_[table_.At(place).word];
            CountDemand(place, 1);
        }
    }

    // Closes (or reopens) the unplaced words' places that want another letter at the cell.
    template <typename Change> void ForOtherLetters(std::size_t at, char letter, Change change) {
        const std::uint32_t index = table_.LetterIndex(letter);
        for (std::size_t word = 0; word < table_.WordCount(); ++word) {
            if (chosen_[word] != kUnplaced) {
                continue;
            }
            for (const Want& want : table_.WantsAt(at, word)) {
                if (want.letter != index) {
                    change(want.place);
                }
            }
        }
    }

    void Put(std::uint32_t place) {
        const std::uint32_t word = table_.At(place).word;
        needed_ -= static_cast<long>(table_.Text(word).size());
        CountOpenPlaces(word, -1);
        chosen_[word] = place;
        table_.ForEachCell(place, [&](std::size_t at, char letter) {
            if (cover_[at]++ == 0) {
                letters_[at] = letter;
                ForOtherLetters(at, letter, [this](std::uint32_t p) { Close(p); });
            }
        });
    }

    void Take(std::uint32_t place) {
        const std::uint32_t word = table_.At(place).word;
        table_.ForEachCell(place, [&](std::size_t at, char letter) {
            if (--cover_[at] == 0) {
                ForOtherLetters(at, letter, [this](std::uint32_t p) { Reopen(p); });
                letters_[at] = 0;
            }
        });
        chosen_[word] = kUnplaced;
        needed_ += static_cast<long>(table_.Text(word).size());
        CountClosed(word);
        CountOpenPlaces(word, 1);
    }

    // The word's places closed by the letters on the grid, and how many stay open.
    void CountClosed(std::size_t word) {
        open_[word] = 0;
        for (std::uint32_t p = table_.FirstPlace(word); p < table_.FirstPlace(word + 1); ++p) {
            std::uint8_t closing = 0;
            table_.ForEachCell(p, [&](std::size_t at, char letter) {
                closing += static_cast<std::uint8_t>(letters_[at] != 0 && letters_[at] != letter);
            });
            closed_[p] = closing;
            open_[word] += closing == 0 ? 1 : 0;
        }
    }

    // The unplaced word with the fewest open places (the longer on a tie), or none when some
    // unplaced word has no open place left.
    std::optional<std::size_t> MostConstrained() const {
        std::optional<std::size_t> best;
        for (std::size_t word = 0; word < table_.WordCount(); ++word) {
            if (chosen_[word] != kUnplaced) {
                continue;
            }
            if (open_[word] == 0) {
                return std::nullopt;
            }
            if (!best || open_[word] < open_[*best] ||
                (open_[word] == open_[*best] &&
                 table_.Text(word).size() > table_.Text(*best).size())) {
                best = word;
            }
        }
        return best;
    }

    // How many open places of other unplaced words the place would close (a place crossing it
    // twice counts twice). The word's own places must be out of the demand.
    long Closes(std::uint32_t place) const {
        long closes = 0;
        table_.ForEachCell(place, [&](std::size_t at, char letter) {
            if (cover_[at] == 0) {
                closes += demand_[at] -
                          demandFor_[at * table_.AlphabetSize() + table_.LetterIndex(letter)];
            }
        });
        return closes;
    }

    // The word's open places, fewest closes first; ties and noise drawn from the generator.
    std::vector<std::uint32_t> Ordered(std::size_t word, std::uint32_t& seed) {
        std::vector<std::pair<long, std::uint32_t>> scored;
        CountOpenPlaces(word, -1);
        for (std::uint32_t p = table_.FirstPlace(word); p < table_.FirstPlace(word + 1); ++p) {
            if (closed_[p] == 0) {
                const long weight = 100 + (noisy_ ? NextBelow(seed, kOrderNoisePercent) : 0);
                scored.push_back({Closes(p) * weight, p});
            }
        }
        CountOpenPlaces(word, 1);
        for (std::size_t i = scored.size(); i > 1; --i) {
            const auto j = static_cast<std::size_t>(NextBelow(seed, static_cast<std::int32_t>(i)));
            std::swap(scored[i - 1], scored[j]);
        }
        std::ranges::stable_sort(scored, {}, &std::pair<long, std::uint32_t>::first);
        std::vector<std::uint32_t> ordered;
        for (const auto& [closes, p] : scored) {
            ordered.push_back(p);
        }
        return ordered;
    }

    // Whether the unplaced words' letters fit the empty cells some open place of theirs covers and
    // the letters on the grid such a place wants, with the allowance for overlaps. Always true
    // without pruning by room.
    bool RoomLeft() const {
        if (allowance_ < 0) {
            return true;
        }
        long room = 0;
        for (std::size_t at = 0; at < Grid::kCellCount; ++at) {
            const std::int32_t wanting =
                cover_[at] == 0
                    ? demand_[at]
                    : demandFor_[at * table_.AlphabetSize() + table_.LetterIndex(letters_[at])];
            room += wanting > 0 ? 1 : 0;
        }
        return needed_ <= room + allowance_;
    }

    bool Descend(std::size_t placed, std::uint32_t& seed) {
        if (placed == table_.WordCount()) {
            return true;
        }
        const std::optional<std::size_t> word = MostConstrained();
        if (!word || !RoomLeft()) {
            return false;
        }
        for (std::uint32_t place : Ordered(*word, seed)) {
            if (tries_ == runLimit_ || (stop_ != nullptr && stop_->load())) {
                hitLimit_ = tries_ == runLimit_;
                return false;
            }
            ++tries_;
            Put(place);
            if (Descend(placed + 1, seed)) {
                return true;
            }
            Take(place);
        }
        return false;
    }

    PlaceTable table_;
    long budget_;
    const std::atomic<bool>* stop_;
    long needed_ = 0;    // letters of the unplaced words
    long allowance_ = 0; // overlaps allowed them among themselves; negative: no pruning by room
    long tries_ = 0;
    long runLimit_ = 0;
    bool hitLimit_ = false;
    bool noisy_ = false;
    std::vector<std::uint8_t> closed_;  // per place of an unplaced word: cells with another letter
    std::vector<std::uint32_t> chosen_; // per word: its place, or Unplaced
    std::vector<std::int32_t> open_;    // per unplaced word: places not closed
    std::array<std::int32_t, Grid::kCellCount> demand_{};
    std::vector<std::int32_t> demandFor_; // by cell, then letter
    std::array<char, Grid::kCellCount> letters_{};
    std::array<std::int32_t, Grid::kCellCount> cover_{}; // placed words on each cell
};

// Whether two words that can only lie across fit one row together: side by side, or overlapping
// where their letters agree.
bool CanShareRow(const std::string& a, const std::string& b) {
    const auto sizeA = static_cast<std::int32_t>(a.size());
    const auto sizeB = static_cast<std::int32_t>(b.size());
    for (std::int32_t startA = 0; startA < StartsIn(kGridColumns - sizeA); ++startA) {
        for (std::int32_t startB = 0; startB < StartsIn(kGridColumns - sizeB); ++startB) {
            bool agree = true;
            for (std::int32_t column = std::max(startA, startB);
                 agree && column < std::min(startA + sizeA, startB + sizeB); ++column) {
                agree = a[static_cast<std::size_t>(column - startA)] ==
                        b[static_cast<std::size_t>(column - startB)];
            }
            if (agree) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

std::optional<std::vector<WordSpan>> SearchPlacement(std::uint32_t& seed, Grid& grid,
                                                     const std::vector<std::string>& texts,
                                                     long budget, Pruning pruning,
                                                     const std::atomic<bool>* stop) {
    if (NeedsMoreRowsThanTheGrid(texts)) {
        grid.clear();
        return std::nullopt;
    }
    Search search(texts, budget, pruning, stop);
    if (!search.Run(seed)) {
        grid.clear();
        return std::nullopt;
    }
    search.Write(grid);
    return search.Spans();
}

bool NeedsMoreRowsThanTheGrid(const std::vector<std::string>& texts) {
    std::vector<const std::string*> apart;
    for (const std::string& text : texts) {
        const Layouts layouts = LayoutsFor(static_cast<std::int32_t>(text.size()));
        const bool acrossOnly = layouts[0].possible && !layouts[1].possible &&
                                !layouts[2].possible && !layouts[3].possible;
        if (acrossOnly && std::ranges::none_of(apart, [&](const std::string* other) {
                return CanShareRow(*other, text);
            })) {
            apart.push_back(&text);
        }
    }
    return apart.size() > static_cast<std::size_t>(kGridRows);
}

} // namespace lexiglade
