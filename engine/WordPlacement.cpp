#include "engine/WordPlacement.h"

#include "engine/PlacementLoop.h"
#include "engine/PlacementSearch.h"
#include "engine/Random.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <future>
#include <optional>

namespace lexiglade {

namespace {

// The last search draws from this seed, so that its outcome depends on the words alone.
constexpr std::uint32_t kCheckSeed = 20240611u;

// Holds the process-wide generator's state in a local while placing, and hands it back.
class SeedLease {
  public:
    SeedLease() : seed(RandomSeed()) {}
    ~SeedLease() { SetRandomSeed(seed); }
    SeedLease(const SeedLease&) = delete;
    SeedLease& operator=(const SeedLease&) = delete;
    std::uint32_t seed;
};

bool FitsTheGrid(const std::vector<std::string>& texts) {
    return std::ranges::all_of(texts,
                               [](const std::string& text) { return text.size() <= kGridColumns; });
}

std::vector<std::string> Forwards(const std::vector<PreparedWord>& words) {
    std::vector<std::string> texts;
    for (const PreparedWord& word : words) {
        texts.push_back(word.reversed ? std::string(word.text.rbegin(), word.text.rend())
                                      : word.text);
    }
    return texts;
}

// The search of CanPlaceWords, or the one earlier versions checked the words with.
std::optional<std::vector<WordSpan>> SearchForwards(Grid& grid,
                                                    const std::vector<std::string>& texts,
                                                    Pruning pruning = Pruning::ByRoom) {
    std::uint32_t seed = kCheckSeed;
    return SearchPlacement(seed, grid, texts,
                           pruning == Pruning::ByRoom ? kSearchBudget : kEarlierSearchBudget,
                           pruning);
}

// The search of CanPlaceWords run beside the placement loop, on a thread of its own, once the loop
// has shown the words to be hard to place: its placement is then at hand if the loop gives up and
// the drawn search fails. It draws from a seed of its own, so what it finds does not depend on when
// it runs. Stopped, and waited for, when no longer wanted.
class SearchAhead {
  public:
    explicit SearchAhead(std::vector<std::string> texts)
        : texts_(std::move(texts)), found_(std::async(std::launch::async, [this] {
              return SearchPlacement(seed_, grid_, texts_, kSearchBudget, Pruning::ByRoom, &stop_);
          })) {}
    ~SearchAhead() {
        stop_ = true;
        if (found_.valid()) {
            found_.wait();
        }
    }
    SearchAhead(const SearchAhead&) = delete;
    SearchAhead& operator=(const SearchAhead&) = delete;

    // What the search found, written into `grid`.
    std::optional<std::vector<WordSpan>> Result(Grid& grid) {
        std::optional<std::vector<WordSpan>> found = found_.get();
        if (found) {
            grid = grid_;
        }
        return found;
    }

  private:
    std::vector<std::string> texts_;
    std::uint32_t seed_ = kCheckSeed;
    Grid grid_;
    std::atomic<bool> stop_{false};
    std::future<std::optional<std::vector<WordSpan>>> found_;
};

int Sign(std::int32_t value) {
    return (value > 0) - (value < 0);
}

// Visits the column-major index of each of the `length` cells from the span's start to its end.
template <typename Visit> void ForEachCell(const WordSpan& span, std::size_t length, Visit visit) {
    const Cell step{Sign(span.end.column - span.start.column), Sign(span.end.row - span.start.row)};
    for (std::size_t k = 0, at = CellIndex(span.start); k < length; ++k, at += StrideOf(step)) {
        visit(at);
    }
}

} // namespace

std::vector<WordSpan> PlaceWords(Grid& grid, std::vector<PreparedWord>& words) {
    std::vector<std::string> texts;
    for (const PreparedWord& word : words) {
        texts.push_back(word.text);
    }
    if (!FitsTheGrid(texts)) {
        throw GridError(); // fits no direction at all
    }
    std::vector<WordSpan> spans(texts.size());
    SeedLease random;
    if (RunPlacementLoop(random.seed, grid, texts, spans, kPassesBeforeSearchingAhead)) {
        return spans;
    }
    const std::vector<std::string> forwards = Forwards(words);
    SearchAhead ahead(forwards);
    if (RunPlacementLoop(random.seed, grid, texts, spans,
                         kPlacementPassLimit - kPassesBeforeSearchingAhead)) {
        return spans;
    }
    if (auto found = SearchPlacement(random.seed, grid, texts, kDrawnSearchBudget)) {
        return *found;
    }
    auto found = ahead.Result(grid);
    if (!found) {
        found = SearchForwards(grid, forwards, Pruning::ByOpenPlaces);
    }
    if (!found) {
        throw GridError();
    }
    KeepReversalsWhereFree(grid, words, *found);
    return *found;
}

void KeepReversalsWhereFree(Grid& grid, std::vector<PreparedWord>& words,
                            const std::vector<WordSpan>& spans) {
    std::array<int, Grid::kCellCount> covers{};
    for (std::size_t i = 0; i < words.size(); ++i) {
        ForEachCell(spans[i], words[i].text.size(), [&](std::size_t at) { ++covers[at]; });
    }
    for (std::size_t i = 0; i < words.size(); ++i) {
        PreparedWord& word = words[i];
        if (!word.reversed) {
            continue;
        }
        std::size_t k = 0;
        bool free = true;
        ForEachCell(spans[i], word.text.size(), [&](std::size_t at) {
            const char letter = word.text[k++];
            free &= covers[at] == 1 || grid.bytes()[at] == letter;
        });
        if (!free) {
            std::ranges::reverse(word.text);
            word.reversed = false;
            continue;
        }
        k = 0;
        ForEachCell(spans[i], word.text.size(),
                    [&](std::size_t at) { grid.bytes()[at] = word.text[k++]; });
    }
}

bool CanPlaceWords(const std::vector<std::string>& texts) {
    Grid grid;
    return FitsTheGrid(texts) && SearchForwards(grid, texts).has_value();
}

} // namespace lexiglade
