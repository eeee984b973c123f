#include "Artwork.h"

#include "Kit.h"
#include "Pictures.h"
#include "Screens.h"
#include "Words.h"

#include "library/LibraryFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTranslator>
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

// One set of the screen artwork: its words in `language` (empty: English), at the density of `set`
// (nullptr: one device pixel per pixel).
void WriteScreenSet(const QString& folder, const std::string& language,
                    const LibraryFiles::DenseArtworkSet* set) {
    using namespace LibraryFiles;
    const auto path = [&](const char* name) {
        return folder + "/" +
               QString::fromStdString(ScreenArtworkPath(language, set, name).string());
    };
    MakeFolder(QFileInfo(path(kEndGamePicture)).path());
    const int ratio = set ? set->ratio : 1;
    SaveBitmap(DrawEndIcon(ratio), path(kEndGamePicture));
    SaveBitmap(DrawFinder(ratio), path(kFinderPicture));
    SaveBitmap(DrawBoard(ratio), path(kBoardPicture));
    SaveBitmap(DrawCatalogue(ratio), path(kCataloguePicture));
    SaveBitmap(DrawPrintIcons(ratio), path(kPrintingPicture));
}

// The screen artwork in `language` at every density.
void WriteScreenArtwork(const QString& folder, const std::string& language) {
    WriteScreenSet(folder, language, nullptr);
    for (const LibraryFiles::DenseArtworkSet& set : LibraryFiles::kDenseArtwork) {
        WriteScreenSet(folder, language, &set);
    }
}

} // namespace

void WriteArtwork(const QString& folder, const QString& translations,
                  const QStringList& languages) {
    const QString pictures = folder + "/pictures";
    MakeFolder(pictures);
    WriteScreenArtwork(folder, {});
    for (const QString& language : languages) {
        const QString file = translations + "/lexiglade_" + language + ".qm";
        QTranslator catalogue;
        if (!catalogue.load(file)) {
            throw std::runtime_error("Cannot load the translations " + file.toStdString());
        }
        const DrawnLanguage drawn(catalogue);
        WriteScreenArtwork(folder, language.toStdString());
    }
    SaveBitmap(DrawHintCanvas(), folder + "/" + LibraryFiles::kHintCanvas);
    WritePictures(pictures, ShippedPictures());
}

} // namespace lexiglade::artwork
