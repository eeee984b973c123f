// The library command in German and French, chosen by the player's locale: each run ends as in
// English, with as many lines, each in the language but for the library's own data, the same
// tabs and the same values; the help keeps the commands and fits in 80 columns.
#include "CommandFixture.h"
#include "LibraryMaker.h"

#include "library/Latin1.h"
#include "library/TextList.h"

#include <algorithm>
#include <functional>

namespace lexiglade::test {
namespace {

const char* const kLocales[] = {"de_DE.UTF-8", "fr_FR.UTF-8"};

// The environment of a player whose locale is `locale`.
std::vector<std::string> Locale(const std::string& locale) {
    return {"LANGUAGE=", "LC_ALL=", "LC_MESSAGES=", "LANG=" + locale};
}

using LibraryCommandLanguageTest = CommandTest;

TEST_F(LibraryCommandLanguageTest, HelpKeepsTheCommandsAndFitsIn80Columns) {
    const std::string english = RunLibrary({"--help"}).out;
    for (const char* locale : kLocales) {
        const CommandResult help = RunLibrary({"--help"}, Locale(locale));
        EXPECT_EQ(help.status, 0) << locale;
        EXPECT_NE(help.out, english) << locale;
        for (const char* kept :
             {"add ", "list [", "export ", "remove ", "rename ", "move ", "check --discard-journal",
              "--library ", "--verbose", "--version", "<TAB>", "~/.local/share/lexiglade/"}) {
            EXPECT_NE(help.out.find(kept), std::string::npos) << locale << ": " << kept;
        }
        for (const std::string& line : ParseList(help.out)) {
            EXPECT_LT(DecodeUtf8(line)->size(), 80u) << locale << ": " << line;
        }
    }
}

TEST_F(LibraryCommandLanguageTest, RefusalsSuccessesListsAndProblemsSpeakTheLanguage) {
    const std::string refused =
        Write("refused.txt", "Short\nFolder 0\n" + WordLines(4) + "CAT\tpet\n" + WordLines(10));
    const std::string filed = Write("filed.txt", "Garden\nFolder 0\n" + WordLines(17));
    const auto damage = [&] {
        ReplaceLine(library / "a15.asl", 3, "soon");
        WriteBytes(library / "a12.asl", ReadBytes(library / "a12.asl") + "7\r\n");
    };
    const struct {
        std::vector<std::string> args;
        std::function<void()> before;
        std::vector<std::string> values; // named in every language
        std::size_t dataLines;           // lines of the library's own data, as they stand
    } runs[] = {
        {{"add", library.Path(), refused}, [] {}, {refused, " 7 ", "CAT"}, 0},
        {{"--verbose", "add", library.Path(), filed},
         [] {},
         {"Garden", "Folder 0", "17", "180", "196", "b1.asl", "b2.asl"},
         0},
        {{"add", library.Path(), files / "absent.txt"}, [] {}, {files / "absent.txt"}, 0},
        {{"list", library.Path(), "Folder 0"}, [] {}, {"Puzzle 11", "05:00", "15:30"}, 1},
        {{"check", library.Path()}, damage, {library / "a12.asl", "13", "soon", "a15.asl"}, 0},
    };
    const FileSnapshot sound = SnapshotFiles(library.Path());
    const auto run = [&](const auto& row, const std::vector<std::string>& settings) {
        RestoreFiles(library.Path(), sound);
        row.before();
        return RunLibrary(row.args, settings);
    };
    for (const auto& row : runs) {
        const CommandResult english = run(row, Locale("C.UTF-8"));
        for (const char* locale : kLocales) {
            SCOPED_TRACE(std::string(locale) + " " + row.args.front() + " " + row.args.back());
            const CommandResult spoken = run(row, Locale(locale));
            EXPECT_EQ(spoken.status, english.status);
            std::size_t unchanged = 0;
            for (const auto stream : {&CommandResult::out, &CommandResult::err}) {
                const TextList lines = ParseList(spoken.*stream);
                const TextList source = ParseList(english.*stream);
                ASSERT_EQ(lines.size(), source.size()) << spoken.*stream;
                for (std::size_t i = 0; i < lines.size(); ++i) {
                    unchanged += lines[i] == source[i] ? 1 : 0;
                    EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), '\t'),
                              std::count(source[i].begin(), source[i].end(), '\t'))
                        << lines[i];
                }
            }
            EXPECT_EQ(unchanged, row.dataLines) << spoken.out << spoken.err;
            for (const std::string& value : row.values) {
                EXPECT_NE((spoken.out + spoken.err).find(value), std::string::npos) << value;
            }
        }
    }
}

} // namespace
} // namespace lexiglade::test
