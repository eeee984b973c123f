// The library command's export, remove, rename and move: a teacher's work on puzzles already in
// the library.
#include "library/AtomicFile.h"
#include "library/FileBatch.h"
#include "library/Folders.h"
#include "library/Latin1.h"
#include "library/LibraryLock.h"
#include "library/ListReader.h"
#include "library/Paths.h"
#include "library/PuzzleEdit.h"
#include "library/PuzzleFile.h"
#include "library/PuzzleText.h"
#include "library/TextList.h"
#include "wizard/CheckMessages.h"
#include "wizard/LibraryCommand.h"
#include "wizard/LibraryCommandParts.h"
#include "wizard/LibraryCommandTexts.h"
#include "wizard/Validation.h"

#include <functional>
#include <ostream>

namespace lexiglade {

namespace {

namespace Texts = CommandTexts;

// "It is puzzle K, on lines F to E of B1 and B2." as `text` words it.
std::string Whereabouts(const char* text, const FiledPuzzle& filed) {
    return CommandText(text, {std::to_string(filed.puzzleIndex), std::to_string(filed.first),
                              std::to_string(filed.last), filed.wordBank, filed.hintBank});
}

void PrintDone(const CommandContext& context, const std::string& done, const char* where,
               const FiledPuzzle& filed) {
    context.out << done << "\n";
    if (context.verbose) {
        context.out << Whereabouts(where, filed) << "\n";
    }
}

// The puzzle maker's checks of a name for a puzzle.
std::optional<std::string> NameRefusal(const std::filesystem::path& dataDir,
                                       const std::string& name) {
    PuzzleChecks checks;
    checks.titleTaken = [&](const std::string& title) { return LibraryHoldsTitle(dataDir, title); };
    const Verdict verdict = ValidateName(name, checks);
    return verdict.Passed() ? std::nullopt : std::optional(VerdictText(verdict).toStdString());
}

// The texts of a change that gives a puzzle a new title or folder.
struct NameChangeTexts {
    const char* done;    // %1 the title, %2 the new name
    const char* refused; // the same, and %3 why
    const char* where;
};

using NameCheck = std::function<std::optional<std::string>(const std::filesystem::path& dataDir,
                                                           const std::string& name)>;
using NameChange = std::function<FiledPuzzle(const std::filesystem::path& dataDir,
                                             const std::string& title, const std::string& name)>;

// Both typed texts in Latin-1; then, under the lock so that nobody files between them, the puzzle
// maker's check of the new name and the change.
int ChangeWithName(const CommandContext& context, const std::string& typedTitle,
                   const std::string& typedName, const NameCheck& check, const NameChange& change,
                   const NameChangeTexts& texts) {
    const std::optional<std::string> title = TypedLibraryText(context, typedTitle);
    const std::optional<std::string> name =
        title ? TypedLibraryText(context, typedName) : std::nullopt;
    if (!name) {
        return kCommandFailed;
    }
    const std::filesystem::path& dataDir = context.folders.dataDir;
    const LibraryLock lock(dataDir);
    const std::string shownTitle = Latin1ToUtf8(*title), shownName = Latin1ToUtf8(*name);
    if (const std::optional<std::string> refusal = check(dataDir, *name)) {
        context.err << CommandText(texts.refused, {shownTitle, shownName, *refusal}) << "\n";
        return kCommandFailed;
    }
    const FiledPuzzle filed = change(dataDir, *title, *name);
    PrintDone(context, CommandText(texts.done, {shownTitle, shownName}), texts.where, filed);
    return kCommandSucceeded;
}

} // namespace

int ExportCommand(const CommandContext& context, const std::string& typedTitle,
                  const std::optional<std::string>& file) {
    const std::optional<std::string> title = TypedLibraryText(context, typedTitle);
    if (!title) {
        return kCommandFailed;
    }
    const std::filesystem::path& dataDir = context.folders.dataDir;
    FinishInterruptedFiling(dataDir); // the puzzle as the game would show it
    const PuzzleFile puzzle = ExportPuzzle(dataDir, *title);
    const std::string text = FormatPuzzleFile(puzzle);
    if (!file) {
        context.out << text;
        return kCommandSucceeded;
    }
    ReplaceFile(*file, text);
    context.out << CommandText(Texts::Export::kWrote,
                               {Latin1ToUtf8(*title), std::to_string(puzzle.words.size()), *file})
                << "\n";
    if (!puzzle.hints.empty() && TakenForPictures(puzzle.hints.front())) {
        context.out << CommandText(Texts::Export::kPictures,
                                   {DirectoryForm(PictureFolder(dataDir)).native()})
                    << "\n";
    }
    return kCommandSucceeded;
}

int RemoveCommand(const CommandContext& context, const std::string& typedTitle) {
    const std::optional<std::string> title = TypedLibraryText(context, typedTitle);
    if (!title) {
        return kCommandFailed;
    }
    const std::filesystem::path& dataDir = context.folders.dataDir;
    const LibraryLock lock(dataDir);
    const std::optional<std::string> folder = FolderOfPuzzle(ReadList(dataDir / kTreeFile), *title);
    const FiledPuzzle filed = RemovePuzzle(dataDir, *title);
    const std::string done =
        folder ? CommandText(Texts::Remove::kRemoved, {Latin1ToUtf8(*title), Latin1ToUtf8(*folder)})
               : CommandText(Texts::Remove::kRemovedNoFolder, {Latin1ToUtf8(*title)});
    PrintDone(context, done, Texts::Remove::kWhere, filed);
    return kCommandSucceeded;
}

int RenameCommand(const CommandContext& context, const std::string& typedTitle,
                  const std::string& typedNew) {
    return ChangeWithName(
        context, typedTitle, typedNew, NameRefusal, RenamePuzzle,
        {Texts::Rename::kRenamed, Texts::Rename::kRefused, Texts::Rename::kWhere});
}

int MoveCommand(const CommandContext& context, const std::string& typedTitle,
                const std::string& typedFolder) {
    const auto folderRefusal = [](const std::filesystem::path& dataDir, const std::string& folder) {
        const char* refusal = NewFolderRefusal(dataDir, folder);
        return refusal ? std::optional(CheckText(refusal).toStdString()) : std::nullopt;
    };
    return ChangeWithName(context, typedTitle, typedFolder, folderRefusal, MovePuzzle,
                          {Texts::Move::kMoved, Texts::Move::kRefused, Texts::Move::kWhere});
}

} // namespace lexiglade
