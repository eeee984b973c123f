#include "ui/ScreenArtwork.h"

#include "library/LibraryFiles.h"
#include "library/Paths.h"
#include "platform/Translators.h"

#include <QDateTime>
#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace lexiglade {

namespace {

const LibraryFiles::DenseArtworkSet* DenseSetFor(double scale) {
    if (scale <= 1.0) {
        return nullptr;
    }
    for (const LibraryFiles::DenseArtworkSet& set : LibraryFiles::kDenseArtwork) {
        if (set.ratio >= scale) {
            return &set;
        }
    }
    return &*std::prev(std::end(LibraryFiles::kDenseArtwork));
}

// The file a picture is read from, and the density it is drawn at.
struct ArtworkFile {
    std::string path;
    int ratio = 1;
};

// Of a shipped set, the file in the language the game speaks, else the English one.
ArtworkFile ChooseFile(const DataFolders& folders, const char* name, double scale) {
    const std::filesystem::path plain = ShippedFilePath(folders, name);
    const std::filesystem::path& shipped = folders.shippedDir;
    if (plain == shipped / name) { // the player has no picture of their own
        const LibraryFiles::DenseArtworkSet* set = DenseSetFor(scale);
        for (const std::string& language : {SpokenLanguage().toStdString(), std::string()}) {
            const std::string path = shipped / LibraryFiles::ScreenArtworkPath(language, set, name);
            if (QFileInfo(QString::fromStdString(path)).isFile()) {
                return {path, set != nullptr ? set->ratio : 1};
            }
        }
    }
    return {plain.string(), 1};
}

// A picture made for one scale, and the file it was made from as that file was then.
struct KeptPicture {
    std::string path;
    double scale = 1.0;
    qint64 fileSize = 0;
    QDateTime modified;
    int width = 0;
    int height = 0;
    QImage pixels; // at the scale's density
};

std::vector<KeptPicture>& KeptPictures() {
    static std::vector<KeptPicture> kept;
    return kept;
}

// The picture as a surface of `scale` draws it: every device pixel of its logical pixels, resampled
// from the file's density (the same resampling that drawing it would do).
void FitToScale(Bitmap& picture, double scale) {
    if (picture.PixelRatio() == scale || scale <= 1.0) {
        return;
    }
    Bitmap fitted;
    fitted.SetPixelRatio(scale);
    fitted.SetWidth(picture.Width());
    fitted.SetHeight(picture.Height());
    fitted.Canvas().BitBlt(0, 0, picture.Width(), picture.Height(), picture, 0, 0, SRCCOPY);
    picture.Share(fitted.Image(), picture.Width(), picture.Height(), scale);
}

} // namespace

void LoadScreenArtwork(Bitmap& picture, const DataFolders& folders, const char* name,
                       double scale) {
    const ArtworkFile file = ChooseFile(folders, name, scale);
    const QFileInfo info(QString::fromStdString(file.path));
    std::vector<KeptPicture>& kept = KeptPictures();
    const auto found = std::ranges::find_if(
        kept, [&](const KeptPicture& k) { return k.path == file.path && k.scale == scale; });
    if (found != kept.end() && info.isReadable() && info.size() == found->fileSize &&
        info.lastModified() == found->modified) {
        picture.Share(found->pixels, found->width, found->height, found->pixels.devicePixelRatio());
        return;
    }
    if (file.ratio > 1) {
        picture.LoadFromFile(file.path, file.ratio);
    } else {
        picture.LoadFromFile(file.path);
    }
    FitToScale(picture, scale);
    KeptPicture made{file.path,           scale,           info.size(),
                     info.lastModified(), picture.Width(), picture.Height(),
                     picture.Image()};
    if (found != kept.end()) {
        *found = std::move(made);
    } else {
        kept.push_back(std::move(made));
    }
}

} // namespace lexiglade
