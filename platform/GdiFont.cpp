#include "platform/GdiFont.h"

#include "platform/LogCategories.h"

#include <QFont>
#include <QFontDatabase>
#include <QString>
#include <QStringList>

#include <cstdlib>

namespace lexiglade {

namespace {

constexpr int kDefaultHeight = 13;

struct FontFamilies {
    QString sans;
    QString serif;
};

QString LoadFamily(const char* path, const char* fallback) {
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        qCWarning(UiLog, "Cannot load the font %s; the screens use the installed \"%s\"", path,
                  fallback);
        return QString::fromLatin1(fallback);
    }
    return families.front();
}

// Loaded once, so text looks the same whatever fonts the machine has installed.
const FontFamilies& Families() {
    static const FontFamilies kFamilies = [] {
        FontFamilies loaded;
        loaded.sans =
            LoadFamily("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", "DejaVu Sans");
        LoadFamily("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "DejaVu Sans");
        loaded.serif = LoadFamily(
            "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf", "Liberation Serif");
        return loaded;
    }();
    return kFamilies;
}

bool SameFace(std::string_view a, std::string_view b) {
    return QString::fromLatin1(a.data(), static_cast<qsizetype>(a.size()))
               .compare(QString::fromLatin1(b.data(), static_cast<qsizetype>(b.size())),
                        Qt::CaseInsensitive) == 0;
}

} // namespace

Font CreateFont(std::string_view face, int heightPixels, bool bold) {
    const int height = heightPixels == 0 ? kDefaultHeight : std::abs(heightPixels);
    return Font{std::string(face), height, bold};
}

QFont ToQFont(const Font& font) {
    const FontFamilies& families = Families();
    const bool system = SameFace(font.face, "System");
    QFont qfont(SameFace(font.face, "Times New Roman") ? families.serif : families.sans);
    qfont.setPixelSize(font.height > 0 ? font.height : kDefaultHeight);
    qfont.setBold(system || font.bold);
    qfont.setKerning(false);
    qfont.setStyleStrategy(QFont::NoSubpixelAntialias);
    return qfont;
}

} // namespace lexiglade
