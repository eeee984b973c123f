#include "Artwork.h"

#include "Kit.h"
#include "Pictures.h"
#include "Screens.h"

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
    WritePictures(pictures, ShippedPictures());
}

} // namespace lexiglade::artwork
