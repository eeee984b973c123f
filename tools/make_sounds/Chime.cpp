#include "tools/make_sounds/Chime.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace lexiglade::sounds {

namespace {

constexpr double kDuration = 0.45;
constexpr double kAttack = 0.004;
constexpr double kFadeOut = 0.04;
constexpr double kPeak = 0.5;

struct Partial {
    double ratio;
    double amplitude;
    double decay; // seconds for the partial to fall to 1/e
};

// A struck bar: the fundamental, its octave and two inharmonic partials that die away quickly.
constexpr std::array<Partial, 4> kBell = {
    {{1.0, 1.0, 0.16}, {2.0, 0.35, 0.09}, {2.76, 0.18, 0.05}, {5.4, 0.06, 0.02}}};

struct Strike {
    double start;
    double frequency;
    double level;
};

constexpr std::array<Strike, 2> kStrikes = {{{0.0, 1046.50, 0.8}, {0.075, 1567.98, 1.0}}};

double Envelope(double t) {
    if (t < 0) {
        return 0;
    }
    return t < kAttack ? 0.5 - 0.5 * std::cos(std::numbers::pi * t / kAttack) : 1.0;
}

double StrikeAt(const Strike& strike, double time) {
    const double t = time - strike.start;
    if (t < 0) {
        return 0;
    }
    double sum = 0;
    for (const Partial& p : kBell) {
        sum += p.amplitude * std::exp(-t / p.decay) *
               std::sin(2 * std::numbers::pi * strike.frequency * p.ratio * t);
    }
    return strike.level * Envelope(t) * sum;
}

void PutLittle(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

} // namespace

std::vector<std::int16_t> ChimeSamples() {
    const auto count = static_cast<std::size_t>(kDuration * kChimeRate);
    std::vector<double> wave(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double time = static_cast<double>(i) / kChimeRate;
        double sum = 0;
        for (const Strike& strike : kStrikes) {
            sum += StrikeAt(strike, time);
        }
        const double left = kDuration - time;
        const double fade =
            left < kFadeOut ? 0.5 - 0.5 * std::cos(std::numbers::pi * left / kFadeOut) : 1.0;
        wave[i] = sum * fade;
    }
    double loudest = 0;
    for (const double v : wave) {
        loudest = std::max(loudest, std::abs(v));
    }
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        samples[i] = static_cast<std::int16_t>(std::lround(wave[i] / loudest * kPeak * 32767));
    }
    return samples;
}

std::vector<std::uint8_t> WaveFile(const std::vector<std::int16_t>& samples, int rate,
                                   int channels) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const auto blockAlign = static_cast<std::uint32_t>(channels * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    PutLittle(out, 36 + dataBytes, 4);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutLittle(out, 16, 4);
    PutLittle(out, 1, 2); // PCM
    PutLittle(out, static_cast<std::uint32_t>(channels), 2);
    PutLittle(out, static_cast<std::uint32_t>(rate), 4);
    PutLittle(out, static_cast<std::uint32_t>(rate) * blockAlign, 4);
    PutLittle(out, blockAlign, 2);
    PutLittle(out, 16, 2);
    PutTag(out, "data");
    PutLittle(out, dataBytes, 4);
    for (const std::int16_t sample : samples) {
        PutLittle(out, static_cast<std::uint16_t>(sample), 2);
    }
    return out;
}

} // namespace lexiglade::sounds
