#pragma once
// The filing journal's record: what each replacement of a batch is, and how to recognise the old
// and the new content of its file.
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

struct JournalEntry {
    std::string target;                // file name in the folder
    std::string staged;                // the new content, written in full under this name
    std::optional<std::string> backup; // the old content under this name; none: no old file
    FileDigest newDigest;
    FileDigest oldDigest; // when there is a backup
    friend bool operator==(const JournalEntry&, const JournalEntry&) = default;
};

std::string FormatJournal(const std::vector<JournalEntry>& entries);
// The entries, or none when the text is not a complete journal naming only plain file names.
std::optional<std::vector<JournalEntry>> ParseJournal(std::string_view text);

} // namespace lexiglade
