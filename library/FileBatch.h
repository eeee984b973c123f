#pragma once
// A set of whole-file replacements in one folder that is applied completely or not at all, even
// when the process is killed or the machine stops half-way: a journal beside the files records
// the intent before the first file is replaced.
#include "library/AtomicFile.h"
#include "library/FileStamp.h"
#include "library/Journal.h"
#include "library/LibraryView.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lexiglade {

// What start-up found of a filing that was cut short.
enum class Recovery {
    Nothing,  // no trace of one
    Cleared,  // it had changed nothing; its unfinished new files were removed
    Tidied,   // it had ended but left its backups; they were removed
    Finished, // every file had been written; the replacements were completed
    Undone,   // the files it had replaced got their old content back
};

// The journal; the prefixes of the new files and backups it names are those of Journal.h.
inline constexpr const char* kJournalName = ".lexiglade-journal";

// A list that only grows, as it was when a change was worked out: its new lines go after its old
// bytes, in place.
struct GrowingList {
    FileStamp stamp;
    std::uint64_t lines = 0;
};

struct FileReplacement {
    std::string name;                    // a file that filings replace (IsFilingTarget)
    std::optional<std::string> previous; // the file's bytes now; none when it does not exist
    std::string bytes;
    // For a file too large to hold: its new content handed over piece by piece instead of
    // `bytes`, and its old content, when `oldInFile`, left in the file rather than in `previous`.
    ContentProducer produce = {};
    bool oldInFile = false;
    // For a list that only grows: `bytes` are its new lines, written after its old bytes in
    // place; the file must then still show this stamp.
    std::optional<GrowingList> grows = std::nullopt;
};

// Checks the library as a batch will leave it, reading its new files where they wait; throws to
// refuse the batch.
using BatchVerifier = std::function<void(const LibraryView& staged)>;

// Under the library's lock: writes every new file first (synced, calling beforeWriting(i) before
// file i; the lines a growing list gains go to a new file of their own), lets `verify` read them,
// keeps the old files as backups, writes the journal naming every replacement (synced, with its
// folder), renames the new files over the old ones and writes each growing list's new lines after
// its old bytes, then removes the journal and after it the backups and the new lines' files. A name
// that is not a filing target is refused
// ("Cannot create file %s"). On any failure or refusal every file keeps its old content, no new
// file remains, and the error is rethrown; should even putting back fail, the journal stays for
// the next start-up.
void ReplaceAllOrNothing(const std::filesystem::path& folder,
                         const std::vector<FileReplacement>& files,
                         const std::function<void(std::size_t)>& beforeWriting,
                         const BatchVerifier& verify = {});

// Run at start-up and before every write: finishes a filing that was cut short once its journal
// was complete (every new file written), otherwise undoes it, so that the library is wholly
// before or wholly after it; then removes its leftovers, and the temporary files of replacements
// cut short in the pictures folder and its originals. Takes the library's lock only when there
// is something to settle. A journal that cannot be read or settled, or that no filing could have
// written (ParseJournal), is left with every file it names, and its error is raised.
Recovery FinishInterruptedFiling(const std::filesystem::path& folder);

// True when the folder holds a journal, new files or backups of a batch, or the pictures folder or
// its originals a temporary file. The lock file and the caches beside the lists are no
// leftovers.
bool HasFilingLeftovers(const std::filesystem::path& folder);

// Under the lock, without settling anything: moves the journal, with the new files and backups of
// the folder, into a new folder "discarded-filing-XXXXXX" beside them; returns that folder's path
// (in DirectoryForm), empty when there was no journal. For a journal that cannot be settled, once
// the player has looked at it. "Cannot create file %s" or "Cannot write file %s: ..." when they
// cannot be moved.
std::filesystem::path DiscardJournal(const std::filesystem::path& folder);

// FinishInterruptedFiling for a caller that holds the lock.
Recovery SettleInterruptedFiling(const std::filesystem::path& folder);

} // namespace lexiglade
