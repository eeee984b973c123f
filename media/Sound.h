#pragma once
// Sound effects of a game.
#include "library/DataFolder.h"

#include <string>

namespace lexiglade {

// The sound effects of a game, by their number.
enum class SoundEffect : int { FoundWord = 2 };

// The file name of effect N: "s" + N + ".asl", of any length.
std::string SoundEffectName(int n);
// Plays the effect, a shipped file of `folders`, when sounds are on, without waiting; an effect
// still playing is cut off. Each file is read at its first play and kept; one that cannot be read
// or played stays silent, with one warning.
void PlaySoundEffect(SoundEffect effect, bool soundsOn, const DataFolders& folders);

} // namespace lexiglade
