// The music where the player hears its seams, read from the samples of the disk audio driver: a
// looping track leaves no silence where one pass ends and the next begins, a game's first note
// sounds with the first buffer mixed after the music starts, and the soundfont is read once.
#include "DiskAudio.h"
#include "MusicGame.h"
#include "TempFolder.h"
#include "platform/audio/MusicSynth.h"

#include <gtest/gtest.h>

namespace lexiglade::test {
namespace {

constexpr double kMostSilenceAtLoop = 0.05;
constexpr double kPassSeconds = 0.5;
constexpr double kWindowSeconds = 0.01;
constexpr std::uint64_t kWindowFrames = kOutputRate / 100;

class MusicLoop : public testing::Test {
  protected:
    void SetUp() override { WriteFile(track_, ShortTrack()); }

    TempFolder folder_;
    std::string track_ = folder_ / "track.mid";
};

// However late the restart comes, it takes over a pass that began where the last one ended.
TEST_F(MusicLoop, NoSilenceWhereOnePassEndsAndTheNextBegins) {
    DiskOutput output(folder_.Path());
    MusicGame game(track_);
    game.StartMusic();
    ASSERT_TRUE(WaitFor([&] { return game.RestartsByNotify >= 3; }));
    const std::uint64_t lastPass = AudioOutput::FramesMixed();
    game.EndGame();
    output.Close();
    const std::vector<std::int16_t> samples = output.Samples();
    const std::optional<std::uint64_t> first = FirstSound(samples, 0);
    ASSERT_TRUE(first) << "nothing sounded";
    EXPECT_LT(LongestSilence(samples, *first, output.FileFrame(lastPass)), kMostSilenceAtLoop);
}

// Each pass of a track with an accented start begins exactly where the one before ended.
TEST_F(MusicLoop, EachPassStartsWhereTheLastEnded) {
    WriteFile(track_, AccentedTrack(kPassSeconds));
    DiskOutput output(folder_.Path());
    MusicGame game(track_);
    game.StartMusic();
    ASSERT_TRUE(WaitFor([&] { return game.RestartsByNotify >= 4; }));
    game.EndGame();
    output.Close();
    const std::vector<double> attacks = Attacks(output.Samples());
    ASSERT_GE(attacks.size(), 4u);
    for (std::size_t i = 1; i + 1 < attacks.size(); ++i) {
        EXPECT_NEAR(attacks[i] - attacks[i - 1], kPassSeconds, 2 * kWindowSeconds) << i;
    }
}

// The play starts with the next buffer the output mixes once StartMusic has returned; the chord
// then takes less than a window to pass -50 dBFS.
TEST_F(MusicLoop, FirstNoteSoundsWithTheNextBufferMixed) {
    DiskOutput output(folder_.Path());
    ASSERT_TRUE(WaitFor([] { return AudioOutput::FramesMixed() > kOutputRate / 10; }));
    MusicGame game(track_);
    game.StartMusic();
    const std::uint64_t started = AudioOutput::FramesMixed();
    ASSERT_TRUE(WaitFor([&] { return AudioOutput::FramesMixed() > started + kOutputRate / 2; }));
    game.EndGame();
    output.Close();
    const std::optional<std::uint64_t> first = FirstSound(output.Samples(), 0);
    ASSERT_TRUE(first) << "nothing sounded";
    EXPECT_LE(*first, output.FileFrame(started) + kOutputBufferFrames + 2 * kWindowFrames);
}

// The soundfont read for the output is the only one: repaints, passes and a second game read none.
TEST_F(MusicLoop, SoundfontIsReadOnceForTheOutput) {
    const int before = MusicSynth::SoundFontLoads();
    DiskOutput output(folder_.Path());
    for (int gameNumber = 0; gameNumber < 2; ++gameNumber) {
        MusicGame game(track_);
        game.StartMusic();
        game.StartMusic(); // a repaint
        ASSERT_TRUE(WaitFor([&] { return game.RestartsByNotify >= 2; }));
        game.EndGame();
    }
    EXPECT_EQ(MusicSynth::SoundFontLoads(), before + 1);
}

} // namespace
} // namespace lexiglade::test
