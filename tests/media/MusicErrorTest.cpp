// A track that cannot be opened is reported once per game; a machine without sound is silent.
#include "DiskAudio.h"
#include "MusicGame.h"
#include "TempFolder.h"
#include "platform/GdiError.h"
#include "platform/SurfaceForm.h"
#include "platform/audio/WaveSound.h"
#include "tools/make_sounds/Chime.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace lexiglade::test {
namespace {

// A screen whose every paint ends by starting the music, as the puzzle screen's does.
class MusicScreen : public SurfaceForm {
  public:
    explicit MusicScreen(MusicGame& game) : game_(game) { resize(320, 200); }

  protected:
    void FormPaint() override {
        Surface().fill(Qt::black);
        game_.StartMusic();
    }

  private:
    MusicGame& game_;
};

// Answers every message box with its first button and keeps its text.
class ModalDriver {
  public:
    ModalDriver() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                if (box->isVisible()) {
                    texts.push_back(box->text().toStdString());
                    box->buttons().value(0)->click();
                }
            }
        });
        timer_.start();
    }
    std::vector<std::string> texts;

  private:
    QTimer timer_;
};

struct BadTrack {
    const char* name;
    std::vector<std::uint8_t> bytes; // empty: no file at all
    const char* error;
};

// A track chunk of the right length whose first event is a data byte with no status before it.
std::vector<std::uint8_t> TrackWithoutStatus() {
    return {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0,  0,   0, 1,    1,    0xE0, 'M',
            'T', 'r', 'k', 0,   0, 0, 7, 0, 60, 100, 0, 0xFF, 0x2F, 0};
}

std::vector<BadTrack> BadTracks() {
    std::vector<std::uint8_t> truncated = ShortTrack();
    truncated.resize(truncated.size() - 5);
    return {{"missing.mid", {}, "Cannot open file "},
            {"garbage.mid", {'n', 'o', 't', ' ', 'm', 'i', 'd', 'i'}, "Cannot play file "},
            {"truncated.mid", truncated, "Cannot play file "},
            {"damaged.mid", TrackWithoutStatus(), "Cannot play file "}};
}

// Plays two games on a screen whose every paint starts `track`: each paint fails the same way,
// but only the first failure of each game shows a box, whose text starts with `error`; EndGame
// then completes without a device.
void ExpectOneErrorBoxPerGame(const std::string& track, const std::string& error) {
    ModalDriver answerer;
    for (int gameNumber = 1; gameNumber <= 2; ++gameNumber) {
        MusicGame game(track);
        MusicScreen screen(game);
        screen.show();
        ASSERT_TRUE(WaitFor([&] { return answerer.texts.size() == std::size_t(gameNumber); }));
        for (int repaint = 0; repaint < 3; ++repaint) {
            const int paints = screen.FormPaintCount();
            screen.InvalidateForm();
            ASSERT_TRUE(WaitFor([&] { return screen.FormPaintCount() > paints; }));
        }
        Settle(50);
        EXPECT_EQ(answerer.texts.size(), std::size_t(gameNumber));
        EXPECT_EQ(answerer.texts.back().rfind(error, 0), 0u) << answerer.texts.back();
        EXPECT_NO_THROW(game.EndGame());
        EXPECT_FALSE(game.MPlayer.DeviceOpen());
        EXPECT_TRUE(game.Reports.empty());
        screen.hide();
    }
}

TEST(MusicErrors, TrackThatCannotBeOpenedShowsOneErrorBoxPerGame) {
    for (const BadTrack& bad : BadTracks()) {
        SCOPED_TRACE(bad.name);
        TempFolder folder;
        const std::string path = folder / bad.name;
        if (!bad.bytes.empty()) {
            WriteFile(path, bad.bytes);
        }
        DiskOutput output(folder.Path());
        ExpectOneErrorBoxPerGame(path, bad.error + path);
    }
}

// Without a soundfont the synthesiser refuses every track, and the player is told why; the
// effects still play.
TEST(MusicErrors, SoundfontThatCannotBeLoadedShowsOneErrorBoxPerGame) {
    std::vector<std::uint8_t> cut = ReadFile(SystemSoundFont());
    cut.resize(cut.size() / 2);
    const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> soundFonts = {
        {"missing.sf2", {}}, {"garbage.sf2", {'n', 'o', ' ', 's', 'f', '2'}}, {"cut.sf2", cut}};
    for (const auto& [name, bytes] : soundFonts) {
        SCOPED_TRACE(name);
        TempFolder folder;
        const std::string soundFont = folder / name;
        if (!bytes.empty()) {
            WriteFile(soundFont, bytes);
        }
        WriteFile(folder / "track.mid", ShortTrack());
        DiskOutput output(folder.Path(), 1, soundFont);
        ASSERT_TRUE(AudioOutput::IsOpen());
        ExpectOneErrorBoxPerGame(folder / "track.mid", "Cannot load sound font " + soundFont);
        WriteFile(folder / "s2.asl",
                  sounds::WaveFile(sounds::ChimeSamples(), sounds::kChimeRate, 1));
        WaveSound(folder / "s2.asl").Play();
        const std::uint64_t from = AudioOutput::FramesMixed();
        ASSERT_TRUE(WaitFor([&] { return AudioOutput::FramesMixed() > from + kOutputRate / 2; }));
        output.Close();
        EXPECT_GT(PeakOf(output.Samples()), 1000) << "the chime did not play";
    }
}

TEST(MusicErrors, OpenRaisesThePlatformError) {
    TempFolder folder;
    DiskOutput output(folder.Path());
    MediaPlayer player;
    player.FileName = folder / "absent.mid";
    try {
        player.Open();
        FAIL() << "no error";
    } catch (const PlatformError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file " + player.FileName);
    }
    EXPECT_FALSE(player.DeviceOpen());
}

// Without an audio device effects and music do nothing: no error, no report, no restart.
TEST(MusicErrors, WithoutAnAudioDeviceTheGameIsSilent) {
    TempFolder folder;
    WriteFile(folder / "track.mid", ShortTrack());
    const auto output = OpenWithoutDevice();
    EXPECT_FALSE(AudioOutput::IsOpen());
    EXPECT_FALSE(AudioOutput::OpenError().empty());
    EXPECT_NO_THROW(WaveSound(folder / "track.mid").Play());
    for (const std::string& track : {folder / "track.mid", folder / "absent.mid"}) {
        MusicGame game(track);
        EXPECT_NO_THROW(game.StartMusic());
        EXPECT_NO_THROW(game.StartMusic());
        Settle(100);
        EXPECT_TRUE(game.Reports.empty());
        EXPECT_NO_THROW(game.EndGame());
        Settle(50);
        EXPECT_TRUE(game.Reports.empty());
        EXPECT_FALSE(game.MPlayer.DeviceOpen());
    }
}

} // namespace
} // namespace lexiglade::test
