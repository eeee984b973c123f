#pragma once
// What the two programs print about themselves, before anything needs a display.
#include <optional>
#include <string>
#include <vector>

namespace lexiglade {

// "PROGRAM VERSION", then the copyright and the licences.
std::string VersionText(const std::string& program);

// What the game prints and exits with when its command line asks for information ("--help" or
// "-h": the usage, in the installed translators' language; "--version" or "-v": VersionText), the
// first such argument deciding; nothing when the game is to start. Other arguments are left to Qt.
std::optional<std::string> GameInformation(const std::vector<std::string>& args);
// Whether `arg` asks the game for information rather than for a game.
bool IsInformationOption(const std::string& arg);

} // namespace lexiglade
