#pragma once
// Whole-file replacement that never leaves a half-written file behind, and the single file steps
// that a journalled batch of replacements is made of.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace lexiglade {

// Writes `bytes` to a temporary file in the folder of `path`, syncs it, renames it over `path` and
// syncs the folder. The replacement keeps the old file's mode, owner and group. On any failure
// the temporary file is removed and the old file stays whole:
// "Cannot create file %s" when this user could not write the old file in place (a read-only
// file, another user's), when its owner, group or mode cannot be kept, or when the temporary file
// cannot be made; "Cannot use file %s: it is a symbolic link" for a link, which is never
// followed nor replaced; "Cannot write file %s: reason" when writing, syncing, closing or
// renaming fails.
void ReplaceFile(const std::string& path, std::string_view bytes);

// Writes a new file `staged`, ready to be renamed over `target`: an old file of that name is
// removed first; it gets the target's mode, owner and group (a fresh file's mode when there is no
// target), is synced and closed. Errors as ReplaceFile, naming `target`; on failure `staged` does
// not exist.
void WriteStagedFile(const std::string& staged, const std::string& target, std::string_view bytes);

// Content handed over piece by piece, for a file too large to hold whole: `produce` calls `write`
// with each piece in turn.
using ContentWriter = std::function<void(std::string_view piece)>;
using ContentProducer = std::function<void(const ContentWriter& write)>;

// WriteStagedFile of the content that `produce` hands over.
void WriteStagedContent(const std::string& staged, const std::string& target,
                        const ContentProducer& produce);

// Writes `bytes` into the file `path` from byte `at` on, in place, and syncs it: for a list that
// only grows. A link is not followed. "Cannot write file %s: reason" on failure.
void WriteInPlace(const std::string& path, std::uint64_t at, std::string_view bytes);
// Cuts the file `path` back to `size` bytes and syncs it. Errors as WriteInPlace.
void TruncateInPlace(const std::string& path, std::uint64_t size);

// Renames `from` over `to`; "Cannot write file %s: reason" naming `reported`.
void RenameFile(const std::string& from, const std::string& to, const std::string& reported);

// Gives `path`'s file the second name `link`. False when the file system refuses.
bool LinkFile(const std::string& path, const std::string& link);

// Makes the folder's renames and removals durable; "Cannot write file %s: reason" on failure.
void SyncFolder(const std::filesystem::path& folder);

// Removes the name; true when it is gone (or was never there).
bool RemoveFile(const std::string& path);

// The folder part of a path, as written up to its last '/'; empty when there is none.
std::filesystem::path FolderOf(const std::string& path);

// Largest piece handed to one write call.
inline constexpr std::size_t kReplaceChunkSize = std::size_t{1} << 16;

enum class ReplaceStep { Create, Write, Sync, Close, Rename, Link, SyncFolder, Remove, Truncate };

// Test seam: called before each step (before every write call for Write); a nonzero result is taken
// as the errno with which that step fails. Null (the default) injects nothing.
using ReplaceFaultHook = int (*)(ReplaceStep step);
void SetReplaceFaultHook(ReplaceFaultHook hook);

} // namespace lexiglade
