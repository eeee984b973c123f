// Grid generation for the word sets a puzzle can have.
#include "LibraryFixture.h"
#include "engine/GridGenerator.h"
#include "engine/Random.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <random>
#include <vector>

namespace lexiglade::bench {
namespace {

constexpr int SetCount = 64;

// Ordinary puzzles: 25 words of 4 to 12 letters.
std::vector<TextList> OrdinarySets() {
    TextMaker maker(11);
    std::vector<TextList> sets;
    for (int i = 0; i < SetCount; ++i) {
        sets.push_back(MakeWords(maker, 25, 4, 12));
    }
    return sets;
}

// Five words of 16 to 21 letters, which fit only across, and 20 ordinary ones after them, or
// mixed among them (long words that come late find the rows crossed by earlier words).
std::vector<TextList> LongWordSets(bool mixed) {
    TextMaker maker(12);
    std::mt19937 order(12);
    std::vector<TextList> sets;
    for (int i = 0; i < SetCount; ++i) {
        TextList words = MakeWords(maker, 5, 16, 21);
        const TextList ordinary = MakeWords(maker, 20, 4, 12);
        words.insert(words.end(), ordinary.begin(), ordinary.end());
        if (mixed) {
            std::shuffle(words.begin(), words.end(), order);
        }
        sets.push_back(words);
    }
    return sets;
}

// Times every call: most grids fit at the first pass, and a few need passes of 5000 attempts
// more, so the median and the upper percentiles say more than the mean.
void RunGeneration(benchmark::State& state, const std::vector<TextList>& sets) {
    GridState grid;
    SetRandomSeed(2024);
    std::size_t next = 0;
    std::vector<double> micros;
    int gaveUp = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        try {
            grid = GenerateGrid(sets[next], true);
        } catch (const GridError&) {
            ++gaveUp;
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        benchmark::DoNotOptimize(grid.LetterGrid);
        state.SetIterationTime(took.count());
        micros.push_back(took.count() * 1e6);
        next = (next + 1) % sets.size();
    }
    std::sort(micros.begin(), micros.end());
    const auto percentile = [&](double p) {
        return micros[static_cast<std::size_t>(p * static_cast<double>(micros.size() - 1))];
    };
    state.counters["median_us"] = percentile(0.5);
    state.counters["p90_us"] = percentile(0.9);
    state.counters["p99_us"] = percentile(0.99);
    state.counters["gave_up"] = gaveUp;
}

void BM_GenerateGrid_25Words4To12(benchmark::State& state) {
    static const std::vector<TextList> sets = OrdinarySets();
    RunGeneration(state, sets);
}
BENCHMARK(BM_GenerateGrid_25Words4To12)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void BM_GenerateGrid_FiveWords16To21(benchmark::State& state) {
    static const std::vector<TextList> sets = LongWordSets(false);
    RunGeneration(state, sets);
}
BENCHMARK(BM_GenerateGrid_FiveWords16To21)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void BM_GenerateGrid_FiveWords16To21Mixed(benchmark::State& state) {
    static const std::vector<TextList> sets = LongWordSets(true);
    RunGeneration(state, sets);
}
BENCHMARK(BM_GenerateGrid_FiveWords16To21Mixed)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(640)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// Sixteen words that only lie across, in fifteen rows: generation has to give up.
void BM_GenerateGrid_GiveUp16Words21(benchmark::State& state) {
    TextMaker maker(13);
    const TextList words = MakeWords(maker, 16, 21, 21);
    GridState grid;
    SetRandomSeed(2024);
    for (auto _ : state) {
        try {
            grid = GenerateGrid(words, true);
            state.SkipWithError("the words were placed");
        } catch (const GridError&) {
            benchmark::ClobberMemory();
        }
    }
}
BENCHMARK(BM_GenerateGrid_GiveUp16Words21)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
} // namespace lexiglade::bench
