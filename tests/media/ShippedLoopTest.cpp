// The seven shipped tracks as the synthesiser sounds them when they loop, each pass starting the
// moment the one before ends: their first note is heard at once and their seam is never silent.
#include "DiskAudio.h"
#include "TempFolder.h"
#include "platform/audio/MidiSequence.h"
#include "platform/audio/MusicSynth.h"
#include "tools/make_sounds/SoundSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace lexiglade::test {
namespace {

constexpr std::uint64_t kWindowFrames = kOutputRate / 100;
constexpr double kWindowSeconds = 0.01;
constexpr double kSilenceDbfs = -50;
constexpr double kFirstSoundSeconds = 0.05;
constexpr double kMostSilenceAtLoop = 0.05;
constexpr double kSeamSeconds = 2.0; // looked at on each side of the loop point

// The level in dBFS of each 10 ms window of a whole pass of the track and the start of the next;
// the channels are reset at the start of the pass, as the music channel does, while what
// sounds rings on.
std::vector<double> LoopedLevels(MusicSynth& synth, const MidiSequence& sequence) {
    const std::uint64_t end = sequence.endFrame;
    std::vector<float> left(kWindowFrames);
    std::vector<float> right(kWindowFrames);
    std::vector<double> levels;
    std::uint64_t passStart = 0;
    std::size_t next = 0;
    const std::uint64_t frames = end + static_cast<std::uint64_t>(kSeamSeconds * kOutputRate);
    for (std::uint64_t window = 0; window + kWindowFrames <= frames; window += kWindowFrames) {
        double sum = 0;
        for (std::uint64_t at = window; at < window + kWindowFrames;) {
            if (next == sequence.messages.size() && passStart + end <= at) {
                passStart += end;
                next = 0;
                synth.ResetChannels();
            }
            while (next < sequence.messages.size() &&
                   passStart + sequence.messages[next].frame <= at) {
                synth.Send(sequence.messages[next++]);
            }
            const std::uint64_t due = next < sequence.messages.size()
                                          ? passStart + sequence.messages[next].frame
                                          : passStart + end;
            const auto count = static_cast<int>(std::min(window + kWindowFrames, due) - at);
            synth.Render(left.data(), right.data(), count);
            for (int i = 0; i < count; ++i) {
                sum += left[static_cast<std::size_t>(i)] * left[static_cast<std::size_t>(i)] +
                       right[static_cast<std::size_t>(i)] * right[static_cast<std::size_t>(i)];
            }
            at += static_cast<std::uint64_t>(count);
        }
        levels.push_back(10 * std::log10(sum / (2.0 * kWindowFrames) + 1e-20));
    }
    return levels;
}

double LongestSilence(const std::vector<double>& levels, std::size_t from, std::size_t to) {
    std::size_t longest = 0;
    std::size_t run = 0;
    for (std::size_t w = from; w < std::min(to, levels.size()); ++w) {
        run = levels[w] < kSilenceDbfs ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return static_cast<double>(longest) * kWindowSeconds;
}

TEST(ShippedLoop, EveryTrackSoundsAtOnceAndLoopsWithoutSilence) {
    TempFolder folder;
    sounds::WriteSoundSet(folder.Path());
    MusicSynth synth(kOutputRate, SystemSoundFont());
    ASSERT_EQ(synth.Error(), "");
    for (const std::string& name : sounds::SoundFileNames()) {
        if (name.ends_with(".mid")) {
            SCOPED_TRACE(name);
            const MidiSequence sequence = ReadMidiFile(folder / name, kOutputRate);
            const std::vector<double> levels = LoopedLevels(synth, sequence);
            const auto firstLoud = std::find_if(levels.begin(), levels.end(),
                                                [](double level) { return level >= kSilenceDbfs; });
            EXPECT_LE(static_cast<double>(firstLoud - levels.begin()) * kWindowSeconds,
                      kFirstSoundSeconds);
            const std::size_t seam = sequence.endFrame / kWindowFrames;
            const auto side = static_cast<std::size_t>(kSeamSeconds / kWindowSeconds);
            EXPECT_LT(LongestSilence(levels, seam - side, seam + side), kMostSilenceAtLoop);
            synth.Silence();
        }
    }
}

} // namespace
} // namespace lexiglade::test
