#pragma once
// The logging categories of the game's Qt layers. A failure the game survives without telling the
// player leaves one warning, naming the file and the reason, in one of them; normal play logs
// nothing. QT_LOGGING_RULES="lexiglade.*=false" silences them.
#include <QLoggingCategory>

namespace lexiglade {

Q_DECLARE_LOGGING_CATEGORY(AudioLog)   // lexiglade.audio: the output, effects, soundfont, music
Q_DECLARE_LOGGING_CATEGORY(LibraryLog) // lexiglade.library: the library's files and pictures
Q_DECLARE_LOGGING_CATEGORY(PrintLog)   // lexiglade.print: printers, print files, printed pictures
Q_DECLARE_LOGGING_CATEGORY(UiLog)      // lexiglade.ui: screens, fonts, artwork

} // namespace lexiglade
