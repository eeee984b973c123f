// make_sounds OUTPUT_FOLDER: writes the found-word chime and the background music tracks.
#include "tools/make_sounds/SoundSet.h"

#include <cstdio>
#include <exception>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds OUTPUT_FOLDER\n");
        return 2;
    }
    try {
        std::filesystem::create_directories(argv[1]);
        lexiglade::sounds::WriteSoundSet(argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_sounds: %s\n", error.what());
        return 1;
    }
    return 0;
}
