#pragma once
// The puzzle screen's background music, driven through its media player.
#include "media/MediaPlayer.h"

#include <array>
#include <string>

namespace lexiglade {

// The background music: one of these tracks, chosen at random for each game, loops during play.
inline constexpr int kMusicTrackCount = 7;
inline constexpr std::array<const char*, kMusicTrackCount> kMusicTracks = {
    "arc1.mid", "arc3.mid", "arc4.mid", "arc5.mid", "arc8.mid", "arc10.mid", "arc11.mid"};

// Restarts the track at `trackPath` from its beginning or, once the game is over, only closes
// the player. Every paint of the puzzle screen ends with it, and so does each successful end of
// the track. Raises PlatformError when the track cannot be opened.
void StartMusic(MediaPlayer& player, bool musicOn, bool gameOver, const std::string& trackPath);
// Whether the player's last report asks for the music to start again.
bool RestartsMusic(const MediaPlayer& player, bool musicOn);
// The music stop at the end of a game with music on: a stop, with the notify that StartMusic
// asked for, then a close; neither fails when no device is open.
void StopMusic(MediaPlayer& player);

} // namespace lexiglade
