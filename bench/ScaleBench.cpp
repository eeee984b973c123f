// What the game costs as its library grows: generated libraries of 14 and 100,000 puzzles (and
// 1,000,000 on request), each timed beside a reference in the same run.
//
//   Startup/N          the game's start-up to its painted catalogue, beside the smallest Qt
//                      program that paints a maximized window with a picture
//   OpenLastPuzzle/N   the tree's last puzzle opened in a running game, to its settled screen,
//                      beside the same in a game with the 14-puzzle library
//   Screen3840x2160/Startup, /OpenPuzzle
//                      on a 3840 x 2160 screen at the game's scale there (4.25), 14 puzzles: the
//                      start-up, and a puzzle opened in a running game (peak_MB: the game's peak
//                      resident memory by then), each beside the smallest Qt program's start-up
//   Add/N              `lexiglade-library add` of one puzzle, beside the same into 14 puzzles
//   Check/N, List/N    `lexiglade-library check` and `list`, beside reading every file of the
//                      library once (cat-like)
// Counters: ms and ref_ms (medians), ratio (ms / ref_ms), peak_MB and ref_peak_MB (peak resident
// memory, VmHWM, of the program doing the work).
//
// The libraries are made once, checked with `lexiglade-library check`, and kept for later runs in
// bench-cache/ under the build folder. Run headless (the probes use the offscreen platform):
//   build/bench/lexiglade_scale_bench
// With the library of 1,000,000 puzzles (about a minute to make the first time, 800 MB):
//   LEXIGLADE_BENCH_MILLION=1 build/bench/lexiglade_scale_bench
// One kind or size only: --benchmark_filter=Startup or --benchmark_filter=/1000000
#include "ChildProcess.h"
#include "Contest.h"
#include "LibraryCache.h"
#include "LibraryFixture.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>

namespace lexiglade::bench {
namespace {

constexpr std::size_t kSmallLibrary = 14;
constexpr double kMicrosecondsPerSecond = 1e6;
constexpr double kKilobytesPerMegabyte = 1024.0;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// How the probes are shown: on the default screen, or on a 3840 x 2160 one at the game's scale.
enum class Screen { Default, UltraHd };

// The environment of a probe shown on `screen`.
std::vector<std::string> SettingsFor(Screen screen) {
    if (screen == Screen::Default) {
        return {};
    }
    static const std::string kConfig = [] {
        const std::string path = std::string(LEXIGLADE_BENCH_CACHE) + "screen-3840x2160.json";
        std::ofstream(path, std::ios::trunc)
            << R"({"screens": [{"name": "UltraHd", "x": 0, "y": 0, "width": 3840, )"
            << R"("height": 2160, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
        return path;
    }();
    return {"QT_QPA_PLATFORM=offscreen:configfile=" + kConfig, "QT_SCALE_FACTOR=4.25"};
}

// Starts a probe and waits for its painted window; the time from its start and its peak memory.
Sample TimeToPaint(const std::vector<std::string>& argv, Screen screen = Screen::Default) {
    ChildProcess probe(argv, ChildProcess::Output::Pipe, SettingsFor(screen));
    if (probe.ReadLine() != "painted") {
        throw std::runtime_error(argv[0] + " did not paint");
    }
    const double seconds = SecondsSince(probe.Started());
    return {seconds, probe.Finish().peakMegabytes};
}

Sample GameStartUp(const CachedLibrary& library, Screen screen = Screen::Default) {
    return TimeToPaint({LEXIGLADE_STARTUP_PROBE, library.dataDir, LEXIGLADE_SHIPPED_DIR}, screen);
}

Sample BaselineStartUp(Screen screen = Screen::Default) {
    return TimeToPaint({LEXIGLADE_BASELINE_WINDOW, std::string(LEXIGLADE_SHIPPED_DIR) + "a4.asl"},
                       screen);
}

// A game kept running on each library and screen, for the puzzles opened one after another: the
// time to the settled puzzle screen and the game's peak memory by then.
Sample OpenLastPuzzle(const CachedLibrary& library, Screen screen = Screen::Default) {
    static std::map<std::pair<std::size_t, Screen>, std::unique_ptr<ChildProcess>> games;
    std::unique_ptr<ChildProcess>& game = games[{library.puzzles, screen}];
    if (!game) {
        game = std::make_unique<ChildProcess>(std::vector<std::string>{LEXIGLADE_STARTUP_PROBE,
                                                                       library.dataDir,
                                                                       LEXIGLADE_SHIPPED_DIR},
                                              ChildProcess::Output::Pipe, SettingsFor(screen));
        if (game->ReadLine() != "painted") {
            throw std::runtime_error("the game did not paint its catalogue");
        }
    }
    game->WriteLine("open");
    std::istringstream answer(game->ReadLine());
    double microseconds = 0, peakKilobytes = 0;
    answer >> microseconds >> peakKilobytes;
    return {microseconds / kMicrosecondsPerSecond, peakKilobytes / kKilobytesPerMegabyte};
}

// Runs the library command to its end; a failure ends the benchmark.
Sample LibraryCommand(const std::vector<std::string>& args) {
    std::vector<std::string> argv{LEXIGLADE_LIBRARY_COMMAND};
    argv.insert(argv.end(), args.begin(), args.end());
    const CompletedRun run = RunToEnd(argv);
    if (run.cost.status != 0) {
        throw std::runtime_error("lexiglade-library " + args[0] + " failed");
    }
    return {run.seconds, run.cost.peakMegabytes};
}

Sample ReadEveryFile(const CachedLibrary& library) {
    const CompletedRun run = RunToEnd({LEXIGLADE_READ_FILES, library.dataDir});
    return {run.seconds, run.cost.peakMegabytes};
}

// The puzzle filed by the Add benchmarks, into a folder of its own at the end of the tree.
const std::string& PuzzleToFile() {
    static const std::string kPath = [] {
        const std::string file = std::string(LEXIGLADE_BENCH_CACHE) + "puzzle-to-file.txt";
        TextMaker maker(5);
        std::ofstream out(file, std::ios::trunc);
        out << "Benchmark Filing\nBenchmark Folder\n";
        std::set<std::string> words;
        while (words.size() < 15) {
            words.insert(maker.Word(4, 8));
        }
        for (const std::string& word : words) {
            out << word << '\t' << maker.Hint() << '\n';
        }
        return file;
    }();
    return kPath;
}

// Files one puzzle into a copy of the library, then puts the copy back.
Sample FileOnePuzzle(std::size_t puzzles) {
    static std::map<std::size_t, std::unique_ptr<FilingCopy>> copies;
    std::unique_ptr<FilingCopy>& copy = copies[puzzles];
    if (!copy) {
        copy = std::make_unique<FilingCopy>(CachedLibraryOf(puzzles));
    }
    const Sample sample = LibraryCommand({"add", copy->DataDir(), PuzzleToFile()});
    copy->Restore();
    return sample;
}

// Runs the contest, ending the benchmark with the error that stopped it.
void Contest(benchmark::State& state, const Measurement& subject,
             const Measurement& reference = {}) {
    try {
        RunContest(state, subject, reference);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

void BM_Startup(benchmark::State& state, std::size_t puzzles) {
    Contest(
        state, [&] { return GameStartUp(CachedLibraryOf(puzzles)); },
        [] { return BaselineStartUp(); });
}

void BM_OpenLastPuzzle(benchmark::State& state, std::size_t puzzles) {
    const auto open = [](std::size_t size) {
        return [size] { return OpenLastPuzzle(CachedLibraryOf(size)); };
    };
    Contest(state, open(puzzles), puzzles == kSmallLibrary ? Measurement{} : open(kSmallLibrary));
}

void BM_Add(benchmark::State& state, std::size_t puzzles) {
    const auto add = [](std::size_t size) { return [size] { return FileOnePuzzle(size); }; };
    Contest(state, add(puzzles), puzzles == kSmallLibrary ? Measurement{} : add(kSmallLibrary));
}

// `check` or `list`, beside reading the files.
void BM_ReadingCommand(benchmark::State& state, std::size_t puzzles, const char* command) {
    Contest(
        state,
        [&] {
            return LibraryCommand({command, CachedLibraryOf(puzzles).dataDir});
        },
        [&] { return ReadEveryFile(CachedLibraryOf(puzzles)); });
}

void BM_Check(benchmark::State& state, std::size_t puzzles) {
    BM_ReadingCommand(state, puzzles, "check");
}

void BM_List(benchmark::State& state, std::size_t puzzles) {
    BM_ReadingCommand(state, puzzles, "list");
}

void BM_StartupUltraHd(benchmark::State& state) {
    Contest(
        state, [] { return GameStartUp(CachedLibraryOf(kSmallLibrary), Screen::UltraHd); },
        [] { return BaselineStartUp(Screen::UltraHd); });
}

void BM_OpenPuzzleUltraHd(benchmark::State& state) {
    Contest(
        state, [] { return OpenLastPuzzle(CachedLibraryOf(kSmallLibrary), Screen::UltraHd); },
        [] { return BaselineStartUp(Screen::UltraHd); });
}

// Fewer iterations where one takes seconds.
struct Size {
    std::size_t puzzles;
    int iterations;
};

bool RegisterAll() {
    std::vector<Size> sizes = {{kSmallLibrary, 10}, {100000, 5}};
    if (std::getenv("LEXIGLADE_BENCH_MILLION") != nullptr) {
        sizes.push_back({1000000, 3});
    }
    using Body = void (*)(benchmark::State&, std::size_t);
    const std::pair<const char*, Body> kinds[] = {{"Startup", BM_Startup},
                                                  {"OpenLastPuzzle", BM_OpenLastPuzzle},
                                                  {"Add", BM_Add},
                                                  {"Check", BM_Check},
                                                  {"List", BM_List}};
    for (const auto& [kind, body] : kinds) {
        for (const Size& size : sizes) {
            const std::string name = std::string(kind) + "/" + std::to_string(size.puzzles);
            const int iterations =
                std::string(kind) == "OpenLastPuzzle" ? 4 * size.iterations : size.iterations;
            benchmark::RegisterBenchmark(name.c_str(), body, size.puzzles)
                ->UseManualTime()
                ->Iterations(iterations)
                ->Unit(benchmark::kMillisecond);
        }
    }
    using Screens = void (*)(benchmark::State&);
    const std::pair<const char*, Screens> screens[] = {
        {"Screen3840x2160/Startup", BM_StartupUltraHd},
        {"Screen3840x2160/OpenPuzzle", BM_OpenPuzzleUltraHd}};
    for (const auto& [name, body] : screens) {
        benchmark::RegisterBenchmark(name, body)
            ->UseManualTime()
            ->Iterations(20)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}

} // namespace
} // namespace lexiglade::bench

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    lexiglade::bench::RegisterAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
