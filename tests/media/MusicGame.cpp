#include "MusicGame.h"

#include "tools/make_sounds/Midi.h"

namespace lexiglade::test {

MusicGame::MusicGame(std::string track, bool musicOn) : MusicOn(musicOn), Track(std::move(track)) {
    MPlayer.OnCommand = [this](const SentCommand& command) { Commands.push_back(command); };
    MPlayer.OnNotify = [this] {
        Reports.push_back(MPlayer.NotifyValue);
        if (RestartsMusic(MPlayer, MusicOn)) {
            ++RestartsByNotify;
            StartMusic();
        }
    };
}

void MusicGame::StartMusic() {
    lexiglade::StartMusic(MPlayer, MusicOn, GameOver, Track);
}

void MusicGame::EndGame() {
    GameOver = true;
    if (MusicOn) {
        StopMusic(MPlayer);
    }
}

std::vector<std::uint8_t> ShortTrack(double seconds) {
    sounds::MidiFile file(480);
    sounds::MidiTrack& track = file.AddTrack();
    track.Tempo(0, 500000); // two beats a second
    track.ProgramChange(0, 0, 0);
    const auto length = static_cast<std::uint32_t>(seconds * 960);
    for (const int key : {60, 64, 67}) {
        track.Note(0, length, 0, key, 90);
    }
    return file.Serialise();
}

std::vector<std::uint8_t> AccentedTrack(double seconds) {
    sounds::MidiFile file(480);
    sounds::MidiTrack& track = file.AddTrack();
    track.Tempo(0, 500000);
    track.ProgramChange(0, 0, 0);
    const auto accent = static_cast<std::uint32_t>(kAccentSeconds * 960);
    for (const int key : {60, 64, 67}) {
        track.Note(0, accent, 0, key, 110);
    }
    track.Note(accent, static_cast<std::uint32_t>(seconds * 960) - accent, 0, 48, 50);
    return file.Serialise();
}

} // namespace lexiglade::test
