// The library command's check and list: what a library holds, and what is wrong with it.
#include "engine/Duration.h"
#include "library/FileBatch.h"
#include "library/Latin1.h"
#include "library/LibraryCheck.h"
#include "library/LibraryLock.h"
#include "wizard/LibraryCommand.h"
#include "wizard/LibraryCommandParts.h"
#include "wizard/LibraryCommandTexts.h"

#include <ostream>

namespace lexiglade {

namespace {

namespace Texts = CommandTexts;

const char* RecoveryNote(Recovery recovery) {
    switch (recovery) {
    case Recovery::Nothing:
        return nullptr;
    case Recovery::Cleared:
        return Texts::Check::kCleared;
    case Recovery::Tidied:
        return Texts::Check::kTidied;
    case Recovery::Finished:
        return Texts::Check::kFinished;
    case Recovery::Undone:
        return Texts::Check::kUndone;
    }
    return nullptr;
}

} // namespace

int CheckCommand(const CommandContext& context, bool discardJournal) {
    const std::filesystem::path& dataDir = context.folders.dataDir;
    if (discardJournal) {
        const std::filesystem::path aside = DiscardJournal(dataDir);
        const std::string journal = dataDir / kJournalName;
        context.out << (aside.empty()
                            ? CommandText(Texts::Check::kNoRecord)
                            : CommandText(Texts::Check::kSetAside, {journal, aside.native()}))
                    << "\n";
    }
    const LibraryReport report = CheckLibrary(dataDir);
    if (const char* note = RecoveryNote(report.recovery)) {
        context.out << CommandText(note) << "\n";
    }
    for (const std::string& problem : report.problems) {
        context.out << ProblemMessage(problem) << "\n";
    }
    return report.problems.empty() ? kCommandSucceeded : kCommandFailed;
}

namespace {

std::string Seconds(const std::optional<std::int32_t>& seconds) {
    return seconds ? FormatDuration(*seconds) : std::string(Texts::List::kUnknown);
}

// One line for the puzzle, written at once: a large library lists a million.
void PrintPuzzle(std::ostream& out, const ListedPuzzle& puzzle) {
    std::string line = "\t";
    line += Latin1ToUtf8(puzzle.title);
    line += '\t';
    if (!puzzle.inLibrary) {
        line += CommandText(Texts::List::kNotInLibrary);
    } else {
        const std::string words =
            puzzle.words ? std::to_string(*puzzle.words) : std::string(Texts::List::kUnknown);
        line += CommandText(Texts::List::kPuzzle,
                            {words, Seconds(puzzle.plainBest), Seconds(puzzle.backwardBest)});
    }
    line += '\n';
    out << line;
}

} // namespace

int ListCommand(const CommandContext& context, const std::optional<std::string>& typedFolder) {
    std::optional<std::string> only;
    if (typedFolder && !(only = TypedLibraryText(context, *typedFolder))) {
        return kCommandFailed;
    }
    // As the game's start-up does, so that the list shows what the game will.
    FinishInterruptedFiling(context.folders.dataDir);
    bool shown = false;
    bool showing = false; // the puzzles of the folder being walked are shown
    WalkLibraryListing(
        context.folders.dataDir,
        [&](const std::string& folder) {
            showing = !only || folder == *only;
            if (showing) {
                context.out << Latin1ToUtf8(folder) << "\n";
                shown = true;
            }
        },
        [&](const ListedPuzzle& puzzle) {
            if (showing) {
                PrintPuzzle(context.out, puzzle);
            }
        });
    if (only && !shown) {
        context.err << CommandText(Texts::List::kNoSuchFolder, {Latin1ToUtf8(*only)}) << "\n";
        return kCommandFailed;
    }
    return kCommandSucceeded;
}

} // namespace lexiglade
