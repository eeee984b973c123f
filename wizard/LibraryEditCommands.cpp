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
#include "wizard/LibraryCommand.h"
#include "wizard/LibraryCommandParts.h"
#include "wizard/LibraryCommandTexts.h"
#include "wizard/Validation.h"

#include <ostream>

namespace lexiglade {

namespace {

namespace Texts = CommandTexts;

// "It is puzzle K, on lines F to E of B1 and B2." as `text` words it.
std::string Whereabouts(const char* text, const FiledPuzzle& filed) {
    return FillText(text, {std::to_string(filed.puzzleIndex), std::to_string(filed.first),
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
std::optional<std::string> NameRefusal(const std::string& dataDir, const std::string& name) {
    PuzzleChecks checks;
    checks.titleTaken = [&](const std::string& title) { return LibraryHoldsTitle(dataDir, title); };
    const Verdict verdict = ValidateName(name, checks);
    return verdict.Passed() ? std::nullopt : std::optional(verdict.message);
}

} // namespace

int ExportCommand(const CommandContext& context, const std::string& typedTitle,
                  const std::optional<std::string>& file) {
    const std::optional<std::string> title = TypedLibraryText(context, typedTitle);
    if (!title) {
        return kCommandFailed;
    }
    const std::string& dataDir = context.folders.dataDir;
    FinishInterruptedFiling(dataDir); // the puzzle as the game would show it
    const PuzzleFile puzzle = ExportPuzzle(dataDir, *title);
    const std::string text = FormatPuzzleFile(puzzle);
    if (!file) {
        context.out << text;
        return kCommandSucceeded;
    }
    ReplaceFile(*file, text);
    context.out << FillText(Texts::Export::kWrote,
                            {Latin1ToUtf8(*title), std::to_string(puzzle.words.size()), *file})
                << "\n";
    if (!puzzle.hints.empty() && TakenForPictures(puzzle.hints.front())) {
        context.out << FillText(Texts::Export::kPictures, {PictureFolder(dataDir)}) << "\n";
    }
    return kCommandSucceeded;
}

int RemoveCommand(const CommandContext& context, const std::string& typedTitle) {
    const std::optional<std::string> title = TypedLibraryText(context, typedTitle);
    if (!title) {
        return kCommandFailed;
    }
    const std::string& dataDir = context.folders.dataDir;
    const LibraryLock lock(dataDir);
    const std::optional<std::string> folder =
        FolderOfPuzzle(ReadList(DataPath(dataDir, kTreeFile)), *title);
    const FiledPuzzle filed = RemovePuzzle(dataDir, *title);
    const std::string done =
        folder ? FillText(Texts::Remove::kRemoved, {Latin1ToUtf8(*title), Latin1ToUtf8(*folder)})
               : FillText(Texts::Remove::kRemovedNoFolder, {Latin1ToUtf8(*title)});
    PrintDone(context, done, Texts::Remove::kWhere, filed);
    return kCommandSucceeded;
}

int RenameCommand(const CommandContext& context, const std::string& typedTitle,
                  const std::string& typedNew) {
    const std::optional<std::string> title = TypedLibraryText(context, typedTitle);
    const std::optional<std::string> newTitle =
        title ? TypedLibraryText(context, typedNew) : std::nullopt;
    if (!newTitle) {
        return kCommandFailed;
    }
    const std::string& dataDir = context.folders.dataDir;
    const LibraryLock lock(dataDir); // nobody files between the checks and the change
    if (const std::optional<std::string> refusal = NameRefusal(dataDir, *newTitle)) {
        context.err << FillText(Texts::Rename::kRefused,
                                {Latin1ToUtf8(*title), Latin1ToUtf8(*newTitle), *refusal})
                    << "\n";
        return kCommandFailed;
    }
    const FiledPuzzle filed = RenamePuzzle(dataDir, *title, *newTitle);
    PrintDone(context,
              FillText(Texts::Rename::kRenamed, {Latin1ToUtf8(*title), Latin1ToUtf8(*newTitle)}),
              Texts::Rename::kWhere, filed);
    return kCommandSucceeded;
}

int MoveCommand(const CommandContext& context, const std::string& typedTitle,
                const std::string& typedFolder) {
    const std::optional<std::string> title = TypedLibraryText(context, typedTitle);
    const std::optional<std::string> folder =
        title ? TypedLibraryText(context, typedFolder) : std::nullopt;
    if (!folder) {
        return kCommandFailed;
    }
    const std::string& dataDir = context.folders.dataDir;
    const LibraryLock lock(dataDir);
    if (const char* refusal = NewFolderRefusal(dataDir, *folder)) {
        context.err << FillText(Texts::Move::kRefused,
                                {Latin1ToUtf8(*title), Latin1ToUtf8(*folder), refusal})
                    << "\n";
        return kCommandFailed;
    }
    const FiledPuzzle filed = MovePuzzle(dataDir, *title, *folder);
    PrintDone(context, FillText(Texts::Move::kMoved, {Latin1ToUtf8(*title), Latin1ToUtf8(*folder)}),
              Texts::Move::kWhere, filed);
    return kCommandSucceeded;
}

} // namespace lexiglade
