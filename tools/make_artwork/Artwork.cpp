#include "Artwork.h"

#include "Kit.h"
#include "Pictures.h"
#include "Screens.h"

#include "library/LibraryFiles.h"

#include <QDir>
#include <stdexcept>

namespace lexiglade::artwork {

namespace {

void MakeFolder(const QString& path) {
    if (!QDir().mkpath(path)) {
        throw std::runtime_error("Cannot create folder " + path.toStdString());
    }
}

void WritePictures(const QString& folder, const std::vector<HintPicture>& pictures) {
    for (const HintPicture& picture : pictures) {
        SaveBitmap(RenderHintPicture(picture), folder + "/" + picture.file);
    }
}

// The screen artwork at `ratio` device pixels per pixel.
void WriteScreenArtwork(const QString& folder, int ratio) {
    using namespace LibraryFiles;
    SaveBitmap(DrawEndIcon(ratio), folder + "/" + EndGamePicture);
    SaveBitmap(DrawFinder(ratio), folder + "/" + FinderPicture);
    SaveBitmap(DrawBoard(ratio), folder + "/" + BoardPicture);
    SaveBitmap(DrawCatalogue(ratio), folder + "/" + CataloguePicture);
    SaveBitmap(DrawPrintIcons(ratio), folder + "/" + PrintingPicture);
}

} // namespace

void WriteArtwork(const QString& folder) {
    const QString pictures = folder + "/pictures";
    MakeFolder(pictures);
    WriteScreenArtwork(folder, 1);
    for (const LibraryFiles::DenseArtworkSet& set : LibraryFiles::DenseArtwork) {
        const QString dense = folder + "/" + set.folder;
        MakeFolder(dense);
        WriteScreenArtwork(dense, set.ratio);
    }
    SaveBitmap(DrawHintCanvas(), folder + "/" + LibraryFiles::HintCanvas);
    WritePictures(pictures, FruitPictures());
    WritePictures(pictures, AnimalPictures());
}

} // namespace lexiglade::artwork
