#include "media/Music.h"

namespace lexiglade {

void StartMusic(MediaPlayer& player, bool musicOn, bool gameOver, const std::string& trackPath) {
    if (!musicOn) {
        return;
    }
    if (gameOver) {
        if (player.DeviceOpen()) {
            player.Close();
        }
        return;
    }
    player.SetNotify(false);
    player.FileName = trackPath;
    player.Open();
    player.Play();
    // For the stop at the end of the game.
    player.SetWait(false);
    player.SetNotify(true);
}

bool RestartsMusic(const MediaPlayer& player, bool musicOn) {
    return player.NotifyValue == NotifyResult::Successful && musicOn;
}

void StopMusic(MediaPlayer& player) {
    player.Stop();
    player.Close();
}

} // namespace lexiglade
