// Loading from a library of 100,000 puzzles, and loading a folder tree of 100,000 items.
#include "LibraryFixture.h"
#include "library/LibraryFiles.h"
#include "library/Puzzle.h"
#include "library/TreeFile.h"

#include <benchmark/benchmark.h>

namespace lexiglade::bench {
namespace {

struct LargeLibrary {
    ScratchDir dir;
    GeneratedLibrary files = WriteLibrary(dir.prefix(), LibraryShape{});
    TreeModel tree;
    LargeLibrary() { LoadTreeFile(files.dataDir + LibraryFiles::kFolderTree, tree); }
};

// Written once, on first use, and removed when the program ends.
const LargeLibrary& Library() {
    static const LargeLibrary kLibrary;
    return kLibrary;
}

void BM_LoadPuzzle_LastOf100000(benchmark::State& state) {
    const LargeLibrary& library = Library();
    LoadedPuzzle puzzle;
    for (auto _ : state) {
        if (!LoadPuzzle(library.tree, library.files.lastPuzzleItem, library.files.dataDir,
                        puzzle)) {
            state.SkipWithError("the last item is not a puzzle");
        }
        benchmark::DoNotOptimize(puzzle);
    }
    state.counters["words"] = static_cast<double>(puzzle.words.size());
    state.counters["bankPairs"] = static_cast<double>(library.files.bankPairs);
    state.counters["treeItems"] = static_cast<double>(library.files.treeItems);
}
BENCHMARK(BM_LoadPuzzle_LastOf100000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void BM_LoadTreeFile_100000Items(benchmark::State& state) {
    static const ScratchDir kDir;
    static const std::string kPath = [] {
        const std::string file = kDir.prefix() + LibraryFiles::kFolderTree;
        WriteTreeFile(file, 100000, 49);
        return file;
    }();
    TreeModel tree;
    for (auto _ : state) {
        LoadTreeFile(kPath, tree);
        benchmark::DoNotOptimize(tree);
    }
    state.counters["items"] = static_cast<double>(tree.size());
}
BENCHMARK(BM_LoadTreeFile_100000Items)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace
} // namespace lexiglade::bench
