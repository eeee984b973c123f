// A track that cannot be opened is reported once per game; a machine without sound is silent.
#include "DiskAudio.h"
#include "MusicGame.h"
#include "TempFolder.h"
#include "platform/GdiError.h"
#include "platform/SurfaceForm.h"

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
class BoxAnswerer {
  public:
    BoxAnswerer() {
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

std::vector<BadTrack> BadTracks() {
    std::vector<std::uint8_t> truncated = ShortTrack();
    truncated.resize(truncated.size() - 5);
    return {{"missing.mid", {}, "Cannot open file "},
            {"garbage.mid", {'n', 'o', 't', ' ', 'm', 'i', 'd', 'i'}, "Cannot play file "},
            {"truncated.mid", truncated, "Cannot play file "}};
}

// Every paint of a game tries the track again and fails the same way, but only the first
// failure of each game shows the box; EndGame then completes without a device.
TEST(MusicErrors, TrackThatCannotBeOpenedShowsOneErrorBoxPerGame) {
    for (const BadTrack& bad : BadTracks()) {
        TempFolder folder;
        const std::string path = folder / bad.name;
        if (!bad.bytes.empty()) {
            WriteFile(path, bad.bytes);
        }
        DiskOutput output(folder.Path());
        BoxAnswerer answerer;
        for (int gameNumber = 1; gameNumber <= 2; ++gameNumber) {
            MusicGame game(path);
            MusicScreen screen(game);
            screen.show();
            ASSERT_TRUE(WaitFor([&] { return answerer.texts.size() == std::size_t(gameNumber); }))
                << bad.name;
            for (int repaint = 0; repaint < 3; ++repaint) {
                const int paints = screen.FormPaintCount();
                screen.InvalidateForm();
                ASSERT_TRUE(WaitFor([&] { return screen.FormPaintCount() > paints; }));
            }
            Settle(50);
            EXPECT_EQ(answerer.texts.size(), std::size_t(gameNumber)) << bad.name;
            EXPECT_EQ(answerer.texts.back().rfind(bad.error + path, 0), 0u)
                << answerer.texts.back();
            EXPECT_NO_THROW(game.EndGame());
            EXPECT_FALSE(game.MPlayer.DeviceOpen());
            screen.hide();
        }
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
    EXPECT_NO_THROW(PlayWaveFile(folder / "track.mid"));
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
