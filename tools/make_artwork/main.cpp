// make_artwork OUTPUT_FOLDER: draws the game's artwork and hint pictures as bitmap files, and the
// application icon into OUTPUT_FOLDER/icons.
#include "AppIcon.h"
#include "Artwork.h"
#include "Kit.h"

#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_artwork OUTPUT_FOLDER\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    try {
        lexiglade::artwork::RegisterFonts();
        const QString folder = QString::fromLocal8Bit(argv[1]);
        lexiglade::artwork::WriteArtwork(folder);
        lexiglade::artwork::WriteAppIcons(folder + "/icons");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_artwork: %s\n", error.what());
        return 1;
    }
    return 0;
}
