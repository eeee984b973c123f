#include "library/FileBatch.h"

#include "library/AtomicFile.h"
#include "library/BankCounts.h"
#include "library/CatalogueIndex.h"
#include "library/Errors.h"
#include "library/FolderLock.h"
#include "library/InputFile.h"
#include "library/Journal.h"
#include "library/ListAppend.h"
#include "library/Paths.h"
#include "library/TextList.h"

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
std::vector<std::string> NamesStartingWith(const std::filesystem::path& folder,
                                           std::string_view prefix) {
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
std::vector<std::filesystem::path> PictureFolders(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> folders;
    const std::filesystem::path pictures = PictureFolder(folder);
    for (const std::filesystem::path& path : {pictures, pictures / kOriginalsFolder}) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            break;
        }
        folders.push_back(path);
    }
    return folders;
}

// What RemoveLeftovers found.
enum class Leftovers { None, Backups, Unfinished };

// Removes the new files and backups of earlier batches and the temporary files of the pictures.
Leftovers RemoveLeftovers(const std::filesystem::path& folder) {
    Leftovers found = Leftovers::None;
    for (const std::string& name : NamesStartingWith(folder, kLeftoverPrefix)) {
        if (name.starts_with(kStagedPrefix) || name.starts_with(kBackupPrefix)) {
            RemoveFile(folder / name);
            found = std::max(found, name.starts_with(kBackupPrefix) ? Leftovers::Backups
                                                                    : Leftovers::Unfinished);
        }
    }
    for (const std::filesystem::path& pictures : PictureFolders(folder)) {
        for (const std::string& name : NamesStartingWith(pictures, kStagedPrefix)) {
            RemoveFile(pictures / name);
            found = Leftovers::Unfinished;
        }
    }
    return found;
}

constexpr std::size_t kDigestPiece = std::size_t{1} << 16;

// The digest of `size` bytes of the file from `offset`, read a piece at a time; none when it is
// shorter. "Cannot open file %s" and the like as InputFile.
std::optional<FileDigest> DigestOfRange(const std::string& path, std::uint64_t offset,
                                        std::uint64_t size) {
    InputFile file(path, InputFile::Links::Refuse);
    DigestBuilder digest;
    std::string piece(static_cast<std::size_t>(std::min<std::uint64_t>(size, kDigestPiece)), '\0');
    while (digest.Digest().size < size) {
        const auto want = static_cast<std::size_t>(
            std::min<std::uint64_t>(size - digest.Digest().size, kDigestPiece));
        const std::size_t got = file.ReadAt(offset + digest.Digest().size, piece.data(), want);
        if (got == 0) {
            return std::nullopt;
        }
        digest.Add({piece.data(), got});
    }
    return digest.Digest();
}

// The digest of the plain file under `path`; none when there is none or it cannot be read.
std::optional<FileDigest> DigestOfFile(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    try {
        return DigestOfRange(path, 0, static_cast<std::uint64_t>(info.st_size));
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
    bool grown = false;       // an append's target keeps its old bytes, and what follows is ours
};

// Where an append stands: its target's old bytes end at appendAt as the guard shows them, and
// at most the new bytes follow.
EntryState StateOfAppend(const std::filesystem::path& folder, const JournalEntry& entry) {
    EntryState state;
    const std::string target = folder / entry.target;
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return state;
    }
    const auto size = static_cast<std::uint64_t>(info.st_size);
    const std::uint64_t at = *entry.appendAt;
    try {
        state.grown = size >= at && size <= at + entry.newDigest.size &&
                      DigestOfRange(target, at - entry.oldDigest.size, entry.oldDigest.size) ==
                          entry.oldDigest;
        state.targetOld = state.grown && size == at;
        state.targetNew = state.grown && size == at + entry.newDigest.size &&
                          DigestOfRange(target, at, entry.newDigest.size) == entry.newDigest;
    } catch (const LibraryError&) {
        return EntryState{};
    }
    state.stagedReady = true; // the journal holds the new bytes
    return state;
}

EntryState StateOf(const std::filesystem::path& folder, const JournalEntry& entry) {
    if (entry.appendAt) {
        return StateOfAppend(folder, entry);
    }
    EntryState state;
    const std::optional<FileDigest> target = DigestOfFile(folder / entry.target);
    state.targetNew = target == entry.newDigest;
    state.targetOld = entry.backup ? target == entry.oldDigest : !Exists(folder / entry.target);
    state.stagedReady = !state.targetNew && DigestOfFile(folder / entry.staged) == entry.newDigest;
    state.backupReady =
        entry.backup && !state.targetOld && DigestOfFile(folder / *entry.backup) == entry.oldDigest;
    return state;
}

bool CanFinish(const JournalEntry& entry, const EntryState& state) {
    return state.targetNew || (state.stagedReady && (!entry.appendAt || state.grown));
}

// A created file may be removed only while it holds what the batch wrote; an append is taken back
// only while its target keeps its old bytes.
bool CanUndo(const JournalEntry& entry, const EntryState& state) {
    if (entry.appendAt) {
        return state.grown;
    }
    return state.targetOld || state.backupReady || (!entry.backup && state.targetNew);
}

void Finish(const std::filesystem::path& folder, const std::vector<JournalEntry>& entries,
            const std::vector<EntryState>& states) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (states[i].targetNew) {
            continue;
        }
        const std::string target = folder / entries[i].target;
        if (entries[i].appendAt) {
            TruncateInPlace(target, *entries[i].appendAt);
            WriteInPlace(target, *entries[i].appendAt, entries[i].appended);
        } else {
            RenameFile(folder / entries[i].staged, target, target);
        }
    }
}

void Undo(const std::filesystem::path& folder, const std::vector<JournalEntry>& entries,
          const std::vector<EntryState>& states) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string target = folder / entries[i].target;
        if (states[i].targetOld) {
            continue;
        }
        if (entries[i].appendAt) {
            TruncateInPlace(target, *entries[i].appendAt);
        } else if (entries[i].backup) {
            RenameFile(folder / *entries[i].backup, target, target);
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
Recovery SettleJournal(const std::filesystem::path& folder, bool preferUndo) {
    const std::string journal = folder / kJournalName;
    const std::vector<JournalEntry> entries = ReadJournal(journal);
    std::vector<EntryState> states;
    bool canFinish = true;
    bool canUndo = true;
    std::string changed;
    for (const JournalEntry& entry : entries) {
        states.push_back(StateOf(folder, entry));
        canFinish = canFinish && CanFinish(entry, states.back());
        if (!CanUndo(entry, states.back())) {
            canUndo = false;
            changed = folder / entry.target;
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

void RemoveStaged(const std::filesystem::path& folder, const std::vector<JournalEntry>& entries) {
    for (const JournalEntry& entry : entries) {
        if (!entry.appendAt) {
            RemoveFile(folder / entry.staged);
        }
    }
}

// The digest of the guard bytes just before `at`, by which recovery knows an append's file.
FileDigest GuardOf(const std::string& path, std::uint64_t at) {
    const std::uint64_t size = std::min(at, kAppendGuardBytes);
    return DigestOfRange(path, at - size, size).value_or(FileDigest{});
}

// The old content's digest of a replaced file: held, or read from the file.
FileDigest OldDigestOf(const std::string& path, const FileReplacement& file) {
    if (file.previous) {
        return DigestOf(*file.previous);
    }
    const std::optional<FileDigest> digest = DigestOfFile(path);
    if (!digest) {
        RaiseCannotOpen(path);
    }
    return *digest;
}

// Writes file i's new content under its staged name: whole, piece by piece, or, for a growing
// list, its new lines only.
JournalEntry StageOne(const std::filesystem::path& folder, const FileReplacement& file) {
    if (!IsFilingTarget(file.name)) {
        RaiseCannotCreate(folder / file.name); // its journal could not be settled
    }
    const std::string target = folder / file.name;
    JournalEntry entry{file.name, kStagedPrefix + file.name, std::nullopt, {}, {}};
    if (file.grows) {
        if (file.bytes.size() > kMostAppendedBytes) {
            RaiseCannotCreate(target); // no filing plans as much
        }
        entry.staged.clear();
        entry.appendAt = file.grows->stamp.size;
        entry.oldDigest = GuardOf(target, *entry.appendAt);
        entry.newDigest = DigestOf(file.bytes);
        entry.appended = file.bytes;
        return entry;
    } else if (file.previous || file.oldInFile) {
        entry.backup = kBackupPrefix + file.name;
        entry.oldDigest = OldDigestOf(target, file);
    }
    if (!file.produce) {
        entry.newDigest = DigestOf(file.bytes);
        WriteStagedFile(folder / entry.staged, target, file.bytes);
        return entry;
    }
    DigestBuilder digest;
    WriteStagedContent(folder / entry.staged, target, [&](const ContentWriter& write) {
        file.produce([&](std::string_view piece) {
            digest.Add(piece);
            write(piece);
        });
    });
    entry.newDigest = digest.Digest();
    return entry;
}

// Every new file written in full under its staged name; none left on failure.
std::vector<JournalEntry> Stage(const std::filesystem::path& folder,
                                const std::vector<FileReplacement>& files,
                                const std::function<void(std::size_t)>& beforeWriting) {
    std::vector<JournalEntry> entries;
    try {
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (beforeWriting) {
                beforeWriting(i);
            }
            entries.push_back(StageOne(folder, files[i]));
        }
    } catch (...) {
        RemoveStaged(folder, entries);
        throw;
    }
    return entries;
}

void WriteJournal(const std::filesystem::path& folder, const std::vector<JournalEntry>& entries) {
    const std::string staged = folder / StagedJournalName();
    const std::string journal = folder / kJournalName;
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

// A copy of the file at `path`, read a piece at a time.
ContentProducer CopyOf(const std::string& path) {
    return [path](const ContentWriter& write) {
        InputFile file(path, InputFile::Links::Refuse);
        std::string piece(kDigestPiece, '\0');
        while (const std::size_t got = file.Read(piece.data(), piece.size())) {
            write({piece.data(), got});
        }
    };
}

// The old files under their backup names: a second link, or a copy where links fail.
void KeepBackups(const std::filesystem::path& folder, const std::vector<FileReplacement>& files,
                 const std::vector<JournalEntry>& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].backup) {
            continue;
        }
        const std::string target = folder / entries[i].target;
        const std::string backup = folder / *entries[i].backup;
        if (LinkFile(target, backup)) {
            continue;
        }
        if (files[i].previous) {
            WriteStagedFile(backup, target, *files[i].previous);
        } else {
            WriteStagedContent(backup, target, CopyOf(target));
        }
    }
}

// Puts each new file in place: renamed over the old one, or a growing list's new lines written
// after its old bytes.
void Apply(const std::filesystem::path& folder, const std::vector<FileReplacement>& files,
           const std::vector<JournalEntry>& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string target = folder / entries[i].target;
        if (entries[i].appendAt) {
            WriteInPlace(target, *entries[i].appendAt, files[i].bytes);
        } else {
            RenameFile(folder / entries[i].staged, target, target);
        }
    }
}

} // namespace

void ReplaceAllOrNothing(const std::filesystem::path& folder,
                         const std::vector<FileReplacement>& files,
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
                if (!entry.appendAt) {
                    staged[entry.target] = entry.staged;
                }
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
        Apply(folder, files, entries);
        SyncFolder(folder);
    } catch (...) {
        try {
            SettleJournal(folder, true);
        } catch (...) {
            // The journal stays; the next start-up settles it. The first error is the one reported.
        }
        throw;
    }
    if (!RemoveFile(folder / kJournalName)) {
        return; // filed; the next start-up removes the journal and the backups
    }
    try {
        SyncFolder(folder);
    } catch (const LibraryError&) {
        // Should the removal not last, the journal is settled again, finding the files filed.
    }
    for (const JournalEntry& entry : entries) {
        if (entry.backup) {
            RemoveFile(folder / *entry.backup);
        }
    }
}

Recovery SettleInterruptedFiling(const std::filesystem::path& folder) {
    if (Exists(folder / kJournalName)) {
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

bool HasFilingLeftovers(const std::filesystem::path& folder) {
    const std::vector<std::string> names = NamesStartingWith(folder, kLeftoverPrefix);
    const auto pictures = PictureFolders(folder);
    return std::any_of(names.begin(), names.end(),
                       [](const std::string& name) {
                           return name != kLockFileName && name != kCatalogueIndexName &&
                                  name != kBankCountsName;
                       }) ||
           std::any_of(pictures.begin(), pictures.end(),
                       [](const std::filesystem::path& pictureFolder) {
                           return !NamesStartingWith(pictureFolder, kStagedPrefix).empty();
                       });
}

std::filesystem::path DiscardJournal(const std::filesystem::path& folder) {
    const FolderLock lock(folder);
    if (!Exists(folder / kJournalName)) {
        return {};
    }
    std::string made = folder / "discarded-filing-XXXXXX";
    if (::mkdtemp(made.data()) == nullptr) {
        RaiseCannotCreate(made);
    }
    const std::filesystem::path aside = made;
    for (const std::string& name : NamesStartingWith(folder, kLeftoverPrefix)) {
        if (name == kJournalName || name.starts_with(kStagedPrefix) ||
            name.starts_with(kBackupPrefix)) {
            RenameFile(folder / name, aside / name, folder / name);
        }
    }
    SyncFolder(folder);
    return DirectoryForm(aside);
}

Recovery FinishInterruptedFiling(const std::filesystem::path& folder) {
    if (!HasFilingLeftovers(folder)) {
        return Recovery::Nothing;
    }
    const FolderLock lock(folder);
    return lock.Outermost() ? SettleInterruptedFiling(folder) : Recovery::Nothing;
}

} // namespace lexiglade
