#include "media/Sound.h"

#include "app/SharedState.h"
#include "platform/AudioOutput.h"

namespace lexiglade {

std::string SoundEffectPath(const std::string& dataDir, int n) {
    return dataDir + "s" + std::to_string(n) + ".asl";
}

void PlaySoundEffect(int n) {
    const SharedState& state = Shared();
    if (!state.GameOptions.soundsOn) {
        return;
    }
    PlayWaveFile(SoundEffectPath(state.DataDir, n));
}

} // namespace lexiglade
