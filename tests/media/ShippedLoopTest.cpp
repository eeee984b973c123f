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

constexpr std::uint64_t WindowFrames = OutputRate / 100;
constexpr double WindowSeconds = 0.01;
constexpr double SilenceDbfs = -50;
constexpr double FirstSoundSeconds = 0.05;
constexpr double MostSilenceAtLoop = 0.05;
constexpr double SeamSeconds = 2.0; // looked at on each side of the loop point

// The level in dBFS of each 10 ms window of a whole pass of the track and the start of the next;
// the channels are reset at the start of the pass, as the music channel does, while what
// sounds rings on.
std::vector<double> LoopedLevels(MusicSynth& synth, const MidiSequence& sequence) {
    const std::uint64_t end = sequence.endFrame;
    std::vector<float> left(WindowFrames);
    std::vector<float> right(WindowFrames);
    std::vector<double> levels;
    std::uint64_t passStart = 0;
    std::size_t next = 0;
    const std::uint64_t frames = end + static_cast<std::uint64_t>(SeamSeconds * OutputRate);
    for (std::uint64_t window = 0; window + WindowFrames <= frames; window += WindowFrames) {
        double sum = 0;
        for (std::uint64_t at = window; at < window + WindowFrames;) {
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
            const auto count = static_cast<int>(std::min(window + WindowFrames, due) - at);
            synth.Render(left.data(), right.data(), count);
            for (int i = 0; i < count; ++i) {
                sum += left[static_cast<std::size_t>(i)] * left[static_cast<std::size_t>(i)] +
                       right[static_cast<std::size_t>(i)] * right[static_cast<std::size_t>(i)];
            }
            at += static_cast<std::uint64_t>(count);
        }
        levels.push_back(10 * std::log10(sum / (2.0 * WindowFrames) + 1e-20));
    }
    return levels;
}

double LongestSilence(const std::vector<double>& levels, std::size_t from, std::size_t to) {
    std::size_t longest = 0;
    std::size_t run = 0;
    for (std::size_t w = from; w < std::min(to, levels.size()); ++w) {
        run = levels[w] < SilenceDbfs ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return static_cast<double>(longest) * WindowSeconds;
}

TEST(ShippedLoop, EveryTrackSoundsAtOnceAndLoopsWithoutSilence) {
    TempFolder folder;
    sounds::WriteSoundSet(folder.Path());
    MusicSynth synth(OutputRate, SystemSoundFont());
    ASSERT_EQ(synth.Error(), "");
    for (const std::string& name : sounds::SoundFileNames()) {
        if (name.ends_with(".mid")) {
            SCOPED_TRACE(name);
            const MidiSequence sequence = ReadMidiFile(folder / name, OutputRate);
            const std::vector<double> levels = LoopedLevels(synth, sequence);
            const auto firstLoud = std::find_if(levels.begin(), levels.end(),
                                                [](double level) { return level >= SilenceDbfs; });
            EXPECT_LE(static_cast<double>(firstLoud - levels.begin()) * WindowSeconds,
                      FirstSoundSeconds);
            const std::size_t seam = sequence.endFrame / WindowFrames;
            const auto side = static_cast<std::size_t>(SeamSeconds / WindowSeconds);
            EXPECT_LT(LongestSilence(levels, seam - side, seam + side), MostSilenceAtLoop);
            synth.Silence();
        }
    }
}

} // namespace
} // namespace lexiglade::test
