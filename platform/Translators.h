#pragma once
// The game speaks English, the language its texts are written in, German and French. The player's
// languages are Qt's reading of the environment: LANGUAGE (a list), else LC_ALL, else LC_MESSAGES,
// else LANG; no locale needs to be generated for them.
#include <QString>

namespace lexiglade {

// The folder of the translations within the folder of the files shipped with the game.
inline constexpr const char* kTranslationsFolder = "translations";

// Installs into the application object the translations of the first of the player's languages
// that the game speaks: the game's own from `folder`, and Qt's (its dialogs and buttons) where they
// are installed. Nothing when English comes first or no language is spoken. Returns the language
// installed ("de", "fr"), else empty. Call once, after the application object is made (a
// QCoreApplication serves a command) and before any window exists.
QString InstallTranslators(const QString& folder);
// The language InstallTranslators installed ("de", "fr"); empty for English and before it has run.
// Everything else the game shows in the player's language (its artwork) follows this choice.
QString SpokenLanguage();

} // namespace lexiglade
