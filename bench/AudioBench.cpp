// What the background music costs and how it sounds: the start of a track at the end of a paint,
// the silence at the loop point and the time to the first note (both read from the samples that
// SDL's disk driver writes), and the processor time that playing takes. Each sound figure is
// measured twice, through the game's music channel and through SDL_mixer's own MIDI playback
// (FluidSynth loaded anew for every track, the end reported once the synthesiser has rung out).
#include "AudioMeasure.h"
#include "media/MediaPlayer.h"
#include "media/Music.h"
#include "platform/audio/AudioOutput.h"
#include "platform/audio/MusicSynth.h"
#include "platform/audio/SoundFontSearch.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QCoreApplication>

#include <atomic>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace lexiglade::bench {
namespace {

// One game's music as the puzzle screen drives it, noting the output frame of each start.
class GameMusic {
  public:
    explicit GameMusic(std::string track) : track_(std::move(track)) {
        player_.OnNotify = [this] {
            if (RestartsMusic(player_, true)) {
                Start();
            }
        };
    }
    void Start() {
        starts.push_back(AudioOutput::FramesMixed());
        StartMusic(player_, true, false, track_);
    }
    void Stop() { StopMusic(player_); }

    std::vector<std::uint64_t> starts;

  private:
    std::string track_;
    MediaPlayer player_;
};

// SDL_mixer's MIDI playback as the game used it: every start loads the track (and with it the
// soundfont), every end is reported by SDL_mixer's music-finished hook.
class MixerMusic {
  public:
    explicit MixerMusic(std::string track) : track_(std::move(track)) {
        mixed = 0;
        Mix_Init(MIX_INIT_MID);
        Mix_SetSoundFonts(FindSoundFont(ConfiguredSoundFont(), SystemDataFolders()).found.c_str());
        Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, kFramesPerBuffer);
        Mix_SetPostMix([](void*, Uint8*, int bytes) { mixed += static_cast<unsigned>(bytes) / 4; },
                       nullptr);
        Mix_HookMusicFinished([] { finished = true; });
    }
    ~MixerMusic() {
        Stop();
        Mix_HookMusicFinished(nullptr);
        Mix_CloseAudio();
        Mix_SetPostMix(nullptr, nullptr);
        Mix_Quit();
        SDL_Quit();
    }
    void Start() {
        Stop();
        starts.push_back(mixed.load());
        finished = false;
        music_ = Mix_LoadMUS(track_.c_str());
        Mix_PlayMusic(music_, 1);
    }
    // Restarts the track when it has ended; true when it did.
    bool RestartWhenEnded() {
        if (!finished) {
            return false;
        }
        Start();
        return true;
    }
    void Stop() {
        if (music_ != nullptr) {
            Mix_HaltMusic();
            Mix_FreeMusic(music_);
            music_ = nullptr;
        }
    }
    static std::uint64_t Mixed() { return mixed.load(); }

    std::vector<std::uint64_t> starts;

  private:
    static inline std::atomic<std::uint64_t> mixed{0};
    static inline std::atomic<bool> finished{false};
    std::string track_;
    Mix_Music* music_ = nullptr;
};

// What the paint pays for StartMusic: the close of the track before, the open and the play.
void BM_StartMusicOnPaint(benchmark::State& state) {
    UseDriver("dummy");
    const AudioOutput output;
    MediaPlayer player;
    const std::string track = TrackPath(2);
    for (auto _ : state) {
        StartMusic(player, true, false, track);
    }
    Deliver(200);
    state.counters["output"] = AudioOutput::IsOpen() ? 1 : 0;
}
BENCHMARK(BM_StartMusicOnPaint)->Unit(benchmark::kMicrosecond);

// What SDL_mixer pays to start a track: it loads the soundfont with it.
void BM_StartTrackInSdlMixer(benchmark::State& state) {
    UseDriver("dummy");
    MixerMusic music(TrackPath(2));
    for (auto _ : state) {
        music.Start();
    }
}
BENCHMARK(BM_StartTrackInSdlMixer)->Unit(benchmark::kMillisecond);

// The silence at the loop point of each shipped track: a whole pass, then the start of the next,
// with the disk driver at about eleven times play speed (which stretches SDL_mixer's loading
// time at each restart elevenfold). The time is what the pass takes; soundfont_loads counts the
// soundfonts read from the opening of the output to the end of the game.
void BM_LoopGap(benchmark::State& state) {
    for (auto _ : state) {
        UseDriver("disk", kFastDelayMs, DiskFile());
        const int loads = MusicSynth::SoundFontLoads();
        auto output = std::make_unique<AudioOutput>();
        GameMusic music(TrackPath(state.range(0)));
        music.Start();
        while (music.starts.size() < 2) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        DeliverUntil([&] { return AudioOutput::FramesMixed() > music.starts[1] + 3 * kRate; });
        music.Stop();
        state.counters["soundfont_loads"] = MusicSynth::SoundFontLoads() - loads;
        output.reset();
        state.counters["gap_ms"] =
            SilenceAtLoopMs(LoudWindows(DiskFile(), AudioOutput::FramesMixed()), music.starts[1]);
    }
}
BENCHMARK(BM_LoopGap)->DenseRange(0, 6)->Iterations(1)->Unit(benchmark::kSecond);

void BM_LoopGapInSdlMixer(benchmark::State& state) {
    for (auto _ : state) {
        UseDriver("disk", kFastDelayMs, DiskFile());
        auto music = std::make_unique<MixerMusic>(TrackPath(state.range(0)));
        music->Start();
        DeliverUntil([&] { return music->RestartWhenEnded(); });
        const std::uint64_t loop = music->starts[1];
        DeliverUntil([&] { return MixerMusic::Mixed() > loop + 3 * kRate; });
        state.counters["soundfont_loads"] = static_cast<double>(music->starts.size());
        music.reset();
        state.counters["gap_ms"] =
            SilenceAtLoopMs(LoudWindows(DiskFile(), MixerMusic::Mixed()), loop);
    }
}
BENCHMARK(BM_LoopGapInSdlMixer)->DenseRange(0, 6)->Iterations(1)->Unit(benchmark::kSecond);

// A game's first paint comes well after start-up, when the soundfont has long been read: a
// track started and stopped at once waits for it, and its ring dies away before the measuring.
void WaitForTheSoundfont() {
    MediaPlayer player;
    StartMusic(player, true, false, TrackPath(0));
    StopMusic(player);
    Deliver(500);
}

// From the StartMusic of a game's first paint to its first note sounding, with the disk driver
// at play speed, so that the samples count real time: after the soundfont has been read, and with
// its reading asked for at the same moment (a game started the instant the catalogue is shown).
void BM_FirstNote(benchmark::State& state, bool soundfontRead) {
    Milliseconds first;
    for (auto _ : state) {
        UseDriver("disk", kRealTimeDelayMs, DiskFile());
        auto output = std::make_unique<AudioOutput>();
        if (soundfontRead) {
            WaitForTheSoundfont();
        } else {
            Deliver(50); // the output is under way, as it is by the catalogue's first paint
            AudioOutput::PrepareMusic();
        }
        GameMusic music(TrackPath(state.range(0)));
        music.Start();
        DeliverUntil([&] { return AudioOutput::FramesMixed() > music.starts[0] + kRate; });
        music.Stop();
        output.reset();
        first.Add(MsToSound(LoudWindows(DiskFile(), AudioOutput::FramesMixed()), music.starts[0]));
    }
    first.Report(state, "first_note_ms");
}
BENCHMARK_CAPTURE(BM_FirstNote, SoundfontRead, true)
    ->DenseRange(0, 6)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstNote, SoundfontAskedForAtTheStart, false)
    ->DenseRange(0, 6)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

void BM_FirstNoteInSdlMixer(benchmark::State& state) {
    Milliseconds first;
    for (auto _ : state) {
        UseDriver("disk", kRealTimeDelayMs, DiskFile());
        auto music = std::make_unique<MixerMusic>(TrackPath(state.range(0)));
        Deliver(50);
        music->Start();
        const std::uint64_t start = music->starts[0];
        DeliverUntil([&] { return MixerMusic::Mixed() > start + kRate; });
        music.reset();
        first.Add(MsToSound(LoudWindows(DiskFile(), MixerMusic::Mixed()), start));
    }
    first.Report(state, "first_note_ms");
}
BENCHMARK(BM_FirstNoteInSdlMixer)->DenseRange(0, 6)->Iterations(3)->Unit(benchmark::kMillisecond);

// Processor time for each second of music the output plays (all threads of the process); as a
// share of one core this is what real-time playback costs.
void BM_MusicPlaybackCpu(benchmark::State& state) {
    UseDriver("disk");
    const AudioOutput output;
    MediaPlayer player;
    const std::string track = TrackPath(state.range(0));
    double cpu = 0;
    double audio = 0;
    for (auto _ : state) {
        StartMusic(player, true, false, track);
        const double cpuFrom = ProcessSeconds();
        const std::uint64_t framesFrom = AudioOutput::FramesMixed();
        while (AudioOutput::FramesMixed() - framesFrom < 10 * kRate) {
            SDL_Delay(1);
        }
        cpu += ProcessSeconds() - cpuFrom;
        audio += static_cast<double>(AudioOutput::FramesMixed() - framesFrom) / kRate;
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
