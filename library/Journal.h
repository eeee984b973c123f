#pragma once
// The filing journal's record: what each replacement of a batch is, and how to recognise the old
// and the new content of its file.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexiglade {

// Size and 64-bit FNV-1a hash of a file's bytes.
struct FileDigest {
    std::uint64_t size = 0;
    std::uint64_t hash = 0;
    friend bool operator==(const FileDigest&, const FileDigest&) = default;
};

FileDigest DigestOf(std::string_view bytes);

// A digest worked out piece by piece: Add(a), Add(b) gives DigestOf(a + b).
class DigestBuilder {
  public:
    void Add(std::string_view bytes);
    const FileDigest& Digest() const { return digest_; }

  private:
    FileDigest digest_{0, 0xcbf29ce484222325u};
};

// The old bytes an append looks at to recognise its file: at most this many before its end.
inline constexpr std::uint64_t kAppendGuardBytes = 4096;
// The most bytes one append may add: they are kept in the journal.
inline constexpr std::size_t kMostAppendedBytes = 4096;

struct JournalEntry {
    std::string target;                // file name in the folder
    std::string staged;                // the new content, written in full under this name
    std::optional<std::string> backup; // the old content under this name; none: no old file
    FileDigest newDigest;
    FileDigest oldDigest; // when there is a backup
    // For a list that only grows: the target keeps its first `appendAt` bytes and `appended` go
    // after them, in place. There is no staged file (`staged` is empty): the journal holds the
    // new bytes, whose digest is `newDigest`. There is no backup; `oldDigest` is that of the
    // min(appendAt, kAppendGuardBytes) bytes just before appendAt.
    std::optional<std::uint64_t> appendAt = std::nullopt;
    std::string appended = {};
    friend bool operator==(const JournalEntry&, const JournalEntry&) = default;
};

// The prefixes of the new files and backups a journal names.
inline constexpr const char* kStagedPrefix = ".lexiglade-new-";
inline constexpr const char* kBackupPrefix = ".lexiglade-old-";

// No filing writes a journal this large: it names each file it replaces on one short line.
inline constexpr std::size_t kJournalSizeLimit = std::size_t{1} << 20;

// A file that a filing replaces: the folder tree, a catalogue list or a bank.
bool IsFilingTarget(std::string_view name);

std::string FormatJournal(const std::vector<JournalEntry>& entries);
// The entries, or none unless the text is a complete journal that a filing could have written:
// within kJournalSizeLimit, each target a filing target named once, its new file and backup
// under the target's name with kStagedPrefix and kBackupPrefix.
std::optional<std::vector<JournalEntry>> ParseJournal(std::string_view text);

} // namespace lexiglade
