// make_artwork OUTPUT_FOLDER [TRANSLATIONS_FOLDER LANGUAGE...]: draws the game's artwork and hint
// pictures as bitmap files, the screen artwork again in each LANGUAGE with its words from the
// game's catalogues in TRANSLATIONS_FOLDER, and the application icon into OUTPUT_FOLDER/icons.
#include "AppIcon.h"
#include "Artwork.h"
#include "Kit.h"

#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc == 1 || argc == 3) {
        std::fprintf(stderr,
                     "usage: make_artwork OUTPUT_FOLDER [TRANSLATIONS_FOLDER LANGUAGE...]\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    try {
        lexiglade::artwork::RegisterFonts();
        const QString folder = QString::fromLocal8Bit(argv[1]);
        QStringList languages;
        for (int i = 3; i < argc; ++i) {
            languages += QString::fromLocal8Bit(argv[i]);
        }
        lexiglade::artwork::WriteArtwork(
            folder, argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString(), languages);
        lexiglade::artwork::WriteAppIcons(folder + "/icons");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_artwork: %s\n", error.what());
        return 1;
    }
    return 0;
}
