#include "ui/ScreenArtwork.h"

#include "library/LibraryFiles.h"
#include "library/Paths.h"
#include "platform/Translators.h"

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

void LoadScreenArtwork(Bitmap& picture, const DataFolders& folders, const char* name,
                       double scale) {
    const std::string plain = ShippedFilePath(folders, name);
    const std::string& shipped = folders.shippedDir;
    if (plain == DataPath(shipped, name)) { // the player has no picture of their own
        const LibraryFiles::DenseArtworkSet* set = DenseSetFor(scale);
        for (const std::string& language : {SpokenLanguage().toStdString(), std::string()}) {
            const std::string path =
                DataPath(shipped, LibraryFiles::ScreenArtworkPath(language, set, name));
            if (QFileInfo(QString::fromStdString(path)).isFile()) {
                picture.LoadFromFile(path, set ? set->ratio : 1);
                return;
            }
        }
    }
    picture.LoadFromFile(plain);
}

} // namespace lexiglade
