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

constexpr int Rate = 44100;

} // namespace

DiskOutput::DiskOutput(const std::string& folder, int delayMs) : file_(folder + "output.raw") {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file_.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", std::to_string(delayMs).c_str(), 1);
    output_ = std::make_unique<AudioOutput>();
}

DiskOutput::~DiskOutput() {
    Close();
}

void DiskOutput::Close() {
    output_.reset();
}

std::vector<std::int16_t> DiskOutput::Samples() const {
    const std::vector<std::uint8_t> bytes = ReadFile(file_);
    std::vector<std::int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

std::unique_ptr<AudioOutput> OpenWithoutDevice() {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    return std::make_unique<AudioOutput>();
}

std::vector<Stretch> SoundStretches(const std::vector<std::int16_t>& samples, double gap) {
    constexpr std::size_t window = 2 * Rate / 100;
    const double threshold = 32768.0 * std::pow(10.0, -50.0 / 20.0);
    std::vector<Stretch> stretches;
    for (std::size_t at = 0; at + window <= samples.size(); at += window) {
        double sum = 0;
        for (std::size_t i = at; i < at + window; ++i) {
            sum += static_cast<double>(samples[i]) * samples[i];
        }
        if (std::sqrt(sum / window) < threshold) {
            continue;
        }
        const double start = static_cast<double>(at) / (2.0 * Rate);
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

bool WaitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void Settle(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

} // namespace lexiglade::test
