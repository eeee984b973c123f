#include "platform/Translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace lexiglade {

namespace {

constexpr const char* kGameCatalogue = "lexiglade";
constexpr const char* kQtCatalogue = "qtbase";

QString& Spoken() {
    static QString language;
    return language;
}

// Installs the translation of `catalogue` into `language` found in `folder`; false when none is.
bool Install(const QLocale& language, const char* catalogue, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(language, QString::fromLatin1(catalogue), QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator)) {
        return true;
    }
    delete translator;
    return false;
}

} // namespace

QString InstallTranslators(const QString& folder) {
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English) {
            break; // the texts are written in it
        }
        if (Install(language, kGameCatalogue, folder)) {
            Install(language, kQtCatalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            Spoken() = QLocale::languageToCode(language.language());
            return Spoken();
        }
    }
    return {};
}

QString SpokenLanguage() {
    return Spoken();
}

} // namespace lexiglade
