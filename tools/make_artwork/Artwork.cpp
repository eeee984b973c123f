#include "Artwork.h"

#include "Kit.h"
#include "Pictures.h"
#include "Screens.h"

#include "library/LibraryFiles.h"

#include <QDir>
#include <set>
#include <stdexcept>
#include <string>

namespace lexiglade::artwork {

namespace {

void MakeFolder(const QString& path) {
    if (!QDir().mkpath(path)) {
        throw std::runtime_error("Cannot create folder " + path.toStdString());
    }
}

// Two pictures of one name would leave only the last one drawn.
void WritePictures(const QString& folder, const std::vector<HintPicture>& pictures) {
    std::set<std::string> names;
    for (const HintPicture& picture : pictures) {
        if (!names.insert(picture.file).second) {
            throw std::runtime_error(std::string("Two hint pictures are named ") + picture.file);
        }
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
    WritePictures(pictures, ShippedPictures());
}

} // namespace lexiglade::artwork
