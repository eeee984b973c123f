#include "Artwork.h"

#include "Kit.h"
#include "ObjectPictures.h"
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

// Picture names are unique across the library: a second picture of one name would silently
// replace the first, so `written` refuses it.
void WritePictures(const QString& folder, const std::vector<HintPicture>& pictures,
                   std::set<std::string>& written) {
    for (const HintPicture& picture : pictures) {
        if (!written.insert(picture.file).second) {
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
    std::set<std::string> written;
    WritePictures(pictures, FruitPictures(), written);
    WritePictures(pictures, AnimalPictures(), written);
    WritePictures(pictures, ObjectPictures(), written);
}

} // namespace lexiglade::artwork
