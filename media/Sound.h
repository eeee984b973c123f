#pragma once
// Sound effects of a game.
#include <string>

namespace lexiglade {

// The file of effect N: dataDir + "s" + N + ".asl", of any length.
std::string SoundEffectPath(const std::string& dataDir, int n);
// Plays effect N from the data folder when sounds are on, without waiting; an effect still
// playing is cut off.
void PlaySoundEffect(int n);

} // namespace lexiglade
