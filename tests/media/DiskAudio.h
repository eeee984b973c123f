#pragma once
// The audio output written to a file by SDL's disk driver, and what can be read from that file
// once the output has closed. The driver waits `delayMs` for each 23 ms buffer: with the default
// of 1 it runs about twenty times faster than real time.
#include "EventWait.h"

#include "platform/audio/AudioOutput.h"
#include "platform/audio/SoundFontSearch.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lexiglade::test {

inline constexpr int kOutputRate = 44100;
// Frames the output mixes at a time.
inline constexpr int kOutputBufferFrames = 1024;

// The soundfont the game finds on this machine.
inline std::string SystemSoundFont() {
    return FindSoundFont(ConfiguredSoundFont(), SystemDataFolders()).found;
}

class DiskOutput {
  public:
    explicit DiskOutput(const std::string& folder, int delayMs = 1,
                        const std::string& soundFont = SystemSoundFont());
    ~DiskOutput();
    // Closes the output; the file is then complete.
    void Close();
    // Interleaved 16-bit stereo samples at 44.1 kHz, after Close.
    std::vector<std::int16_t> Samples() const;
    // Where in the file the frame lies that the output counted as `mixed` (FramesMixed), after
    // Close: the driver writes silence of its own before the output starts mixing.
    std::uint64_t FileFrame(std::uint64_t mixed) const { return mixed + leadingFrames_; }

  private:
    std::string file_;
    std::unique_ptr<AudioOutput> output_;
    std::uint64_t leadingFrames_ = 0;
};

// Opens the output with an audio driver that does not exist.
std::unique_ptr<AudioOutput> OpenWithoutDevice();

// Stretches of sound: runs of 10 ms windows louder than -50 dBFS, joined across quiet gaps
// shorter than `gap` seconds. Each is {start, length} in seconds.
struct Stretch {
    double start;
    double length;
};
std::vector<Stretch> SoundStretches(const std::vector<std::int16_t>& samples, double gap = 0.5);
int PeakOf(const std::vector<std::int16_t>& samples);
// Seconds at which a sound starts: a 10 ms window louder than -50 dBFS and about 10 dB louder
// than the window 20 ms before it; starts closer than 0.1 s to the one before count once.
std::vector<double> Attacks(const std::vector<std::int16_t>& samples);
// The longest run of 10 ms windows quieter than -50 dBFS between the two output frames, in
// seconds.
double LongestSilence(const std::vector<std::int16_t>& samples, std::uint64_t from,
                      std::uint64_t to);
// The output frame where the first window louder than -50 dBFS at or after `from` starts;
// nothing when none is.
std::optional<std::uint64_t> FirstSound(const std::vector<std::int16_t>& samples,
                                        std::uint64_t from);

} // namespace lexiglade::test
