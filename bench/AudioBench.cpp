// What the background music costs: the start of a track at the end of a paint, the synchronous
// load it avoids, and the processor time that playing takes.
#include "media/MediaPlayer.h"
#include "media/Music.h"
#include "platform/AudioOutput.h"
#include "tools/make_sounds/SoundSet.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace lexiglade::bench {
namespace {

const std::vector<std::string> Tracks = {"arc1.mid", "arc3.mid",  "arc4.mid", "arc5.mid",
                                         "arc8.mid", "arc10.mid", "arc11.mid"};

// The shipped tracks, written once into a temporary folder.
const std::string& TrackFolder() {
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "lexiglade-audio-bench";
        std::filesystem::create_directories(path);
        sounds::WriteSoundSet(path.string());
        return path.string() + "/";
    }();
    return folder;
}

void UseDriver(const char* driver) {
    setenv("SDL_AUDIODRIVER", driver, 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1); // the disk driver mixes as fast as it can
}

double ProcessSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void Deliver(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

// What the paint pays for StartMusic: the close of the track before, the check of the file, the
// open and the play; the synthesiser loads the track on its own thread.
void BM_StartMusicOnPaint(benchmark::State& state) {
    UseDriver("dummy");
    const AudioOutput output;
    MediaPlayer player;
    const std::string track = TrackFolder() + Tracks[2];
    for (auto _ : state) {
        StartMusic(player, true, false, track);
    }
    Deliver(200);
    state.counters["output"] = AudioOutput::IsOpen() ? 1 : 0;
}
BENCHMARK(BM_StartMusicOnPaint)->Unit(benchmark::kMicrosecond);

// What the paint would pay to load and start a track itself.
void BM_LoadAndPlaySynchronously(benchmark::State& state) {
    UseDriver("dummy");
    const AudioOutput output;
    const std::string track = TrackFolder() + Tracks[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        Mix_Music* music = Mix_LoadMUS(track.c_str());
        Mix_PlayMusic(music, 1);
        state.PauseTiming();
        Mix_HaltMusic();
        Mix_FreeMusic(music);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadAndPlaySynchronously)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

// Processor time for each second of music the output plays (all threads of the process); as a
// share of one core this is what real-time playback costs.
void BM_MusicPlaybackCpu(benchmark::State& state) {
    UseDriver("disk");
    const AudioOutput output;
    MediaPlayer player;
    const std::string track = TrackFolder() + Tracks[static_cast<std::size_t>(state.range(0))];
    double cpu = 0;
    double audio = 0;
    for (auto _ : state) {
        StartMusic(player, true, false, track);
        Deliver(300); // the track is loaded and playing
        const double cpuFrom = ProcessSeconds();
        const std::uint64_t framesFrom = AudioOutput::FramesMixed();
        while (AudioOutput::FramesMixed() - framesFrom < 10 * 44100) {
            SDL_Delay(1);
        }
        cpu += ProcessSeconds() - cpuFrom;
        audio += static_cast<double>(AudioOutput::FramesMixed() - framesFrom) / 44100;
    }
    StopMusic(player);
    state.counters["core_share"] = cpu / audio;
}
BENCHMARK(BM_MusicPlaybackCpu)->DenseRange(0, 6)->Iterations(2)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lexiglade::bench

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
