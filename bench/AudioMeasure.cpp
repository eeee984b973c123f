#include "AudioMeasure.h"

#include "tools/make_sounds/SoundSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>

namespace lexiglade::bench {

namespace {

const std::vector<std::string> kTracks = {"arc1.mid", "arc3.mid",  "arc4.mid", "arc5.mid",
                                          "arc8.mid", "arc10.mid", "arc11.mid"};
constexpr double kSilenceDbfs = -50;
constexpr int kWindowFrames = kRate / 100;
constexpr int kWindowMs = 10;
constexpr std::uint64_t kBeforeLoop = 12 * kRate;
constexpr std::uint64_t kAfterLoop = 3 * kRate;
constexpr std::uint64_t kNearLoop = kRate / 2;

const std::string& TrackFolder() {
    static const std::string kFolder = [] {
        const auto path = std::filesystem::temp_directory_path() / "lexiglade-audio-bench";
        std::filesystem::create_directories(path);
        sounds::WriteSoundSet(path.string());
        return path.string() + "/";
    }();
    return kFolder;
}

std::size_t WindowOf(std::uint64_t frame) {
    return static_cast<std::size_t>(frame / kWindowFrames);
}

} // namespace

std::string TrackPath(std::int64_t index) {
    return TrackFolder() + kTracks.at(static_cast<std::size_t>(index));
}

std::string DiskFile() {
    return (std::filesystem::temp_directory_path() / "lexiglade-audio-bench.raw").string();
}

void UseDriver(const char* driver, int delayMs, const std::string& file) {
    setenv("SDL_AUDIODRIVER", driver, 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", std::to_string(delayMs).c_str(), 1);
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

void DeliverUntil(const std::function<bool()>& done) {
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

std::vector<bool> LoudWindows(const std::string& file, std::uint64_t framesMixed) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    const std::size_t frameBytes = 4;
    const std::size_t leading =
        bytes.size() / frameBytes - std::min<std::size_t>(bytes.size() / frameBytes, framesMixed);
    std::vector<std::int16_t> samples((bytes.size() - leading * frameBytes) / 2);
    std::memcpy(samples.data(), bytes.data() + leading * frameBytes, samples.size() * 2);
    const double threshold = 32768.0 * std::pow(10.0, kSilenceDbfs / 20);
    const std::size_t window = 2 * kWindowFrames;
    std::vector<bool> loud;
    for (std::size_t at = 0; at + window <= samples.size(); at += window) {
        double sum = 0;
        for (std::size_t i = at; i < at + window; ++i) {
            sum += static_cast<double>(samples[i]) * samples[i];
        }
        loud.push_back(std::sqrt(sum / static_cast<double>(window)) >= threshold);
    }
    return loud;
}

std::optional<double> MsToSound(const std::vector<bool>& loud, std::uint64_t frame) {
    for (std::size_t w = WindowOf(frame); w < loud.size(); ++w) {
        if (loud[w]) {
            return static_cast<double>(kWindowMs * (w - WindowOf(frame)));
        }
    }
    return std::nullopt;
}

double SilenceAtLoopMs(const std::vector<bool>& loud, std::uint64_t loop) {
    const std::size_t from = WindowOf(loop > kBeforeLoop ? loop - kBeforeLoop : 0);
    const std::size_t to = std::min(loud.size(), WindowOf(loop + kAfterLoop));
    const std::size_t nearFrom = WindowOf(loop > kNearLoop ? loop - kNearLoop : 0);
    const std::size_t nearTo = WindowOf(loop + kNearLoop);
    std::size_t longest = 0;
    std::size_t runStart = from;
    for (std::size_t w = from; w <= to; ++w) {
        if (w < to && !loud[w]) {
            continue;
        }
        // [runStart, w) is silent: it counts when it reaches the loop point.
        if (w > runStart && w > nearFrom && runStart < nearTo) {
            longest = std::max(longest, w - runStart);
        }
        runStart = w + 1;
    }
    return static_cast<double>(kWindowMs * longest);
}

void Milliseconds::Add(std::optional<double> ms) {
    if (!ms) {
        ++silent_;
        return;
    }
    sum_ += *ms;
    worst_ = std::max(worst_, *ms);
    ++count_;
}

void Milliseconds::Report(benchmark::State& state, const std::string& name) const {
    state.counters[name] = count_ > 0 ? sum_ / count_ : -1;
    state.counters[name + "_worst"] = worst_;
    state.counters["silent_runs"] = silent_;
}

} // namespace lexiglade::bench
