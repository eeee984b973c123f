#include "DiskAudio.h"

#include "TempFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace lexiglade::test {

namespace {

constexpr int kRate = kOutputRate;
constexpr std::size_t kWindowFrames = kRate / 100;
constexpr double kAttackRise = 3.0; // about 10 dB
constexpr double kAttackSpacing = 0.1;

double Threshold() {
    return 32768.0 * std::pow(10.0, -50.0 / 20.0);
}

// The RMS level of each 10 ms window of the stereo samples.
std::vector<double> WindowLevels(const std::vector<std::int16_t>& samples) {
    std::vector<double> levels;
    const std::size_t window = 2 * kWindowFrames;
    for (std::size_t at = 0; at + window <= samples.size(); at += window) {
        double sum = 0;
        for (std::size_t i = at; i < at + window; ++i) {
            sum += static_cast<double>(samples[i]) * samples[i];
        }
        levels.push_back(std::sqrt(sum / static_cast<double>(window)));
    }
    return levels;
}

} // namespace

DiskOutput::DiskOutput(const std::string& folder, int delayMs, const std::string& soundFont)
    : file_(folder + "output.raw") {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file_.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", std::to_string(delayMs).c_str(), 1);
    output_ = std::make_unique<AudioOutput>(soundFont);
}

DiskOutput::~DiskOutput() {
    Close();
}

void DiskOutput::Close() {
    if (output_) {
        output_.reset();
        leadingFrames_ = Samples().size() / 2 - AudioOutput::FramesMixed();
    }
}

std::vector<std::int16_t> DiskOutput::Samples() const {
    const std::vector<std::uint8_t> bytes = ReadFile(file_);
    std::vector<std::int16_t> samples(bytes.size() / 2);
    if (!samples.empty()) { // an empty vector's data may be null, which memcpy must not get
        std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    }
    return samples;
}

std::unique_ptr<AudioOutput> OpenWithoutDevice() {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    return std::make_unique<AudioOutput>();
}

std::vector<Stretch> SoundStretches(const std::vector<std::int16_t>& samples, double gap) {
    const std::vector<double> levels = WindowLevels(samples);
    std::vector<Stretch> stretches;
    for (std::size_t w = 0; w < levels.size(); ++w) {
        if (levels[w] < Threshold()) {
            continue;
        }
        const double start = static_cast<double>(w * kWindowFrames) / kRate;
        if (!stretches.empty() &&
            start - (stretches.back().start + stretches.back().length) < gap) {
            stretches.back().length = start + 0.01 - stretches.back().start;
        } else {
            stretches.push_back({start, 0.01});
        }
    }
    return stretches;
}

int PeakOf(const std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (const std::int16_t sample : samples) {
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    return peak;
}

std::vector<double> Attacks(const std::vector<std::int16_t>& samples) {
    const std::vector<double> levels = WindowLevels(samples);
    std::vector<double> attacks;
    for (std::size_t w = 0; w < levels.size(); ++w) {
        const double before = w > 1 ? levels[w - 2] : 0;
        if (levels[w] < Threshold() || levels[w] < kAttackRise * before) {
            continue;
        }
        const double start = static_cast<double>(w * kWindowFrames) / kRate;
        if (attacks.empty() || start - attacks.back() >= kAttackSpacing) {
            attacks.push_back(start);
        }
    }
    return attacks;
}

double LongestSilence(const std::vector<std::int16_t>& samples, std::uint64_t from,
                      std::uint64_t to) {
    const std::vector<double> levels = WindowLevels(samples);
    std::size_t longest = 0;
    std::size_t run = 0;
    for (std::size_t w = from / kWindowFrames;
         w < std::min<std::size_t>(levels.size(), to / kWindowFrames); ++w) {
        run = levels[w] < Threshold() ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return static_cast<double>(longest * kWindowFrames) / kRate;
}

std::optional<std::uint64_t> FirstSound(const std::vector<std::int16_t>& samples,
                                        std::uint64_t from) {
    const std::vector<double> levels = WindowLevels(samples);
    for (std::size_t w = from / kWindowFrames; w < levels.size(); ++w) {
        if (levels[w] >= Threshold()) {
            return w * kWindowFrames;
        }
    }
    return std::nullopt;
}

} // namespace lexiglade::test
