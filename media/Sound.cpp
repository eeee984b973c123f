#include "media/Sound.h"

#include "app/SharedState.h"
#include "platform/AudioOutput.h"

namespace lexiglade {

std::string SoundEffectName(int n) {
    std::string name = "s"; // built in steps: GCC 12 warns wrongly about "s" + std::string
    name += std::to_string(n);
    return name + ".asl";
}

void PlaySoundEffect(int n) {
    if (!Shared().GameOptions.soundsOn) {
        return;
    }
    PlayWaveFile(ShippedFile(SoundEffectName(n)));
}

} // namespace lexiglade
