#pragma once
// A set of whole-file replacements in one folder that is applied completely or not at all, even
// when the process is killed or the machine stops half-way: a journal beside the files records
// the intent before the first file is replaced.
#include "library/LibraryLock.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lexiglade {

// The journal, and the prefixes of the new files and backups it names.
inline constexpr const char* kJournalName = ".lexiglade-journal";
inline constexpr const char* kStagedPrefix = ".lexiglade-new-";
inline constexpr const char* kBackupPrefix = ".lexiglade-old-";

struct FileReplacement {
    std::string name;                    // a plain file name in the folder
    std::optional<std::string> previous; // the file's bytes now; none when it does not exist
    std::string bytes;
};

// Under the library's lock: writes every new file first (synced, calling beforeWriting(i) before
// file i), keeps the old files as backups, writes the journal naming every replacement (synced,
// with its folder), renames the new files over the old ones, then removes the journal and after
// it the backups. On any failure every file keeps its old content, no new file remains, and the
// error is rethrown; should even putting back fail, the journal stays for the next start-up.
void ReplaceAllOrNothing(const std::string& folder, const std::vector<FileReplacement>& files,
                         const std::function<void(std::size_t)>& beforeWriting);

// Run at start-up and before every write: finishes a filing that was cut short once its journal
// was complete (every new file written), otherwise undoes it, so that the library is wholly
// before or wholly after it; then removes its leftovers. Takes the library's lock only when there
// is something to settle. A journal that cannot be read or settled is left with every file it
// names, and its error is raised.
Recovery FinishInterruptedFiling(const std::string& folder);

// True when the folder holds a journal, new files or backups of a batch.
bool HasFilingLeftovers(const std::string& folder);

// FinishInterruptedFiling for a caller that holds the lock.
Recovery SettleInterruptedFiling(const std::string& folder);

} // namespace lexiglade
