// The background music's command sequence and reports, played through the disk audio driver.
#include "DiskAudio.h"
#include "MusicGame.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lexiglade::test {
namespace {

using C = PlayerCommand;
using R = NotifyResult;

constexpr double kShortTrackSeconds = 0.5;
// Far longer than the output plays while a test waits 150 ms (about 3.5 s), so that such a wait
// ends mid-play even on a busy machine.
constexpr double kPlayingTrackSeconds = 10.0;
constexpr double kEndlessTrackSeconds = 60.0;

struct Expected {
    PlayerCommand command;
    bool notify;
    bool wait;
};

void ExpectCommands(const std::vector<SentCommand>& sent, std::size_t from,
                    const std::vector<Expected>& expected) {
    ASSERT_EQ(sent.size() - from, expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const SentCommand& s = sent[from + i];
        EXPECT_EQ(s.command, expected[i].command) << i;
        EXPECT_EQ(s.notify, expected[i].notify) << i;
        EXPECT_EQ(s.wait, expected[i].wait) << i;
        EXPECT_FALSE(s.refused) << i;
    }
}

class Music : public testing::Test {
  protected:
    void SetUp() override {
        WriteFile(track_, ShortTrack(kPlayingTrackSeconds));
        ASSERT_TRUE(AudioOutput::IsOpen()) << AudioOutput::OpenError();
    }
    // Waits until `count` reports have come in.
    static bool ReportsReach(const MusicGame& game, std::size_t count) {
        return WaitFor([&] { return game.Reports.size() >= count; });
    }

    TempFolder folder_;
    std::string track_ = folder_ / "track.mid";
    DiskOutput output_{folder_.Path()};
};

// Each end of the track reports success, and the track is closed, opened and played again from
// its beginning: the output holds one attack of the chord per pass, each after a whole pass.
TEST_F(Music, TrackThatEndsStartsAgainFromItsBeginning) {
    const std::string accented = folder_ / "accented.mid";
    WriteFile(accented, AccentedTrack(kShortTrackSeconds));
    MusicGame game(accented);
    game.StartMusic();
    ExpectCommands(game.Commands, 0, {{C::Open, false, true}, {C::Play, true, false}});
    ASSERT_TRUE(WaitFor([&] { return game.RestartsByNotify >= 2; }));
    // A restart closes with neither wait nor notify, then opens and plays as the first time.
    ExpectCommands(game.Commands, 2,
                   {{C::Close, false, false},
                    {C::Open, false, true},
                    {C::Play, true, false},
                    {C::Close, false, false},
                    {C::Open, false, true},
                    {C::Play, true, false}});
    EXPECT_EQ(game.Reports, (std::vector<R>{R::Successful, R::Successful}));
    game.EndGame();
    Settle(50);
    output_.Close();
    const std::vector<double> attacks = Attacks(output_.Samples());
    ASSERT_GE(attacks.size(), 2u) << "the track did not sound again";
    for (std::size_t i = 1; i < attacks.size(); ++i) {
        EXPECT_NEAR(attacks[i] - attacks[i - 1], kShortTrackSeconds, 0.02) << "a whole pass";
    }
}

// A repaint restarts the track; the play it cut off reports Aborted and starts nothing.
TEST_F(Music, RepaintRestartsTheTrackAndTheCutOffPlayStartsNothing) {
    const int waits[] = {0, 150}; // before the track is ready, and while it plays
    for (const int wait : waits) {
        MusicGame game(track_);
        game.StartMusic();
        Settle(wait);
        const std::size_t reports = game.Reports.size();
        const int restarts = game.RestartsByNotify;
        game.StartMusic();
        ASSERT_TRUE(ReportsReach(game, reports + 2)) << wait;
        EXPECT_EQ(game.Reports[reports], R::Aborted) << wait;
        EXPECT_EQ(game.Reports[reports + 1], R::Successful) << wait;
        EXPECT_EQ(game.RestartsByNotify, restarts + 1) << wait;
        game.EndGame();
        Settle(20);
    }
}

// EndGame's stop reports Aborted for the play and Successful for itself; the restart that the
// success asks for finds the game over and the player closed, and sends nothing.
TEST_F(Music, EndGameLeavesThePlayerClosedAndStartsNothing) {
    const std::string endless = folder_ / "endless.mid";
    WriteFile(endless, ShortTrack(kEndlessTrackSeconds));
    MusicGame game(endless);
    game.StartMusic();
    Settle(150);
    const std::size_t before = game.Commands.size();
    const std::size_t reports = game.Reports.size();
    game.EndGame();
    ExpectCommands(game.Commands, before, {{C::Stop, true, false}, {C::Close, false, true}});
    ASSERT_TRUE(ReportsReach(game, reports + 2));
    Settle(300);
    EXPECT_EQ(std::vector<R>(game.Reports.begin() + static_cast<long>(reports), game.Reports.end()),
              (std::vector<R>{R::Aborted, R::Successful}));
    EXPECT_EQ(game.Commands.size(), before + 2);
    EXPECT_FALSE(game.MPlayer.DeviceOpen());
}

// With music off no command is ever sent and nothing sounds.
TEST_F(Music, MusicOffSendsNoCommand) {
    MusicGame game(track_, false);
    game.StartMusic();
    game.StartMusic();
    game.EndGame();
    game.StartMusic();
    Settle(200);
    EXPECT_TRUE(game.Commands.empty());
    EXPECT_TRUE(game.Reports.empty());
    output_.Close();
    EXPECT_EQ(PeakOf(output_.Samples()), 0);
}

TEST_F(Music, MusicRendersTheMidiTrack) {
    MediaPlayer player;
    player.FileName = track_;
    player.Open();
    player.SetWait(true);
    player.Play(); // returns when the track has ended
    EXPECT_TRUE(player.DeviceOpen());
    player.Close();
    output_.Close();
    const std::vector<Stretch> sound = SoundStretches(output_.Samples());
    ASSERT_EQ(sound.size(), 1u);
    EXPECT_GE(sound[0].length, 0.4);
    EXPECT_GT(PeakOf(output_.Samples()), 1000);
}

// An open or close with notify reports its own success; a close without a device is refused
// quietly.
TEST_F(Music, NotifiedCommandsReportTheirOwnSuccess) {
    MediaPlayer player;
    std::vector<NotifyResult> reports;
    std::vector<SentCommand> sent;
    player.OnNotify = [&] { reports.push_back(player.NotifyValue); };
    player.OnCommand = [&](const SentCommand& command) { sent.push_back(command); };
    player.FileName = track_;
    player.SetNotify(true);
    player.Open();
    player.SetNotify(true);
    player.Close();
    player.SetNotify(true);
    player.Close();
    ASSERT_TRUE(WaitFor([&] { return reports.size() >= 2; }));
    Settle(50);
    EXPECT_EQ(reports, (std::vector<R>{R::Successful, R::Successful}));
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_FALSE(sent[1].refused);
    EXPECT_TRUE(sent[2].refused);
}

} // namespace
} // namespace lexiglade::test
