#pragma once
// The found-word chime: two bell-like strikes, a fifth apart, synthesised as mono 16-bit PCM.
#include <cstdint>
#include <string>
#include <vector>

namespace lexiglade::sounds {

inline constexpr int kChimeRate = 44100;

// About 0.45 s, peaking at half of full scale; starts and ends at silence.
std::vector<std::int16_t> ChimeSamples();

// A RIFF "WAVE" file: one "fmt " chunk (PCM, 16-bit) and one "data" chunk.
std::vector<std::uint8_t> WaveFile(const std::vector<std::int16_t>& samples, int rate,
                                   int channels);

} // namespace lexiglade::sounds
