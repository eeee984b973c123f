// The screens of a 3840 x 2160 display at the game's scale there (4.25), headless: start-up to the
// catalogue's first paint and the puzzle screen's first paint, each drawn from the artwork set for
// that scale beside the same drawn from the library's own files enlarged, as before the sets were
// shipped; a found word; and a capsule drawn smooth beside one drawn as blocks of logical pixels.
#include "LibraryFixture.h"

#include "app/SharedState.h"
#include "engine/Random.h"
#include "platform/Application.h"
#include "platform/DisplayScale.h"
#include "ui/Catalogue.h"
#include "ui/Drawkit.h"
#include "ui/PuzzleDrawing.h"
#include "ui/Wordsrch.h"

#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace lexiglade::bench {
namespace {

constexpr double kScale = 4.25;
// The catalogue's client area on a 3840 x 2160 screen below a title bar, in logical pixels.
constexpr int kWidth = 903;
constexpr int kHeight = 492;

void Settle(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 10000) {
        QCoreApplication::processEvents();
    }
}

// The shipped files without the denser artwork sets: the game as it drew before them.
class PlainArtwork {
  public:
    PlainArtwork() {
        for (const auto& entry : std::filesystem::directory_iterator(LEXIGLADE_DATA_DIR)) {
            if (entry.is_regular_file()) {
                std::filesystem::copy_file(entry.path(),
                                           dir_.prefix() + entry.path().filename().string());
            }
        }
    }
    std::string Path() const { return dir_.prefix(); }

  private:
    ScratchDir dir_;
};

std::string DataDir(bool dense) {
    static const PlainArtwork plain;
    return dense ? std::string(LEXIGLADE_DATA_DIR) : plain.Path();
}

std::unique_ptr<Tmain> OpenCatalogue(const std::string& dataDir) {
    auto form = std::make_unique<Tmain>(dataDir);
    Shared().GameOptions.musicOn = false;
    form->resize(kWidth, kHeight);
    form->show();
    Settle([&] { return form->FormPaintCount() > 0; });
    return form;
}

void BM_Startup3840x2160(benchmark::State& state) {
    const std::string dataDir = DataDir(state.range(0) != 0);
    for (auto _ : state) {
        auto form = OpenCatalogue(dataDir);
        state.PauseTiming();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Startup3840x2160)
    ->ArgName("dense_art")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

struct GameSetup {
    explicit GameSetup(bool dense) : catalogue(OpenCatalogue(DataDir(dense))) {
        TextMaker maker(7);
        LoadedPuzzle& puzzle = Shared().LoadedPuzzle;
        puzzle.title = "Benchmark Puzzle";
        puzzle.words = MakeWords(maker, 25, 4, 12);
        puzzle.hints.clear();
        for (std::size_t i = 0; i < puzzle.words.size(); ++i) {
            puzzle.hints.push_back(maker.Hint()); // one each: a found word takes one hint away
        }
    }
    std::unique_ptr<Tsearcher> Open() {
        Shared().NewGame = true;
        auto form = std::make_unique<Tsearcher>();
        form->resize(kWidth, kHeight);
        form->show();
        Settle([&] { return form->FormPaintCount() > 0; });
        return form;
    }
    std::unique_ptr<Tmain> catalogue;
};

void BM_PuzzleFirstPaintAt425(benchmark::State& state) {
    GameSetup setup(state.range(0) != 0);
    for (auto _ : state) {
        auto form = setup.Open();
        state.PauseTiming();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PuzzleFirstPaintAt425)
    ->ArgName("dense_art")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

Point CellCentre(const Tsearcher& form, Cell cell) {
    const BoardOrigin origin{form.BoardLeft, form.BoardTop};
    return {ColumnCentreX(origin, cell.column), RowCentreY(origin, cell.row)};
}

// A drag across a word to its release: the smooth capsule, the screen saved, the hint removed.
void BM_FoundWordAt425(benchmark::State& state) {
    GameSetup setup(true);
    std::unique_ptr<Tsearcher> form;
    std::size_t next = 0;
    for (auto _ : state) {
        if (!form || next + 1 >= form->Session.Grids().PlacedWords.size()) {
            state.PauseTiming();
            form.reset();
            form = setup.Open();
            next = 0;
            state.ResumeTiming();
        }
        const PlacedWord& word = form->Session.Grids().PlacedWords[next++];
        const Point from = CellCentre(*form, word.start);
        const Point to = CellCentre(*form, word.end);
        form->FormMouseDown(Qt::LeftButton, from.x, from.y);
        form->FormMouseMove(to.x, to.y);
        form->FormMouseUp(Qt::LeftButton, to.x, to.y);
    }
}
BENCHMARK(BM_FoundWordAt425)->Iterations(48)->Unit(benchmark::kMillisecond);

// One capsule across eight cells: smooth in copy mode (a found word now), blocks of logical pixels
// in exclusive-or mode (the rubber band, and found words before).
void BM_CapsuleAt425(benchmark::State& state) {
    QImage surface(DevicePixel(kWidth, kScale), DevicePixel(kHeight, kScale), QImage::Format_RGB32);
    surface.fill(Qt::white);
    surface.setDevicePixelRatio(kScale);
    DeviceContext dc(surface);
    dc.SelectObject(CreatePen(PS_SOLID, 1, PaletteRgb(0, 0, 179)));
    dc.SetROP2(state.range(0) != 0 ? R2_COPYPEN : R2_XORPEN);
    const Band band{{200, 200}, {340, 326}, 135};
    for (auto _ : state) {
        DrawCapsule(dc, band);
    }
}
BENCHMARK(BM_CapsuleAt425)->ArgName("smooth")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace lexiglade::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "4.25");
    lexiglade::Application app(argc, argv);
    lexiglade::SetRandomSeed(12345);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
