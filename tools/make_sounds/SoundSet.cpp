#include "tools/make_sounds/SoundSet.h"

#include "tools/make_sounds/Chime.h"
#include "tools/make_sounds/Music.h"

#include <fstream>
#include <stdexcept>

namespace lexiglade::sounds {

namespace {

std::string Join(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace

std::vector<std::string> SoundFileNames() {
    std::vector<std::string> names{"s2.asl"};
    for (const Track& track : ShippedMusic()) {
        names.push_back(track.fileName);
    }
    return names;
}

void WriteSoundSet(const std::string& folder) {
    WriteBytes(Join(folder, "s2.asl"), WaveFile(ChimeSamples(), kChimeRate, 1));
    for (const Track& track : ShippedMusic()) {
        ToMidi(track.piece).Write(Join(folder, track.fileName));
    }
}

} // namespace lexiglade::sounds
