// Screen benchmarks: start-up to the catalogue's first paint, repaints, and the puzzle screen's
// first paint, drag moves and found words. Run headless with QT_QPA_PLATFORM=offscreen.
#include "LibraryFixture.h"
#include "ScreenFixture.h"
#include "TsearcherProbe.h"

#include "engine/Random.h"
#include "engine/Selection.h"
#include "library/LibraryFiles.h"
#include "platform/Application.h"
#include "ui/Catalogue.h"
#include "ui/Drawkit.h"
#include "ui/Wordsrch.h"

#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace lexiglade::bench {
namespace {

const QSize kSize(1280, 800);

std::unique_ptr<CatalogueScreen> OpenCatalogue(const std::string& dataDir) {
    return bench::OpenCatalogue(dataDir, kSize);
}

// A copy of the shipped data with a generated library of `puzzles` puzzles in place of its own.
class BigLibrary {
  public:
    explicit BigLibrary(std::size_t puzzles) {
        for (const char* art : {LibraryFiles::kEndGamePicture, LibraryFiles::kFinderPicture,
                                LibraryFiles::kBoardPicture, LibraryFiles::kCataloguePicture,
                                LibraryFiles::kPrintingPicture, LibraryFiles::kHintCanvas}) {
            std::filesystem::copy_file(std::string(LEXIGLADE_DATA_DIR) + art, dir_.prefix() + art);
        }
        LibraryShape shape;
        shape.puzzles = puzzles;
        WriteLibrary(dir_.prefix(), shape);
    }
    std::string Path() const { return dir_.prefix(); }

  private:
    ScratchDir dir_;
};

void BM_StartupToFirstPaint(benchmark::State& state, const std::string& dataDir) {
    for (auto _ : state) {
        auto form = OpenCatalogue(dataDir);
        state.PauseTiming();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_StartupStarterLibrary(benchmark::State& state) {
    BM_StartupToFirstPaint(state, LEXIGLADE_DATA_DIR);
}
BENCHMARK(BM_StartupStarterLibrary)->Unit(benchmark::kMillisecond);

void BM_Startup100000PuzzleTree(benchmark::State& state) {
    static const BigLibrary kLibrary(100000);
    BM_StartupToFirstPaint(state, kLibrary.Path());
}
BENCHMARK(BM_Startup100000PuzzleTree)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_CatalogueRepaint(benchmark::State& state) {
    auto screen = OpenCatalogue(LEXIGLADE_DATA_DIR);
    for (auto _ : state) {
        screen->form.InvalidateForm();
        screen->form.repaint();
    }
}
BENCHMARK(BM_CatalogueRepaint)->Unit(benchmark::kMillisecond);

struct GameSetup : bench::GameSetup {
    GameSetup() : bench::GameSetup(LEXIGLADE_DATA_DIR, kSize) {}
};

void BM_PuzzleFirstPaint(benchmark::State& state) {
    GameSetup setup;
    for (auto _ : state) {
        auto form = setup.Open();
        state.PauseTiming();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PuzzleFirstPaint)->Unit(benchmark::kMillisecond);

void BM_PuzzleRepaint(benchmark::State& state) {
    GameSetup setup;
    auto form = setup.Open();
    for (auto _ : state) {
        form->InvalidateForm();
        form->repaint();
    }
}
BENCHMARK(BM_PuzzleRepaint)->Unit(benchmark::kMillisecond);

Point CellCentre(const Tsearcher& form, Cell cell) {
    return {ColumnCentreX({Probe(form).BoardLeft(), Probe(form).BoardTop()}, cell.column),
            RowCentreY({Probe(form).BoardLeft(), Probe(form).BoardTop()}, cell.row)};
}

void BM_DragMove(benchmark::State& state) {
    GameSetup setup;
    auto form = setup.Open();
    const Point anchor = CellCentre(*form, {5, 5});
    DragBackAndForth(*form, anchor, state);
}
BENCHMARK(BM_DragMove)->Unit(benchmark::kMicrosecond);

void BM_FoundWord(benchmark::State& state) {
    const GameSetup setup;
    WordFinder finder(setup);
    for (auto _ : state) {
        finder.FindNext(state);
    }
}
BENCHMARK(BM_FoundWord)->Unit(benchmark::kMillisecond);

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
    }
    return 0;
}

void BM_RunningGameMemory(benchmark::State& state) {
    GameSetup setup;
    auto form = setup.Open();
    for (auto _ : state) {
        form->Timer1Timer();
    }
    state.counters["resident_MB"] = static_cast<double>(ResidentKilobytes()) / 1024.0;
}
BENCHMARK(BM_RunningGameMemory)->Iterations(10);

} // namespace
} // namespace lexiglade::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    lexiglade::Application app(argc, argv);
    lexiglade::SetRandomSeed(12345);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
