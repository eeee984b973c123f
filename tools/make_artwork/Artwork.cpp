#include "Artwork.h"

#include "Kit.h"
#include "ObjectPictures.h"
#include "Pictures.h"
#include "Screens.h"

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

} // namespace

void WriteArtwork(const QString& folder) {
    const QString pictures = folder + "/pictures";
    MakeFolder(pictures);
    SaveBitmap(DrawEndIcon(), folder + "/a1.asl");
    SaveBitmap(DrawFinder(), folder + "/a2.asl");
    SaveBitmap(DrawBoard(), folder + "/a3.asl");
    SaveBitmap(DrawCatalogue(), folder + "/a4.asl");
    SaveBitmap(DrawPrintIcons(), folder + "/a5.asl");
    SaveBitmap(DrawHintCanvas(), folder + "/a6.asl");
    WritePictures(pictures, FruitPictures());
    WritePictures(pictures, AnimalPictures());
    WritePictures(pictures, ObjectPictures());
}

} // namespace lexiglade::artwork
