#include "media/Sound.h"

#include "platform/audio/WaveSound.h"

#include <map>
#include <memory>

namespace lexiglade {

namespace {

// Each effect file is read at its first play and kept for the rest of the run.
const WaveSound& EffectAt(const std::string& path) {
    static std::map<std::string, std::unique_ptr<WaveSound>> effects;
    std::unique_ptr<WaveSound>& effect = effects[path];
    if (!effect) {
        effect = std::make_unique<WaveSound>(path);
    }
    return *effect;
}

} // namespace

std::string SoundEffectName(int n) {
    std::string name = "s"; // built in steps: GCC 12 warns wrongly about "s" + std::string
    name += std::to_string(n);
    return name + ".asl";
}

void PlaySoundEffect(SoundEffect effect, bool soundsOn, const DataFolders& folders) {
    if (!soundsOn) {
        return;
    }
    EffectAt(ShippedFilePath(folders, SoundEffectName(static_cast<int>(effect)))).Play();
}

} // namespace lexiglade
