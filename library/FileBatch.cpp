#include "library/FileBatch.h"

#include "library/AtomicFile.h"
#include "library/Errors.h"
#include "library/FolderLock.h"
#include "library/InputFile.h"
#include "library/Journal.h"
#include "library/ListAppend.h"
#include "library/Paths.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <map>
#include <string_view>
#include <sys/stat.h>

namespace lexiglade {

namespace {

constexpr std::string_view kLeftoverPrefix = ".lexiglade-";

std::string StagedJournalName() {
    return std::string(kStagedPrefix) + kJournalName;
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// The names in the folder that start with `prefix`.
std::vector<std::string> NamesStartingWith(const std::string& folder, std::string_view prefix) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (std::string_view(entry->d_name).starts_with(prefix)) {
            names.emplace_back(entry->d_name);
        }
    }
    ::closedir(dir);
    return names;
}

// The pictures folder and its originals, where replacements cut short leave temporary files;
// only folders of their own, never reached through a link.
std::vector<std::string> PictureFolders(const std::string& folder) {
    std::vector<std::string> folders;
    const std::string pictures = PictureFolder(folder);
    for (const std::string& path : {pictures, pictures + kOriginalsFolder}) {
        struct stat info {};
        if (::lstat(path.substr(0, path.size() - 1).c_str(), &info) != 0 ||
            !S_ISDIR(info.st_mode)) {
            break;
        }
        folders.push_back(path);
    }
    return folders;
}

// What RemoveLeftovers found.
enum class Leftovers { None, Backups, Unfinished };

// Removes the new files and backups of earlier batches and the temporary files of the pictures.
Leftovers RemoveLeftovers(const std::string& folder) {
    Leftovers found = Leftovers::None;
    for (const std::string& name : NamesStartingWith(folder, kLeftoverPrefix)) {
        if (name.starts_with(kStagedPrefix) || name.starts_with(kBackupPrefix)) {
            RemoveFile(folder + name);
            found = std::max(found, name.starts_with(kBackupPrefix) ? Leftovers::Backups
                                                                    : Leftovers::Unfinished);
        }
    }
    for (const std::string& pictures : PictureFolders(folder)) {
        for (const std::string& name : NamesStartingWith(pictures, kStagedPrefix)) {
            RemoveFile(pictures + name);
            found = Leftovers::Unfinished;
        }
    }
    return found;
}

// The digest of the plain file under `path`; none when there is none or it cannot be read.
std::optional<FileDigest> DigestOfFile(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    try {
        return DigestOf(ReadFileBytes(path));
    } catch (const LibraryError&) {
        return std::nullopt;
    }
}

// Where one replacement of a journal stands.
struct EntryState {
    bool targetNew = false;   // the target holds the new content
    bool targetOld = false;   // it holds the old content, or is absent when there was none
    bool stagedReady = false; // the new content waits under its staged name
    bool backupReady = false; // the old content waits under its backup name
    bool CanFinish() const { return targetNew || stagedReady; }
};

EntryState StateOf(const std::string& folder, const JournalEntry& entry) {
    EntryState state;
    const std::optional<FileDigest> target = DigestOfFile(folder + entry.target);
    state.targetNew = target == entry.newDigest;
    state.targetOld = entry.backup ? target == entry.oldDigest : !Exists(folder + entry.target);
    state.stagedReady = !state.targetNew && DigestOfFile(folder + entry.staged) == entry.newDigest;
    state.backupReady =
        entry.backup && !state.targetOld && DigestOfFile(folder + *entry.backup) == entry.oldDigest;
    return state;
}

// A created file may be removed only while it holds what the batch wrote.
bool CanUndo(const JournalEntry& entry, const EntryState& state) {
    return state.targetOld || state.backupReady || (!entry.backup && state.targetNew);
}

void Finish(const std::string& folder, const std::vector<JournalEntry>& entries,
            const std::vector<EntryState>& states) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!states[i].targetNew) {
            const std::string target = folder + entries[i].target;
            RenameFile(folder + entries[i].staged, target, target);
        }
    }
}

void Undo(const std::string& folder, const std::vector<JournalEntry>& entries,
          const std::vector<EntryState>& states) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string target = folder + entries[i].target;
        if (states[i].targetOld) {
            continue;
        }
        if (entries[i].backup) {
            RenameFile(folder + *entries[i].backup, target, target);
        } else if (!RemoveFile(target)) {
            RaiseCannotWrite(target, "it cannot be removed");
        }
    }
}

// The journal's entries; of a larger file than a journal can be, only enough is read to see it.
std::vector<JournalEntry> ReadJournal(const std::string& path) {
    std::string text;
    try {
        InputFile file(path, InputFile::Links::Refuse);
        ReadOpenFileInto(file, text, kJournalSizeLimit + 1);
    } catch (const LibraryError&) {
        RaiseJournalDamaged(path);
    }
    std::optional<std::vector<JournalEntry>> entries = ParseJournal(text);
    if (!entries) {
        RaiseJournalDamaged(path);
    }
    return std::move(*entries);
}

// Completes or reverts every replacement the journal names, then removes the journal and, after
// it, the new files and backups. Undoing is chosen when preferred and possible.
Recovery SettleJournal(const std::string& folder, bool preferUndo) {
    const std::string journal = folder + kJournalName;
    const std::vector<JournalEntry> entries = ReadJournal(journal);
    std::vector<EntryState> states;
    bool canFinish = true;
    bool canUndo = true;
    std::string changed;
    for (const JournalEntry& entry : entries) {
        states.push_back(StateOf(folder, entry));
        canFinish = canFinish && states.back().CanFinish();
        if (!CanUndo(entry, states.back())) {
            canUndo = false;
            changed = folder + entry.target;
        }
    }
    const bool finish = canFinish && !(preferUndo && canUndo);
    if (!finish && !canUndo) {
        RaiseJournalUnresolved(journal, changed);
    }
    if (finish) {
        Finish(folder, entries, states);
    } else {
        Undo(folder, entries, states);
    }
    SyncFolder(folder);
    if (!RemoveFile(journal)) {
        RaiseCannotWrite(journal, "it cannot be removed");
    }
    try {
        SyncFolder(folder);
    } catch (const LibraryError&) {
        // Should the removal not last, the journal is settled again, finding nothing to do.
    }
    RemoveLeftovers(folder);
    return finish ? Recovery::Finished : Recovery::Undone;
}

void RemoveStaged(const std::string& folder, const std::vector<JournalEntry>& entries) {
    for (const JournalEntry& entry : entries) {
        RemoveFile(folder + entry.staged);
    }
}

// Every new file written in full under its staged name; none left on failure.
std::vector<JournalEntry> Stage(const std::string& folder,
                                const std::vector<FileReplacement>& files,
                                const std::function<void(std::size_t)>& beforeWriting) {
    std::vector<JournalEntry> entries;
    try {
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (beforeWriting) {
                beforeWriting(i);
            }
            const FileReplacement& file = files[i];
            if (!IsFilingTarget(file.name)) {
                RaiseCannotCreate(folder + file.name); // its journal could not be settled
            }
            JournalEntry entry{
                file.name, kStagedPrefix + file.name, std::nullopt, DigestOf(file.bytes), {}};
            if (file.previous) {
                entry.backup = kBackupPrefix + file.name;
                entry.oldDigest = DigestOf(*file.previous);
            }
            WriteStagedFile(folder + entry.staged, folder + file.name, file.bytes);
            entries.push_back(std::move(entry));
        }
    } catch (...) {
        RemoveStaged(folder, entries);
        throw;
    }
    return entries;
}

void WriteJournal(const std::string& folder, const std::vector<JournalEntry>& entries) {
    const std::string staged = folder + StagedJournalName();
    const std::string journal = folder + kJournalName;
    WriteStagedFile(staged, journal, FormatJournal(entries));
    try {
        RenameFile(staged, journal, journal);
    } catch (...) {
        RemoveFile(staged);
        throw;
    }
    try {
        SyncFolder(folder);
    } catch (...) {
        RemoveFile(journal); // not yet relied on: no file has been replaced
        throw;
    }
}

// The old files under their backup names: a second link, or a copy where links fail.
void KeepBackups(const std::string& folder, const std::vector<FileReplacement>& files,
                 const std::vector<JournalEntry>& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].backup) {
            continue;
        }
        const std::string target = folder + entries[i].target;
        const std::string backup = folder + *entries[i].backup;
        if (!LinkFile(target, backup)) {
            WriteStagedFile(backup, target, *files[i].previous);
        }
    }
}

} // namespace

void ReplaceAllOrNothing(const std::string& folder, const std::vector<FileReplacement>& files,
                         const std::function<void(std::size_t)>& beforeWriting,
                         const BatchVerifier& verify) {
    const FolderLock lock(folder);
    if (lock.Outermost()) {
        SettleInterruptedFiling(folder); // the batch starts from a settled library
    }
    const std::vector<JournalEntry> entries = Stage(folder, files, beforeWriting);
    try {
        if (verify) {
            std::map<std::string, std::string> staged;
            for (const JournalEntry& entry : entries) {
                staged[entry.target] = entry.staged;
            }
            verify(LibraryView(folder, std::move(staged)));
        }
        WriteJournal(folder, entries);
    } catch (...) {
        RemoveStaged(folder, entries);
        throw;
    }
    try {
        KeepBackups(folder, files, entries);
        for (const JournalEntry& entry : entries) {
            const std::string target = folder + entry.target;
            RenameFile(folder + entry.staged, target, target);
        }
        SyncFolder(folder);
    } catch (...) {
        try {
            SettleJournal(folder, true);
        } catch (...) {
            // The journal stays; the next start-up settles it. The first error is the one reported.
        }
        throw;
    }
    if (!RemoveFile(folder + kJournalName)) {
        return; // filed; the next start-up removes the journal and the backups
    }
    try {
        SyncFolder(folder);
    } catch (const LibraryError&) {
        // Should the removal not last, the journal is settled again, finding the files filed.
    }
    for (const JournalEntry& entry : entries) {
        if (entry.backup) {
            RemoveFile(folder + *entry.backup);
        }
    }
}

Recovery SettleInterruptedFiling(const std::string& folder) {
    if (Exists(folder + kJournalName)) {
        return SettleJournal(folder, false);
    }
    switch (RemoveLeftovers(folder)) {
    case Leftovers::None:
        return Recovery::Nothing;
    case Leftovers::Backups:
        return Recovery::Tidied; // the journal goes before the backups
    case Leftovers::Unfinished:
        break;
    }
    return Recovery::Cleared;
}

bool HasFilingLeftovers(const std::string& folder) {
    const std::vector<std::string> names = NamesStartingWith(folder, kLeftoverPrefix);
    const auto pictures = PictureFolders(folder);
    return std::any_of(names.begin(), names.end(),
                       [](const std::string& name) { return name != kLockFileName; }) ||
           std::any_of(pictures.begin(), pictures.end(), [](const std::string& pictureFolder) {
               return !NamesStartingWith(pictureFolder, kStagedPrefix).empty();
           });
}

std::string DiscardJournal(const std::string& folder) {
    const FolderLock lock(folder);
    if (!Exists(folder + kJournalName)) {
        return {};
    }
    std::string aside = folder + "discarded-filing-XXXXXX";
    if (::mkdtemp(aside.data()) == nullptr) {
        RaiseCannotCreate(aside);
    }
    aside += '/';
    for (const std::string& name : NamesStartingWith(folder, kLeftoverPrefix)) {
        if (name == kJournalName || name.starts_with(kStagedPrefix) ||
            name.starts_with(kBackupPrefix)) {
            RenameFile(folder + name, aside + name, folder + name);
        }
    }
    SyncFolder(folder);
    return aside;
}

Recovery FinishInterruptedFiling(const std::string& folder) {
    if (!HasFilingLeftovers(folder)) {
        return Recovery::Nothing;
    }
    const FolderLock lock(folder);
    return lock.Outermost() ? SettleInterruptedFiling(folder) : Recovery::Nothing;
}

} // namespace lexiglade
