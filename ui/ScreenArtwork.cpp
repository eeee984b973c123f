#include "ui/ScreenArtwork.h"

#include "app/SharedState.h"
#include "library/LibraryFiles.h"
#include "library/Paths.h"

#include <QFileInfo>
#include <QString>

#include <iterator>
#include <string>

namespace lexiglade {

namespace {

const LibraryFiles::DenseArtworkSet* DenseSetFor(double scale) {
    if (scale <= 1.0) {
        return nullptr;
    }
    for (const LibraryFiles::DenseArtworkSet& set : LibraryFiles::DenseArtwork) {
        if (set.ratio >= scale) {
            return &set;
        }
    }
    return &*std::prev(std::end(LibraryFiles::DenseArtwork));
}

} // namespace

void LoadScreenArtwork(Bitmap& picture, const char* name, double scale) {
    const std::string plain = ShippedFile(name);
    if (const LibraryFiles::DenseArtworkSet* set = DenseSetFor(scale)) {
        const std::string& shipped = SharedDataFolders().shippedDir;
        const std::string dense = DataPath(shipped, std::string(set->folder) + "/" + name);
        if (plain == DataPath(shipped, name) && QFileInfo(QString::fromStdString(dense)).isFile()) {
            picture.LoadFromFile(dense, set->ratio);
            return;
        }
    }
    picture.LoadFromFile(plain);
}

} // namespace lexiglade
