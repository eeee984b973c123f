#pragma once
// Helpers of the audio benchmarks: the shipped tracks, SDL's audio drivers, and what the samples
// that the disk driver wrote say about silence and sound.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lexiglade::bench {

inline constexpr int kRate = 44100;
inline constexpr int kFramesPerBuffer = 1024;
// What the disk driver waits for each buffer: at play speed, and at about eleven times that.
inline constexpr int kRealTimeDelayMs = kFramesPerBuffer * 1000 / kRate;
inline constexpr int kFastDelayMs = 2;

// Shipped track `index` (0 to 6, in the game's order), written once into a temporary folder.
std::string TrackPath(std::int64_t index);
// The file the disk driver writes.
std::string DiskFile();
// `delayMs` 0 mixes as fast as the driver can.
void UseDriver(const char* driver, int delayMs = 0, const std::string& file = "/dev/null");

double ProcessSeconds();
// Delivers events for `ms` milliseconds, or until `done` holds.
void Deliver(int ms);
void DeliverUntil(const std::function<bool()>& done);

// Whether each 10 ms window of the file's 16-bit stereo samples is louder than -50 dBFS,
// counting from the first of the `framesMixed` frames that the output mixed: the driver writes
// silence of its own before the output starts mixing.
std::vector<bool> LoudWindows(const std::string& file, std::uint64_t framesMixed);
// Milliseconds from output frame `frame` to the first loud window; nothing when none follows.
std::optional<double> MsToSound(const std::vector<bool>& loud, std::uint64_t frame);
// The silence at the restart at output frame `loop`, in milliseconds: the longest run of quiet
// windows that reaches within half a second of it (looking twelve seconds back, three ahead).
double SilenceAtLoopMs(const std::vector<bool>& loud, std::uint64_t loop);

// Mean and worst of several measurements, and how many found no sound.
class Milliseconds {
  public:
    void Add(std::optional<double> ms);
    void Report(benchmark::State& state, const std::string& name) const;

  private:
    double sum_ = 0;
    double worst_ = 0;
    int count_ = 0;
    int silent_ = 0;
};

} // namespace lexiglade::bench
