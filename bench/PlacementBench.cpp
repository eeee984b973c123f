// Time to a playable grid for the word sets the placement loop gives up on most often, with the
// share of sets the wizard refuses and the generations that fail (there must be none); and how
// many passes the loop needs for those sets and for the shipped puzzles (LoopPasses).
//
// By default 500 generations of 50 sets per family, a minute or two:
//   lexiglade_bench --benchmark_filter=PlayableGrid
// The full figures, 10,000 generations of 200 sets per family, take about half an hour:
//   LEXIGLADE_BENCH_FULL=1 lexiglade_bench --benchmark_filter=PlayableGrid
#include "LibraryFixture.h"
#include "engine/GridGenerator.h"
#include "engine/Layouts.h"
#include "engine/PlacementLoop.h"
#include "engine/Random.h"
#include "library/PuzzleFile.h"

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <time.h>
#include <vector>

namespace lexiglade::bench {
namespace {

using Seconds = std::chrono::duration<double>;

// Five words of 16 to 21 letters (they lie only across) among twenty short ones, in any order.
TextList LongAmongShort(TextMaker& maker, std::mt19937& order, int maxShort) {
    TextList words = MakeWords(maker, 5, 16, 21);
    const TextList short_ = MakeWords(maker, 20, 4, maxShort);
    words.insert(words.end(), short_.begin(), short_.end());
    std::shuffle(words.begin(), words.end(), order);
    return words;
}

enum class Family { LongAmongShort4To8, LongAmongShort4To12, TwentyFive10To15 };

TextList MakeSet(Family family, TextMaker& maker, std::mt19937& order) {
    switch (family) {
    case Family::LongAmongShort4To8:
        return LongAmongShort(maker, order, 8);
    case Family::LongAmongShort4To12:
        return LongAmongShort(maker, order, 12);
    case Family::TwentyFive10To15:
        return MakeWords(maker, 25, 10, 15);
    }
    return {};
}

// The processor time of this thread, which other programs on a busy machine do not stretch.
double ThreadCpuMillis() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

double Percentile(std::vector<double> values, double p) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

// The sets of a family that the wizard's check accepts, and how long the check took.
struct Sample {
    std::vector<TextList> accepted;
    std::size_t refused = 0;
    std::vector<double> checkMillis, checkCpuMillis;
};

Sample Draw(Family family, std::int64_t count) {
    TextMaker maker(static_cast<std::uint32_t>(family) + 31);
    std::mt19937 order(7);
    Sample sample;
    for (std::int64_t i = 0; i < count; ++i) {
        TextList words = MakeSet(family, maker, order);
        const double cpuStart = ThreadCpuMillis();
        const auto start = std::chrono::steady_clock::now();
        const bool placeable = AlwaysPlaceable(words);
        sample.checkMillis.push_back(Seconds(std::chrono::steady_clock::now() - start).count() *
                                     1e3);
        sample.checkCpuMillis.push_back(ThreadCpuMillis() - cpuStart);
        if (placeable) {
            sample.accepted.push_back(std::move(words));
        } else {
            ++sample.refused;
        }
    }
    return sample;
}

// One iteration is one puzzle opened: the accepted sets in turn, from ever other seeds, with
// backward words allowed every other time. A GridError counts as a failure.
void BM_PlayableGrid(benchmark::State& state, Family family) {
    const Sample sample = Draw(family, state.range(0));
    if (sample.accepted.empty()) {
        state.SkipWithError("the check accepted no set");
        return;
    }
    GridState grid;
    std::vector<double> millis, cpuMillis;
    std::int64_t failures = 0;
    std::uint32_t generation = 0;
    for (auto _ : state) {
        const TextList& words = sample.accepted[generation % sample.accepted.size()];
        SetRandomSeed(generation * 2654435761u + 12345u);
        const double cpuStart = ThreadCpuMillis();
        const auto start = std::chrono::steady_clock::now();
        try {
            grid = GenerateGrid(words, generation % 2 == 1);
        } catch (const GridError&) {
            ++failures;
        }
        const Seconds took = std::chrono::steady_clock::now() - start;
        cpuMillis.push_back(ThreadCpuMillis() - cpuStart);
        benchmark::DoNotOptimize(grid.LetterGrid);
        state.SetIterationTime(took.count());
        millis.push_back(took.count() * 1e3);
        ++generation;
    }
    const double sets = static_cast<double>(sample.accepted.size() + sample.refused);
    state.counters["sets"] = sets;
    state.counters["no_placement_share"] = static_cast<double>(sample.refused) / sets;
    state.counters["failures"] = static_cast<double>(failures);
    state.counters["p50_ms"] = Percentile(millis, 0.5);
    state.counters["p99_ms"] = Percentile(millis, 0.99);
    state.counters["max_ms"] = Percentile(millis, 1.0);
    state.counters["cpu_p50_ms"] = Percentile(cpuMillis, 0.5);
    state.counters["cpu_p99_ms"] = Percentile(cpuMillis, 0.99);
    state.counters["check_p50_ms"] = Percentile(sample.checkMillis, 0.5);
    state.counters["check_p99_ms"] = Percentile(sample.checkMillis, 0.99);
    state.counters["check_cpu_p99_ms"] = Percentile(sample.checkCpuMillis, 0.99);
}

// The placement loop as plainly written, as the game ran it before: every attempt draws and
// reads its cells, every pass runs its 5001 attempts. False once the restarts are spent.
bool PlainLoop(std::uint32_t& seed, const std::vector<std::string>& texts) {
    std::vector<Layouts> layouts;
    for (const std::string& text : texts) {
        layouts.push_back(LayoutsFor(static_cast<std::int32_t>(text.size())));
    }
    for (int pass = 1; pass <= PlacementPassLimit; ++pass) {
        Grid grid;
        const std::span<char, Grid::CellCount> cells = grid.bytes();
        std::size_t index = 0;
        for (int attempt = 1; attempt <= 5001; ++attempt) {
            const std::string& text = texts[index];
            const std::int32_t draw = NextBelow(seed, DirectionDraws);
            const Layout& layout = layouts[index][DirectionOfDraw[static_cast<std::size_t>(draw)]];
            if (!layout.possible) {
                continue;
            }
            const std::int32_t column = NextBelow(seed, layout.columns);
            const Cell start{column, NextBelow(seed, layout.rows) + layout.rowOffset};
            const std::size_t first = CellIndex(start), stride = StrideOf(layout.step);
            bool fits = true;
            for (std::size_t k = 0, at = first; fits && k < text.size(); ++k, at += stride) {
                fits = cells[at] == 0 || cells[at] == text[k];
            }
            if (!fits) {
                continue;
            }
            for (std::size_t k = 0, at = first; k < text.size(); ++k, at += stride) {
                cells[at] = text[k];
            }
            if (++index == texts.size()) {
                if (attempt <= 5000) {
                    return true;
                }
                break;
            }
        }
    }
    return false;
}

// Sets of twenty-five words of 10 to 15 letters on which the loop gives up from seed 1.
const std::vector<std::vector<std::string>>& GivingUpSets() {
    static const std::vector<std::vector<std::string>> sets = [] {
        TextMaker maker(77);
        std::vector<std::vector<std::string>> found;
        while (found.size() < 4) {
            std::vector<std::string> texts;
            for (std::string word : MakeWords(maker, 25, 10, 15)) {
                for (char& letter : word) {
                    letter =
                        (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 32) : letter;
                }
                texts.push_back(word);
            }
            Grid grid;
            std::vector<WordSpan> spans(texts.size());
            std::uint32_t seed = 1;
            if (!RunPlacementLoop(seed, grid, texts, spans)) {
                found.push_back(texts);
            }
        }
        return found;
    }();
    return sets;
}

// How long the loop takes to give up, as the game runs it and as plainly written; both must end
// with the same generator state.
void BM_LoopGivingUp(benchmark::State& state, bool plain) {
    const auto& sets = GivingUpSets();
    std::size_t next = 0;
    for (auto _ : state) {
        const auto& texts = sets[next++ % sets.size()];
        std::uint32_t seed = 1;
        Grid grid;
        std::vector<WordSpan> spans(texts.size());
        const bool placed =
            plain ? PlainLoop(seed, texts) : RunPlacementLoop(seed, grid, texts, spans);
        std::uint32_t other = 1;
        state.PauseTiming();
        const bool otherPlaced =
            plain ? RunPlacementLoop(other, grid, texts, spans) : PlainLoop(other, texts);
        state.ResumeTiming();
        if (placed || otherPlaced || seed != other) {
            state.SkipWithError("the two loops disagree");
            break;
        }
    }
}
BENCHMARK_CAPTURE(BM_LoopGivingUp, Game, false)->Unit(benchmark::kMillisecond)->Iterations(8);
BENCHMARK_CAPTURE(BM_LoopGivingUp, PlainlyWritten, true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(8);

// The texts as GenerateGrid prepares them from `seed`: upper-cased, and back to front where the
// reversal draw says so when backward words are allowed. The seed is left where the loop starts.
std::vector<std::string> Prepared(const TextList& words, bool backwardWords, std::uint32_t& seed) {
    std::vector<std::string> texts;
    for (std::string word : words) {
        for (char& letter : word) {
            letter = (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 32) : letter;
        }
        if (backwardWords && NextBelow(seed, 3) == 2) {
            std::reverse(word.begin(), word.end());
        }
        texts.push_back(word);
    }
    return texts;
}

// The word sets of the shipped puzzles.
std::vector<TextList> ShippedSets() {
    std::vector<TextList> sets;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(LEXIGLADE_PUZZLE_SOURCES)) {
        if (entry.is_regular_file() && entry.path().extension() == ".txt") {
            sets.push_back(ReadPuzzleFile(entry.path().string()).words);
        }
    }
    return sets;
}

// The passes the loop needs for one source of word sets, each set with and without backward words
// from many seeds: the share of generations that it places only after pass K (their grids would
// change if the loop gave up after K passes), and the share that it does not place within the
// passes it runs. One iteration is the whole count.
void BM_LoopPasses(benchmark::State& state, std::optional<Family> family) {
    const bool full = std::getenv("LEXIGLADE_BENCH_FULL") != nullptr;
    const std::vector<TextList> sets =
        family ? Draw(*family, full ? 200 : 50).accepted : ShippedSets();
    const int seeds = (family ? 10 : 100) * (full ? 10 : 1);
    constexpr std::array<int, 7> Caps = {10, 100, 500, 1000, 2000, 3000, 4000};
    std::array<double, Caps.size()> after{};
    double runs = 0, unplaced = 0, longest = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < sets.size(); ++i) {
            for (int s = 0; s < 2 * seeds; ++s) {
                std::uint32_t seed = static_cast<std::uint32_t>(i * 7919 + s) * 2654435761u + 1u;
                const std::vector<std::string> texts = Prepared(sets[i], s % 2 == 1, seed);
                Grid grid;
                std::vector<WordSpan> spans(texts.size());
                const int pass = RunPlacementLoop(seed, grid, texts, spans);
                runs += 1;
                unplaced += pass == 0 ? 1 : 0;
                longest = std::max(longest, static_cast<double>(pass));
                for (std::size_t k = 0; k < Caps.size(); ++k) {
                    after[k] += pass > Caps[k] ? 1 : 0;
                }
            }
        }
    }
    state.counters["generations"] = runs;
    state.counters["unplaced_share"] = unplaced / runs;
    state.counters["longest_placed_pass"] = longest;
    for (std::size_t k = 0; k < Caps.size(); ++k) {
        state.counters["after_" + std::to_string(Caps[k])] = after[k] / runs;
    }
}
BENCHMARK_CAPTURE(BM_LoopPasses, Shipped, std::nullopt)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_LoopPasses, FiveLongAmongTwenty4To8, Family::LongAmongShort4To8)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_LoopPasses, FiveLongAmongTwenty4To12, Family::LongAmongShort4To12)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_LoopPasses, TwentyFive10To15, Family::TwentyFive10To15)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

bool RegisterFamily(const std::string& name, Family family) {
    const bool full = std::getenv("LEXIGLADE_BENCH_FULL") != nullptr;
    const int sets = full ? 200 : 50;
    const int generations = full ? 10000 : 500;
    const std::string title =
        "PlayableGrid/" + name + "/generations:" + std::to_string(generations);
    benchmark::RegisterBenchmark(title.c_str(), BM_PlayableGrid, family)
        ->ArgName("sets")
        ->Arg(sets)
        ->Iterations(generations)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    return true;
}

const bool registered = RegisterFamily("FiveLongAmongTwenty4To8", Family::LongAmongShort4To8) &&
                        RegisterFamily("FiveLongAmongTwenty4To12", Family::LongAmongShort4To12) &&
                        RegisterFamily("TwentyFive10To15", Family::TwentyFive10To15);

} // namespace
} // namespace lexiglade::bench
