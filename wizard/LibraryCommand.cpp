#include "wizard/LibraryCommand.h"

#include "engine/Duration.h"
#include "library/Append.h"
#include "library/Errors.h"
#include "library/FileBatch.h"
#include "library/Folders.h"
#include "library/LibraryCheck.h"
#include "library/LibraryLock.h"
#include "library/Paths.h"
#include "library/TextList.h"
#include "platform/GamePalette.h"
#include "wizard/Pictures.h"
#include "wizard/Validation.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <ostream>

namespace lexiglade {

namespace {

constexpr const char* kUsage =
    R"(Usage: lexiglade-library check [DIR]
       lexiglade-library add [DIR] FILE
       lexiglade-library list [DIR]
       lexiglade-library --help

Looks after the puzzle library of Lexiglade: the .asl files in DIR, by default
the folder the game runs from.

  check [DIR]     First finishes or undoes a filing that was cut short (by a
                  crash or a power cut) and says so. Then checks the library:
                  the seven catalogue lists have equal line counts and no NUL
                  byte; each puzzle's banks are a pair of plain file names
                  (b1.asl with b2.asl, b3.asl with b4.asl, ...) and its first
                  and last lines lie within both; every title is under a
                  folder of the tree and every puzzle of the tree has a title;
                  best times are whole seconds; the pictures of picture
                  puzzles are present. Prints one line per problem.
  add [DIR] FILE  Files the puzzle written in FILE, a plain text file: the
                  first line is the title, the second the folder, then one
                  line per word, WORD<TAB>hint (the word, a tab character,
                  its hint: a text, or a picture file in DIR/pictures). It goes
                  first under an existing folder of that name, otherwise into
                  a new folder at the end. It passes exactly the checks of the
                  game's creation wizard, whose messages a refusal prints;
                  picture hints are reshaped as the wizard does.
  list [DIR]      Prints each folder with its puzzles, their word counts and
                  best times (without / with backward words).
  --help          Prints this text.

Exit status: 0 when the command did its work (check: the library is sound),
1 when check found a problem (a filing it had to finish or undo counts as
one) or add or list could not be done, 2 when the command line is wrong. Writes wait up to a few seconds for a game that is
saving into the same library.
)";

// The folder with its trailing '/'.
std::string AsDataDir(std::string dir) {
    if (!dir.empty() && dir.back() != '/') {
        dir += '/';
    }
    return dir;
}

int Misused(std::ostream& err, const std::string& why) {
    err << "lexiglade-library: " << why << "\n" << kUsage;
    return kCommandMisused;
}

const char* RecoveryNote(Recovery recovery) {
    switch (recovery) {
    case Recovery::Nothing:
        return nullptr;
    case Recovery::Cleared:
        return "A filing had been cut short before it changed the library; its unfinished files "
               "were removed";
    case Recovery::Finished:
        return "A filing had been cut short after writing all its files; it was finished";
    case Recovery::Undone:
        return "A filing had been cut short while replacing files; it was undone";
    }
    return nullptr;
}

int Check(const std::string& dataDir, std::ostream& out) {
    const LibraryReport report = CheckLibrary(dataDir);
    std::size_t problems = report.problems.size();
    if (const char* note = RecoveryNote(report.recovery)) {
        out << note << "\n";
        ++problems;
    }
    for (const std::string& problem : report.problems) {
        out << problem << "\n";
    }
    return problems == 0 ? kCommandSucceeded : kCommandFailed;
}

std::string Seconds(const std::optional<std::int32_t>& seconds) {
    return seconds ? FormatDuration(*seconds) : std::string("?");
}

int List(const std::string& dataDir, std::ostream& out) {
    FinishInterruptedFiling(dataDir); // as the game's start-up does, so the list shows what it will
    for (const ListedFolder& folder : ListLibrary(dataDir)) {
        out << folder.name << "\n";
        for (const ListedPuzzle& puzzle : folder.puzzles) {
            out << "\t" << puzzle.title;
            if (!puzzle.inLibrary) {
                out << "\t(not in the library)\n";
                continue;
            }
            out << "\t" << (puzzle.words ? std::to_string(*puzzle.words) : std::string("?"))
                << " words\tbest " << Seconds(puzzle.plainBest) << " / "
                << Seconds(puzzle.backwardBest) << "\n";
        }
    }
    return kCommandSucceeded;
}

// Lines joined as a memo holds them: CR LF between them, none after the last.
std::string MemoText(const TextList& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += (i == 0 ? "" : "\r\n") + lines[i];
    }
    return text;
}

// The plain-text puzzle: title, folder, then WORD<TAB>hint lines.
struct PuzzleFile {
    std::string title;
    std::string folder;
    PuzzleEntry entry;
};

PuzzleFile ReadPuzzleFile(const std::string& path) {
    TextList lines = ParseList(ReadFileBytes(path));
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back(); // as in the wizard's memos, empty last lines are no words
    }
    if (lines.size() < 2) {
        throw LibraryError(path + " must hold the title on its first line and the folder on its "
                                  "second");
    }
    PuzzleFile puzzle{lines[0], lines[1], {lines[0], {}, {}}};
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::size_t tab = lines[i].find('\t');
        if (tab == std::string::npos) {
            throw LibraryError("Line " + std::to_string(i + 1) + " of " + path +
                               " has no tab between the word and its hint");
        }
        puzzle.entry.words.push_back(lines[i].substr(0, tab));
        puzzle.entry.hints.push_back(lines[i].substr(tab + 1));
    }
    return puzzle;
}

// The wizard's checks, against the library as it is now.
Verdict Validate(const std::string& dataDir, const PuzzleEntry& entry) {
    PuzzleChecks checks;
    checks.dataDir = dataDir;
    checks.titleTaken = [&](const std::string& title) {
        const TextList titles = ReadList(DataPath(dataDir, kMasterList));
        return std::find(titles.begin(), titles.end(), title) != titles.end();
    };
    checks.pictureExists = [&](const std::string& hint) {
        return FindPicture(dataDir, hint).has_value();
    };
    return ValidatePuzzle(entry, checks);
}

bool IsExistingFolder(const std::string& dataDir, const std::string& folder) {
    const TextList tree = ReadList(DataPath(dataDir, kTreeFile));
    return std::any_of(tree.begin(), tree.end(), [&](const std::string& line) {
        return IsFolderLine(line) && line == folder;
    });
}

int Add(const DataFolders& folders, const std::string& file, std::ostream& out, std::ostream& err) {
    const std::string& dataDir = folders.dataDir;
    const PuzzleFile puzzle = ReadPuzzleFile(file);
    const LibraryLock lock(dataDir); // nobody files between the checks and the filing
    const Verdict verdict = Validate(dataDir, puzzle.entry);
    if (!verdict.Passed()) {
        err << verdict.message << "\n";
        return kCommandFailed;
    }
    if (!IsExistingFolder(dataDir, puzzle.folder) && BreaksTree(puzzle.folder, true)) {
        err << kFolderNameBreaksTree << "\n";
        return kCommandFailed;
    }
    if (verdict.pictureHints) {
        NormalizePictures(folders, puzzle.entry.hints, GamePaletteHandle());
    }
    const NewPuzzle filing{
        puzzle.title, MemoText(puzzle.entry.words), MemoText(puzzle.entry.hints), {}};
    const FiledPuzzle filed = AppendPuzzleToFolder(dataDir, filing, puzzle.folder, {});
    out << "Filed \"" << puzzle.title << "\" in the folder \"" << puzzle.folder << "\" as puzzle "
        << filed.puzzleIndex << ", lines " << filed.first << " to " << filed.last << " of "
        << filed.wordBank << " and " << filed.hintBank << "\n";
    return kCommandSucceeded;
}

// The command's words after its name: [DIR] then `fixed` more. Without DIR the game's own
// folders, a new player's library started as the game starts it; a DIR named holds the library
// and, for what it lacks, the game's shipped files serve.
std::optional<DataFolders> DataDirArgument(const std::vector<std::string>& args, std::size_t fixed,
                                           const DataFolders& defaults) {
    const std::size_t given = args.size() - 1;
    if (given == fixed) {
        FillPlayerFolder(defaults);
        return DataFolders{AsDataDir(defaults.dataDir), AsDataDir(defaults.shippedDir)};
    }
    if (given == fixed + 1) {
        return DataFolders{AsDataDir(args[1]), AsDataDir(defaults.shippedDir)};
    }
    return std::nullopt;
}

int Dispatch(const std::vector<std::string>& args, const DataFolders& defaults, std::ostream& out,
             std::ostream& err) {
    const std::string& command = args[0];
    const std::size_t fixed = command == "add" ? 1 : 0;
    if (command != "check" && command != "add" && command != "list") {
        return Misused(err, "unknown command \"" + command + "\"");
    }
    const std::optional<DataFolders> folders = DataDirArgument(args, fixed, defaults);
    if (!folders) {
        return Misused(err, "wrong number of arguments for " + command);
    }
    if (command == "check") {
        return Check(folders->dataDir, out);
    }
    if (command == "list") {
        return List(folders->dataDir, out);
    }
    return Add(*folders, args.back(), out, err);
}

} // namespace

int RunLibraryCommand(const std::vector<std::string>& args, const DataFolders& defaults,
                      std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        return Misused(err, "no command given");
    }
    if (args[0] == "--help" && args.size() == 1) {
        out << kUsage;
        return kCommandSucceeded;
    }
    try {
        return Dispatch(args, defaults, out, err);
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return kCommandFailed;
    }
}

} // namespace lexiglade
