// The screens of a 3840 x 2160 display at the game's scale there (4.25), headless: start-up to the
// catalogue's first paint and the puzzle screen's first paint, each drawn from the artwork set for
// that scale beside the same drawn from the library's own files enlarged, as before the sets were
// shipped; a found word; and a capsule drawn smooth beside one drawn as blocks of logical pixels.
#include "LibraryFixture.h"
#include "ScreenFixture.h"
#include "TsearcherProbe.h"

#include "engine/Random.h"
#include "engine/Selection.h"
#include "platform/Application.h"
#include "platform/DisplayScale.h"
#include "ui/Catalogue.h"
#include "ui/Drawkit.h"
#include "ui/PuzzleDrawing.h"
#include "ui/Wordsrch.h"

#include <QElapsedTimer>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace lexiglade::bench {
namespace {

constexpr double kScale = 4.25;
// The catalogue's client area on a 3840 x 2160 screen below a title bar, in logical pixels.
constexpr int kWidth = 903;
constexpr int kHeight = 492;
const QSize kSize(kWidth, kHeight);

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
    static const PlainArtwork kPlain;
    return dense ? std::string(LEXIGLADE_DATA_DIR) : kPlain.Path();
}

void BM_Startup3840x2160(benchmark::State& state) {
    const std::string dataDir = DataDir(state.range(0) != 0);
    for (auto _ : state) {
        auto form = OpenCatalogue(dataDir, kSize);
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

void BM_PuzzleFirstPaintAt425(benchmark::State& state) {
    const GameSetup setup(DataDir(state.range(0) != 0), kSize);
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

// One move of a drag: the rubber band erased and drawn again.
void BM_DragMoveAt425(benchmark::State& state) {
    const GameSetup setup(DataDir(true), kSize);
    auto form = setup.Open();
    const BoardOrigin origin{Probe(*form).BoardLeft(), Probe(*form).BoardTop()};
    const Point anchor{ColumnCentreX(origin, 5), RowCentreY(origin, 5)};
    DragBackAndForth(*form, anchor, state);
}
BENCHMARK(BM_DragMoveAt425)->Unit(benchmark::kMicrosecond);

// One key that moves the cell cursor.
void BM_CursorKeyAt425(benchmark::State& state) {
    const GameSetup setup(DataDir(true), kSize);
    auto form = setup.Open();
    bool right = false;
    for (auto _ : state) {
        right = !right;
        QKeyEvent key(QEvent::KeyPress, right ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &key);
    }
}
BENCHMARK(BM_CursorKeyAt425)->Unit(benchmark::kMicrosecond);

// A drag across a word to its release: the smooth capsule, the screen saved, the hint removed.
void BM_FoundWordAt425(benchmark::State& state) {
    const GameSetup setup(DataDir(true), kSize);
    WordFinder finder(setup);
    for (auto _ : state) {
        finder.FindNext(state);
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
