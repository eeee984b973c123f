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
    const std::string& dataDir = context.folders.dataDir;
    if (discardJournal) {
        const std::string aside = DiscardJournal(dataDir);
        context.out << (aside.empty()
                            ? CommandText(Texts::Check::kNoRecord)
                            : CommandText(Texts::Check::kSetAside, {dataDir + kJournalName, aside}))
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

void PrintFolder(std::ostream& out, const ListedFolder& folder) {
    out << Latin1ToUtf8(folder.name) << "\n";
    for (const ListedPuzzle& puzzle : folder.puzzles) {
        out << "\t" << Latin1ToUtf8(puzzle.title) << "\t";
        if (!puzzle.inLibrary) {
            out << CommandText(Texts::List::kNotInLibrary) << "\n";
            continue;
        }
        const std::string words =
            puzzle.words ? std::to_string(*puzzle.words) : std::string(Texts::List::kUnknown);
        out << CommandText(Texts::List::kPuzzle,
                           {words, Seconds(puzzle.plainBest), Seconds(puzzle.backwardBest)})
            << "\n";
    }
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
    for (const ListedFolder& folder : ListLibrary(context.folders.dataDir)) {
        if (!only || folder.name == *only) {
            PrintFolder(context.out, folder);
            shown = true;
        }
    }
    if (only && !shown) {
        context.err << CommandText(Texts::List::kNoSuchFolder, {Latin1ToUtf8(*only)}) << "\n";
        return kCommandFailed;
    }
    return kCommandSucceeded;
}

} // namespace lexiglade
