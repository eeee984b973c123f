#include "print/FileWithoutPrinter.h"

#include "platform/GdiError.h"
#include "platform/LogCategories.h"
#include "platform/Texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace lexiglade {

namespace {

constexpr qsizetype kLongestName = 100;
constexpr int kMostNumbers = 9999;
//: The name of a print file for a puzzle whose title makes no file name.
constexpr const char* kUnnamed = QT_TRANSLATE_NOOP("FileWithoutPrinter", "Puzzle");
constexpr const char* kSuffix = ".pdf";

// Refused by Linux ('/'), by other systems, or confusing in a shell: control characters too.
bool Unsafe(QChar ch) {
    static const QString kRefused = QStringLiteral("/\\:*?\"<>|");
    return ch.unicode() < 0x20 || ch.unicode() == 0x7F || kRefused.contains(ch);
}

QString TrimmedOfBlanksAndDots(const QString& name) {
    qsizetype first = 0;
    qsizetype last = name.size();
    auto trimmable = [](QChar ch) { return ch.isSpace() || ch == '.'; };
    while (first < last && trimmable(name[first])) {
        ++first;
    }
    while (last > first && trimmable(name[last - 1])) {
        --last;
    }
    return name.mid(first, last - first);
}

// "Title.pdf" for 1, "Title (n).pdf" after.
QString NumberedName(const QString& name, int number) {
    if (number == 1) {
        return name;
    }
    qsizetype dot = name.lastIndexOf('.');
    dot = dot < 0 ? name.size() : dot;
    return name.left(dot) + QStringLiteral(" (%1)").arg(number) + name.mid(dot);
}

} // namespace

QString PdfNameFor(const std::string& title) {
    QString name = LibraryText(title);
    for (QChar& ch : name) {
        if (Unsafe(ch)) {
            ch = '_';
        }
    }
    name = TrimmedOfBlanksAndDots(TrimmedOfBlanksAndDots(name).left(kLongestName));
    if (name.isEmpty()) {
        name = QCoreApplication::translate("FileWithoutPrinter", kUnnamed);
    }
    return name + QString::fromLatin1(kSuffix);
}

QString DocumentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) {
        folder = QDir::homePath();
        qCWarning(PrintLog, "No documents folder: print files go to %s", qPrintable(folder));
    }
    QDir().mkpath(folder);
    return folder;
}

ReservedFile::ReservedFile(const QString& folder, const QString& name) {
    const QDir where(folder);
    for (int number = 1; number <= kMostNumbers; ++number) {
        const QString path = where.filePath(NumberedName(name, number));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            path_ = path;
            return;
        }
        if (!file.exists()) {
            throw PlatformError(("Cannot create file " + path).toLocal8Bit().toStdString());
        }
    }
    throw PlatformError(("Cannot create file " + where.filePath(name)).toLocal8Bit().toStdString());
}

ReservedFile::~ReservedFile() {
    if (!kept_) {
        QFile::remove(path_);
    }
}

} // namespace lexiglade
