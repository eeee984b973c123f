#include "wizard/LibraryCommand.h"

#include "engine/Duration.h"
#include "library/Append.h"
#include "library/Errors.h"
#include "library/FileBatch.h"
#include "library/Folders.h"
#include "library/Latin1.h"
#include "library/LibraryCheck.h"
#include "library/LibraryLock.h"
#include "library/Paths.h"
#include "library/PuzzleFile.h"
#include "library/PuzzleText.h"
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
    R"(Usage: lexiglade-library check [--discard-journal] [DIR]
       lexiglade-library add [DIR] FILE
       lexiglade-library list [DIR]
       lexiglade-library --help

Looks after the puzzle library of Lexiglade: the .asl files in DIR, by default
the folder the game runs from.

  check [DIR]     First finishes or undoes a filing that was cut short (by a
                  crash or a power cut), removes the temporary files it left
                  (in DIR, DIR/pictures and DIR/pictures/originals) and says
                  what it settled. Then checks the library: the seven
                  catalogue lists have equal line counts and no NUL byte;
                  each puzzle's banks are a pair of plain file names (b1.asl
                  with b2.asl, b3.asl with b4.asl, ...) and its first and last
                  lines lie within both; no hint is empty; a text puzzle's
                  first hint has no full stop (the game would take its hints
                  for pictures); the pictures of picture puzzles are present;
                  the banks of each pair have equal line counts and no NUL
                  byte; every title is under a folder of the tree and every
                  puzzle of the tree has a title; best times are whole
                  seconds. Prints one line per problem.
  --discard-journal
                  Before checking, moves a damaged filing record (the file
                  .lexiglade-journal, which no filing can settle) with the
                  new files and backups beside it into a new folder
                  DIR/discarded-filing-XXXXXX, and says so. Look at the record
                  first: the library is then checked as it is.
  add [DIR] FILE  Files the puzzle written in FILE, a plain text file in UTF-8
                  (or Latin-1): the first line is the title, the second the
                  folder, then one line per word, WORD<TAB>hint (the word, a
                  tab character, its hint: a text, or a picture file in
                  DIR/pictures). It goes first under an existing folder of that
                  name, otherwise into a new folder at the end. It passes the
                  checks of the game's creation wizard, whose messages a
                  refusal prints (naming the line of FILE where it can); the
                  library stores Latin-1 characters only. Picture hints are
                  reshaped as the wizard does. The library is read back before
                  the puzzle is committed; a difference refuses it.
  list [DIR]      Prints each folder with its puzzles, their word counts and
                  best times (without / with backward words).
  --help          Prints this text.

Text is printed in UTF-8. Exit status: 0 when the command did its work (check:
the library is sound, after settling what needed it), 1 when check found a
problem or add or list could not be done, 2 when the command line is wrong.
Writes wait up to a few seconds for a game that is saving into the same
library.
)";

constexpr const char* kDiscardJournalOption = "--discard-journal";

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
    case Recovery::Tidied:
        return "A filing had ended without removing its backups; its backups were removed";
    case Recovery::Finished:
        return "A filing had been cut short after writing all its files; it was finished";
    case Recovery::Undone:
        return "A filing had been cut short while replacing files; it was undone";
    }
    return nullptr;
}

int Check(const std::string& dataDir, bool discardJournal, std::ostream& out) {
    if (discardJournal) {
        const std::string aside = DiscardJournal(dataDir);
        out << (aside.empty() ? "There was no filing record to set aside"
                              : "The filing record " + dataDir + kJournalName +
                                    " was set aside with the files beside it in " + aside)
            << "\n";
    }
    const LibraryReport report = CheckLibrary(dataDir);
    if (const char* note = RecoveryNote(report.recovery)) {
        out << note << "\n";
    }
    for (const std::string& problem : report.problems) {
        out << problem << "\n";
    }
    return report.problems.empty() ? kCommandSucceeded : kCommandFailed;
}

std::string Seconds(const std::optional<std::int32_t>& seconds) {
    return seconds ? FormatDuration(*seconds) : std::string("?");
}

int List(const std::string& dataDir, std::ostream& out) {
    FinishInterruptedFiling(dataDir); // as the game's start-up does, so the list shows what it will
    for (const ListedFolder& folder : ListLibrary(dataDir)) {
        out << Latin1ToUtf8(folder.name) << "\n";
        for (const ListedPuzzle& puzzle : folder.puzzles) {
            out << "\t" << Latin1ToUtf8(puzzle.title);
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

// The refusal of a new folder's name, or nothing.
const char* FolderRefusal(const std::string& dataDir, const std::string& folder) {
    if (IsExistingFolder(dataDir, folder)) {
        return nullptr;
    }
    if (BreaksTree(folder, true)) {
        return kFolderNameBreaksTree;
    }
    return HoldsControlCharacter(folder) ? kFolderNameControl : nullptr;
}

// A refusal of the wizard's checks; those that name what they refuse also name its line.
std::string RefusalText(const Verdict& verdict, const std::string& file) {
    if (verdict.text == nullptr) {
        return verdict.message;
    }
    const std::size_t line = verdict.word ? PuzzleFileLineOfWord(*verdict.word) : 1;
    return "Line " + std::to_string(line) + " of " + file + ": " + Latin1ToUtf8(verdict.message);
}

int Add(const DataFolders& folders, const std::string& file, std::ostream& out, std::ostream& err) {
    const std::string& dataDir = folders.dataDir;
    const PuzzleFile puzzle = ReadPuzzleFile(file);
    const LibraryLock lock(dataDir); // nobody files between the checks and the filing
    const PuzzleEntry entry{puzzle.title, puzzle.words, puzzle.hints};
    const Verdict verdict = Validate(dataDir, entry);
    if (!verdict.Passed()) {
        err << RefusalText(verdict, file) << "\n";
        return kCommandFailed;
    }
    if (const char* refusal = FolderRefusal(dataDir, puzzle.folder)) {
        err << (refusal == kFolderNameControl ? "Line 2 of " + file + ": " : "") << refusal << "\n";
        return kCommandFailed;
    }
    if (verdict.pictureHints) {
        NormalizePictures(folders, puzzle.hints, GamePaletteHandle());
    }
    const NewPuzzle filing{
        puzzle.title, JoinMemoLines(puzzle.words), JoinMemoLines(puzzle.hints), {}};
    const FiledPuzzle filed = AppendPuzzleToFolder(dataDir, filing, puzzle.folder, {});
    out << "Filed \"" << Latin1ToUtf8(puzzle.title) << "\" in the folder \""
        << Latin1ToUtf8(puzzle.folder) << "\" as puzzle " << filed.puzzleIndex << ", lines "
        << filed.first << " to " << filed.last << " of " << filed.wordBank << " and "
        << filed.hintBank << "\n";
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

int Dispatch(std::vector<std::string> args, const DataFolders& defaults, std::ostream& out,
             std::ostream& err) {
    const std::string command = args[0];
    const std::size_t fixed = command == "add" ? 1 : 0;
    if (command != "check" && command != "add" && command != "list") {
        return Misused(err, "unknown command \"" + command + "\"");
    }
    const bool discardJournal =
        command == "check" && args.size() > 1 && args[1] == kDiscardJournalOption;
    if (discardJournal) {
        args.erase(args.begin() + 1);
    }
    const std::optional<DataFolders> folders = DataDirArgument(args, fixed, defaults);
    if (!folders) {
        return Misused(err, "wrong number of arguments for " + command);
    }
    if (command == "check") {
        return Check(folders->dataDir, discardJournal, out);
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
