#include "platform/ProgramInfo.h"

#include <QCoreApplication>

namespace lexiglade {

namespace {

constexpr const char* kContext = "ProgramInfo";
constexpr const char* kGameUsage = QT_TRANSLATE_NOOP("ProgramInfo",
                                                     R"(Usage: lexiglade [Qt option...]
       lexiglade --help | --version

Lexiglade, a word-search puzzle game: find the words hidden in a grid of letters
from their hints. Without options it opens the catalogue of puzzles.

  -h, --help     Prints this text.
  -v, --version  Prints the version.

Other options are Qt's, such as -platform NAME. The player's puzzles and best
times live in $XDG_DATA_HOME/lexiglade/ (by default ~/.local/share/lexiglade/);
lexiglade-library adds, lists, exports, removes, renames and moves them.
See lexiglade(6).
)");

} // namespace

std::string VersionText(const std::string& program) {
    return program +
           " " LEXIGLADE_VERSION "\n"
           "Copyright 2026 The Lexiglade developers\n"
           "The programs are under GPL-3.0-or-later, the artwork, music and puzzles under\n"
           "CC-BY-SA-4.0. This is free software: you are free to change and redistribute\n"
           "it. There is NO WARRANTY, to the extent permitted by law.\n";
}

bool IsInformationOption(const std::string& arg) {
    return arg == "--help" || arg == "-h" || arg == "--version" || arg == "-v";
}

std::optional<std::string> GameInformation(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            return QCoreApplication::translate(kContext, kGameUsage).toStdString();
        }
        if (arg == "--version" || arg == "-v") {
            return VersionText("lexiglade");
        }
    }
    return std::nullopt;
}

} // namespace lexiglade
