// The real puzzle screen with music and sounds on, played through SDL's disk audio driver: the
// commands its paint, the end of a track, a repaint and the end of the game send to the player.
#include "GameFixture.h"
#include "GameLog.h"
#include "MusicGame.h"

#include "platform/audio/AudioOutput.h"
#include "tools/make_sounds/Chime.h"
#include "ui/GameContext.h"

#include <QTest>

#include <cstdlib>
#include <memory>
#include <vector>

namespace lexiglade::test {
namespace {

using C = PlayerCommand;

constexpr double kTrackSeconds = 0.5;
constexpr int kWaitMs = 8000;
constexpr const char* kTracks[] = {"arc1.mid", "arc3.mid",  "arc4.mid", "arc5.mid",
                                   "arc8.mid", "arc10.mid", "arc11.mid"};

struct Sent {
    C command;
    bool notify;
    bool wait;
    bool operator==(const Sent&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Sent& s) {
    return out << static_cast<int>(s.command) << (s.notify ? " notify" : "")
               << (s.wait ? " wait" : "");
}

class PuzzleScreenMusic : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        for (const char* track : kTracks) {
            const std::vector<std::uint8_t> bytes = ShortTrack(kTrackSeconds);
            folder.Write(track, std::string(bytes.begin(), bytes.end()));
        }
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", (folder / "output.raw").c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "1", 1); // about twenty times real time
        output = std::make_unique<AudioOutput>();
        ASSERT_TRUE(AudioOutput::IsOpen()) << AudioOutput::OpenError();
        context.State.GameOptions.soundsOn = true;
        context.State.GameOptions.musicOn = true;
    }
    void TearDown() override {
        GameTest::TearDown();
        output.reset();
    }

    // Starts recording the commands the form's player sends and the reports it receives.
    void Listen() {
        form->MPlayer.OnCommand = [this](const SentCommand& c) {
            EXPECT_FALSE(c.refused);
            sent.push_back({c.command, c.notify, c.wait});
        };
    }
    // The `count` commands sent from the `from`th on.
    std::vector<Sent> Slice(std::size_t from, std::size_t count) const {
        const auto first = sent.begin() + static_cast<long>(from);
        return {first, first + static_cast<long>(count)};
    }

    std::unique_ptr<AudioOutput> output;
    std::vector<Sent> sent;
};

TEST_F(PuzzleScreenMusic, PaintTrackEndRepaintAndEndGameSendTheirCommands) {
    const std::vector<Sent> restart = {
        {C::Close, false, false}, {C::Open, false, true}, {C::Play, true, false}};
    OpenGame(SavannaPuzzle());
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->MPlayer.DeviceOpen()) << "the first paint opened a track";
    EXPECT_EQ(form->MPlayer.FileName, folder / form->MusicTrack);
    Listen();

    // The track ends: the report restarts it from its beginning.
    ASSERT_TRUE(WaitFor([&] { return sent.size() >= restart.size(); }, kWaitMs));
    EXPECT_EQ(Slice(0, restart.size()), restart);

    // A repaint restarts it too; the play it cuts off starts nothing more.
    const std::size_t beforeRepaint = sent.size();
    form->InvalidateForm();
    form->repaint();
    ASSERT_GE(sent.size(), beforeRepaint + restart.size());
    EXPECT_EQ(Slice(beforeRepaint, restart.size()), restart);

    // The End hotspot stops and closes the player; the report of the stop starts nothing.
    const QPoint end(form->BoardLeft + form->BoardWidth + 20,
                     form->BoardTop + form->BoardHeight + 10);
    form->MPlayer.OnCommand = [this](const SentCommand& c) {
        sent.push_back({c.command, c.notify, c.wait});
    };
    const std::size_t beforeEnd = sent.size();
    QTest::mousePress(form.data(), Qt::LeftButton, {}, end);
    const std::vector<Sent> stop = {{C::Stop, true, false}, {C::Close, false, true}};
    ASSERT_GE(sent.size(), beforeEnd + stop.size());
    EXPECT_EQ(Slice(beforeEnd, stop.size()), stop);
    WaitFor([] { return false; }, 500);
    EXPECT_EQ(sent.size(), beforeEnd + stop.size()) << "nothing starts after the end";
    EXPECT_TRUE(answerer.Boxes().empty());
}

// Start-up does not wait for the soundfont: it is read once the catalogue is on the screen.
TEST_F(PuzzleScreenMusic, TheSoundfontIsReadOnceTheCatalogueIsShown) {
    Tmain catalogue(context);
    catalogue.resize(800, 600);
    EXPECT_FALSE(AudioOutput::MusicPrepared()) << "before the catalogue is shown";
    catalogue.show();
    ASSERT_TRUE(WaitFor([&] { return catalogue.FormPaintCount() > 0; }, kWaitMs));
    EXPECT_TRUE(WaitFor([] { return AudioOutput::MusicPrepared(); }, kWaitMs));
}

// Normal play leaves nothing in the log: the music of every paint and of every pass, the chime of
// every find, the win, the best time and the end of the game.
TEST_F(PuzzleScreenMusic, AWholeGameLogsNothing) {
    const std::vector<std::uint8_t> chime =
        sounds::WaveFile(sounds::ChimeSamples(), sounds::ChimeRate, 1);
    folder.Write("s2.asl", std::string(chime.begin(), chime.end()));
    const GameLog log;
    OpenGame(SavannaPuzzle());
    ASSERT_TRUE(form);
    Listen();
    ASSERT_TRUE(WaitFor([&] { return sent.size() >= 3; }, kWaitMs)) << "a pass ended";
    const std::vector<PlacedWord> words = form->Session.Grids().PlacedWords;
    for (const PlacedWord& word : words) {
        Drag(word.start, word.end);
    }
    EXPECT_TRUE(Released());
    EXPECT_EQ(answerer.Boxes().size(), 2u) << "the win and the best time";
    EXPECT_TRUE(log.Messages().empty()) << log.Joined().toStdString();
}

} // namespace
} // namespace lexiglade::test
