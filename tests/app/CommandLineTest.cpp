// What the programs answer about themselves: printed at once and exit 0, with no display at all;
// the game's usage in the player's language.
#include "CommandRunner.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace lexiglade::test {
namespace {

// The environment of a player whose locale is `locale`.
std::vector<std::string> Locale(const std::string& locale) {
    return {"LANGUAGE=", "LC_ALL=", "LC_MESSAGES=", "LANG=" + locale};
}

TEST(CommandLine, HelpAndVersionNeedNoDisplay) {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        unsetenv(variable); // a game that made its application object would abort now
    }
    const std::string game = LEXIGLADE_GAME;
    const std::string command = LEXIGLADE_LIBRARY_COMMAND;
    const std::string version = LEXIGLADE_VERSION;
    const struct {
        std::string program;
        std::vector<std::string> args;
        std::string firstLine;
        std::string locale = "C.UTF-8";
    } cases[] = {
        {game, {"--help"}, "Usage: lexiglade [Qt option...]"},
        {game, {"-h"}, "Usage: lexiglade [Qt option...]"},
        {game, {"--help"}, "Aufruf: lexiglade [Qt-Option...]", "de_DE.UTF-8"},
        {game, {"-h"}, "Usage : lexiglade [option Qt...]", "fr_FR.UTF-8"},
        {game, {"-platform", "xcb", "--version"}, "lexiglade " + version},
        {game, {"-v", "--help"}, "lexiglade " + version},
        {command, {"--version"}, "lexiglade-library " + version},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program + " " + c.args.back() + " " + c.locale);
        const CommandResult result = RunProgram(c.program, c.args, Locale(c.locale));
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out.substr(0, result.out.find('\n')), c.firstLine);
        EXPECT_EQ(result.err, "");
    }
}

} // namespace
} // namespace lexiglade::test
