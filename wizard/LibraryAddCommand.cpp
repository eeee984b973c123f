// The library command's add: a puzzle file, checked as the game's puzzle maker checks a puzzle,
// then filed; a refusal names the file, the line and the title, folder or word on it.
#include "library/Append.h"
#include "library/Folders.h"
#include "library/Latin1.h"
#include "library/LibraryLock.h"
#include "library/ListReader.h"
#include "library/Paths.h"
#include "library/PuzzleFile.h"
#include "library/PuzzleText.h"
#include "platform/GamePalette.h"
#include "wizard/CheckMessages.h"
#include "wizard/LibraryCommand.h"
#include "wizard/LibraryCommandParts.h"
#include "wizard/LibraryCommandTexts.h"
#include "wizard/Pictures.h"
#include "wizard/Validation.h"

#include <exception>
#include <ostream>

namespace lexiglade {

namespace {

namespace Texts = CommandTexts::Add;
using Kind = PuzzleFileError::Kind;

std::string Refusal(std::size_t line, const std::string& file, std::string_view text,
                    std::string_view why) {
    return CommandText(Texts::kRefusal, {std::to_string(line), file, text, why});
}

// The refusal of a file that cannot be read as a puzzle file.
std::string FileRefusal(const PuzzleFileError& error, const std::string& file) {
    switch (error.kind) {
    case Kind::NoFolder:
        return CommandText(Texts::kMissingLine, {std::to_string(error.line), file});
    case Kind::NoTab:
        return Refusal(error.line, file, error.text, CommandText(Texts::kNoTab));
    case Kind::NulByte:
        return Refusal(error.line, file, error.text, CommandText(Texts::kNulByte));
    case Kind::BeyondLatin1:
        break;
    }
    const std::string why = CommandText(
        Texts::kBeyondLatin1, {EncodeUtf8(error.character), CodePointText(error.character)});
    return Refusal(error.line, file, error.text, why);
}

std::string VerdictRefusal(const Verdict& verdict, const PuzzleFile& puzzle,
                           const std::string& file) {
    if (verdict.word && *verdict.word < puzzle.words.size()) {
        return Refusal(PuzzleFileLineOfWord(*verdict.word), file,
                       Latin1ToUtf8(puzzle.words[*verdict.word]),
                       VerdictText(verdict).toStdString());
    }
    return Refusal(kPuzzleFileTitleLine, file, Latin1ToUtf8(puzzle.title),
                   VerdictText(verdict).toStdString());
}

// The puzzle maker's checks, against the library as it is now.
Verdict Validate(const std::filesystem::path& dataDir, const PuzzleFile& puzzle) {
    PuzzleChecks checks;
    checks.dataDir = dataDir;
    checks.titleTaken = [&](const std::string& title) { return LibraryHoldsTitle(dataDir, title); };
    checks.pictureExists = [&](const std::string& hint) {
        return FindPicture(dataDir, hint).has_value();
    };
    return ValidatePuzzle({puzzle.title, puzzle.words, puzzle.hints}, checks);
}

// Reshapes each picture in turn; the refusal of the first that fails, naming its line.
std::optional<std::string> ReshapePictures(const CommandContext& context, const PuzzleFile& puzzle,
                                           const std::string& file) {
    for (std::size_t i = 0; i < puzzle.hints.size(); ++i) {
        try {
            NormalizePictures(context.folders, {puzzle.hints[i]}, GamePaletteHandle());
        } catch (const std::exception& error) {
            return Refusal(PuzzleFileLineOfWord(i), file, Latin1ToUtf8(puzzle.words[i]),
                           ErrorMessage(error));
        }
    }
    return std::nullopt;
}

} // namespace

int AddCommand(const CommandContext& context, const std::string& file) {
    const std::filesystem::path& dataDir = context.folders.dataDir;
    PuzzleFile puzzle;
    try {
        puzzle = ReadPuzzleFile(file);
    } catch (const PuzzleFileError& error) {
        context.err << FileRefusal(error, file) << "\n";
        return kCommandFailed;
    }
    const LibraryLock lock(dataDir); // nobody files between the checks and the filing
    const Verdict verdict = Validate(dataDir, puzzle);
    std::optional<std::string> refusal;
    if (!verdict.Passed()) {
        refusal = VerdictRefusal(verdict, puzzle, file);
    } else if (const char* folder = NewFolderRefusal(dataDir, puzzle.folder)) {
        refusal = Refusal(kPuzzleFileFolderLine, file, Latin1ToUtf8(puzzle.folder),
                          CheckText(folder).toStdString());
    } else if (verdict.pictureHints) {
        refusal = ReshapePictures(context, puzzle, file);
    }
    if (refusal) {
        context.err << *refusal << "\n";
        return kCommandFailed;
    }
    const NewPuzzle filing{
        puzzle.title, JoinMemoLines(puzzle.words), JoinMemoLines(puzzle.hints), {}};
    const FiledPuzzle filed = AppendPuzzleToFolder(dataDir, filing, puzzle.folder, {});
    context.out << CommandText(Texts::kFiled,
                               {Latin1ToUtf8(puzzle.title), Latin1ToUtf8(puzzle.folder),
                                std::to_string(puzzle.words.size())})
                << "\n";
    if (context.verbose) {
        context.out << CommandText(Texts::kWhere,
                                   {std::to_string(filed.puzzleIndex), std::to_string(filed.first),
                                    std::to_string(filed.last), filed.wordBank, filed.hintBank})
                    << "\n";
    }
    return kCommandSucceeded;
}

} // namespace lexiglade
