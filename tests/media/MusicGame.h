#pragma once
// The music of one game as the puzzle screen wires it: StartMusic at the end of each paint,
// MPlayerNotify as the player's OnNotify handler, and the music stop of EndGame; with a record
// of the commands sent and the reports received.
#include "media/MediaPlayer.h"
#include "media/Music.h"

#include <string>
#include <vector>

namespace lexiglade::test {

class MusicGame {
  public:
    explicit MusicGame(std::string track, bool musicOn = true);

    void StartMusic();
    void EndGame();

    MediaPlayer MPlayer;
    bool MusicOn;
    bool GameOver = false;
    std::string Track;
    std::vector<SentCommand> Commands;
    std::vector<NotifyResult> Reports;
    int RestartsByNotify = 0;
};

// A MIDI file of one soft chord, `seconds` long, for quick plays.
std::vector<std::uint8_t> ShortTrack(double seconds = 0.5);
// A loud chord struck for AccentSeconds, then a soft low note to the end of `seconds`: each pass
// of it starts with an attack that stands out of whatever still rings.
inline constexpr double kAccentSeconds = 0.1;
std::vector<std::uint8_t> AccentedTrack(double seconds);

} // namespace lexiglade::test
