// Each failure the game plays on after leaves one warning in lexiglade.audio that names the file
// and says why, however often the game meets it.
#include "DiskAudio.h"
#include "GameLog.h"
#include "MusicGame.h"
#include "TempFolder.h"

#include "media/Sound.h"
#include "platform/audio/SoundFontSearch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace lexiglade::test {
namespace {

// Starts the music of two games on `track`, as their paints do; true when any start failed.
bool StartTwice(const std::string& track) {
    bool failed = false;
    for (int game = 0; game < 2; ++game) {
        MusicGame music(track);
        try {
            music.StartMusic();
        } catch (const std::exception&) {
            failed = true;
        }
        music.EndGame();
    }
    return failed;
}

void PlayEffectTwice(const TempFolder& data) {
    for (int find = 0; find < 2; ++find) {
        PlaySoundEffect(SoundEffect::FoundWord, true, {data.Path(), data.Path()});
    }
}

TEST(AudioWarnings, EachFailureLeavesOneWarningNamingFileAndReason) {
    if (!ConfiguredSoundFont().empty()) {
        GTEST_SKIP() << "the game finds the soundfont it was configured with";
    }
    struct Case {
        const char* what;
        std::function<void(const TempFolder&)> fail;
        std::vector<std::string> named; // in the warning: files of the folder, then reasons
    };
    const Case cases[] = {
        {"effect missing",
         [](const TempFolder& f) { PlayEffectTwice(f); },
         {"s2.asl", "No such file"}},
        {"effect no wave",
         [](const TempFolder& f) {
             WriteBytes(f / "s2.asl", "RIFF and nothing more");
             PlayEffectTwice(f);
         },
         {"s2.asl", "WAVE"}},
        {"no soundfont",
         [](const TempFolder& f) {
             setenv("XDG_DATA_DIRS", f.Path().c_str(), 1);
             setenv("SDL_AUDIODRIVER", "dummy", 1);
             const AudioOutput output;
             WriteFile(f / "track.mid", ShortTrack());
             EXPECT_FALSE(StartTwice(f / "track.mid")) << "the game plays on without music";
             unsetenv("XDG_DATA_DIRS");
         },
         {"sounds/sf2", "soundfonts", "without music"}},
        {"soundfont refused",
         [](const TempFolder& f) {
             WriteBytes(f / "bad.sf2", "no soundfont");
             const DiskOutput output(f.Path(), 1, f / "bad.sf2");
             WriteFile(f / "track.mid", ShortTrack());
             EXPECT_TRUE(StartTwice(f / "track.mid")) << "the error box tells the player";
         },
         {"bad.sf2", "Not a SoundFont"}},
        {"track refused",
         [](const TempFolder& f) {
             WriteBytes(f / "track.mid", "no MIDI");
             const DiskOutput output(f.Path());
             EXPECT_TRUE(StartTwice(f / "track.mid"));
         },
         {"track.mid", "not a standard MIDI file"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TempFolder folder;
        const GameLog log;
        c.fail(folder);
        ASSERT_EQ(log.Messages().size(), 1u) << log.Joined().toStdString();
        const QString warning = log.Messages().front();
        EXPECT_TRUE(warning.startsWith(QStringLiteral("lexiglade.audio: ")))
            << warning.toStdString();
        for (std::size_t k = 0; k < c.named.size(); ++k) {
            const std::string part = k == 0 ? folder / c.named[k] : c.named[k];
            EXPECT_TRUE(warning.contains(QString::fromStdString(part), Qt::CaseInsensitive))
                << part << " in " << warning.toStdString();
        }
    }
}

} // namespace
} // namespace lexiglade::test
