#pragma once
// Where the General MIDI soundfont of the music is looked for: the one the build was configured
// with, then the places distributions install soundfonts to under each data folder.
#include <string>
#include <vector>

namespace lexiglade {

// The soundfont the build was configured with (LEXIGLADE_SOUNDFONT); empty when none was.
std::string ConfiguredSoundFont();
// The data folders of XDG_DATA_DIRS, by default /usr/local/share and /usr/share.
std::vector<std::string> SystemDataFolders();

struct SoundFontSearch {
    std::string found;               // empty when no soundfont was found
    std::vector<std::string> places; // the configured file and the folders looked in, in order
};

// The first soundfont that exists: `configured` when it is not empty, then under each data
// folder in turn: sounds/sf2/ (Debian, Ubuntu) with TimGM6mb.sf2, default-GM.sf2 and
// FluidR3_GM.sf2 first, then any other soundfont there in name order; then soundfonts/ (Fedora,
// Arch) with default.sf2 and FluidR3_GM.sf2 first, then any other ".sf2" file.
SoundFontSearch FindSoundFont(const std::string& configured,
                              const std::vector<std::string>& dataFolders);

} // namespace lexiglade
