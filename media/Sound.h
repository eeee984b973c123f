#pragma once
// Sound effects of a game.
#include <string>

namespace lexiglade {

// The file name of effect N: "s" + N + ".asl", of any length.
std::string SoundEffectName(int n);
// Plays effect N, a shipped file, when sounds are on, without waiting; an effect still
// playing is cut off.
void PlaySoundEffect(int n);

} // namespace lexiglade
