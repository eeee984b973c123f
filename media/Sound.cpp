#include "media/Sound.h"

#include "platform/AudioOutput.h"

namespace lexiglade {

std::string SoundEffectName(int n) {
    std::string name = "s"; // built in steps: GCC 12 warns wrongly about "s" + std::string
    name += std::to_string(n);
    return name + ".asl";
}

void PlaySoundEffect(SoundEffect effect, bool soundsOn, const DataFolders& folders) {
    if (!soundsOn) {
        return;
    }
    PlayWaveFile(ShippedFilePath(folders, SoundEffectName(static_cast<int>(effect))));
}

} // namespace lexiglade
