#include "library/Journal.h"

#include "library/LibraryFiles.h"
#include "library/TextList.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace lexiglade {

namespace {

constexpr std::string_view kHeader = "Lexiglade filing journal 1";
constexpr std::string_view kReplace = "replace";
constexpr std::string_view kAppend = "append";
constexpr std::string_view kNoOldFile = "did not exist";
constexpr std::string_view kEnd = "end";
constexpr std::size_t kFieldCount = 8;

std::string Hex(std::uint64_t value) {
    char text[17] = {};
    const auto result = std::to_chars(text, text + 16, value, 16);
    return std::string(text, result.ptr);
}

bool ParseNumber(std::string_view text, int base, std::uint64_t& value) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return !text.empty() && result.ec == std::errc() && result.ptr == text.data() + text.size();
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t tab = line.find('\t');
        fields.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) {
            return fields;
        }
        line.remove_prefix(tab + 1);
    }
}

bool ParseDigest(std::string_view size, std::string_view hash, FileDigest& digest) {
    return ParseNumber(size, 10, digest.size) && ParseNumber(hash, 16, digest.hash);
}

// Two hexadecimal digits a byte.
std::string HexBytes(std::string_view bytes) {
    constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const char c : bytes) {
        text += kDigits[static_cast<unsigned char>(c) >> 4];
        text += kDigits[static_cast<unsigned char>(c) & 15];
    }
    return text;
}

std::optional<std::string> BytesOfHex(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        std::uint64_t value = 0;
        if (!ParseNumber(text.substr(i, 2), 16, value)) {
            return std::nullopt;
        }
        bytes += static_cast<char>(value);
    }
    return text.size() % 2 == 0 ? std::optional(bytes) : std::nullopt;
}

// append, target, the new bytes, appendAt, new size, new hash, guard size, guard hash.
std::optional<JournalEntry> ParseAppend(const std::vector<std::string_view>& fields) {
    JournalEntry entry{std::string(fields[1]), {}, std::nullopt, {}, {}};
    std::uint64_t at = 0;
    std::optional<std::string> appended = BytesOfHex(fields[2]);
    if (!IsFilingTarget(entry.target) || !appended || appended->size() > kMostAppendedBytes ||
        !ParseNumber(fields[3], 10, at) || !ParseDigest(fields[4], fields[5], entry.newDigest) ||
        !ParseDigest(fields[6], fields[7], entry.oldDigest) ||
        entry.oldDigest.size != std::min(at, kAppendGuardBytes) ||
        DigestOf(*appended) != entry.newDigest) {
        return std::nullopt;
    }
    entry.appendAt = at;
    entry.appended = std::move(*appended);
    return entry;
}

std::optional<JournalEntry> ParseEntry(std::string_view line) {
    const std::vector<std::string_view> fields = SplitTabs(line);
    if (fields.size() == kFieldCount && fields[0] == kAppend) {
        return ParseAppend(fields);
    }
    if (fields.size() != kFieldCount || fields[0] != kReplace) {
        return std::nullopt;
    }
    JournalEntry entry{std::string(fields[1]), std::string(fields[2]), std::nullopt, {}, {}};
    if (fields[3] != kNoOldFile) {
        entry.backup = std::string(fields[3]);
        if (*entry.backup != kBackupPrefix + entry.target ||
            !ParseDigest(fields[6], fields[7], entry.oldDigest)) {
            return std::nullopt;
        }
    }
    if (!IsFilingTarget(entry.target) || entry.staged != kStagedPrefix + entry.target ||
        !ParseDigest(fields[4], fields[5], entry.newDigest)) {
        return std::nullopt;
    }
    return entry;
}

} // namespace

bool IsFilingTarget(std::string_view name) {
    return LibraryFiles::IsListName(name) || LibraryFiles::BankNumber(name) != 0;
}

void DigestBuilder::Add(std::string_view bytes) {
    std::uint64_t hash = digest_.hash;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
    }
    digest_ = {digest_.size + bytes.size(), hash};
}

FileDigest DigestOf(std::string_view bytes) {
    DigestBuilder digest;
    digest.Add(bytes);
    return digest.Digest();
}

std::string FormatJournal(const std::vector<JournalEntry>& entries) {
    std::string text(kHeader);
    text += '\n';
    for (const JournalEntry& entry : entries) {
        if (entry.appendAt) {
            text += std::string(kAppend) + '\t' + entry.target + '\t' + HexBytes(entry.appended) +
                    '\t' + std::to_string(*entry.appendAt);
            text += '\t' + std::to_string(entry.newDigest.size) + '\t' + Hex(entry.newDigest.hash);
            text += '\t' + std::to_string(entry.oldDigest.size) + '\t' + Hex(entry.oldDigest.hash);
            text += '\n';
            continue;
        }
        text += std::string(kReplace) + '\t' + entry.target + '\t' + entry.staged + '\t';
        text += entry.backup ? *entry.backup : std::string(kNoOldFile);
        text += '\t' + std::to_string(entry.newDigest.size) + '\t' + Hex(entry.newDigest.hash);
        text += '\t' + std::to_string(entry.oldDigest.size) + '\t' + Hex(entry.oldDigest.hash);
        text += '\n';
    }
    text += kEnd;
    text += '\n';
    return text;
}

std::optional<std::vector<JournalEntry>> ParseJournal(std::string_view text) {
    if (text.size() > kJournalSizeLimit || text.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    const TextList lines = ParseList(text);
    if (lines.size() < 2 || lines.front() != kHeader || lines.back() != kEnd) {
        return std::nullopt;
    }
    std::vector<JournalEntry> entries;
    std::set<std::string> targets;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        std::optional<JournalEntry> entry = ParseEntry(lines[i]);
        if (!entry || !targets.insert(entry->target).second) {
            return std::nullopt;
        }
        entries.push_back(std::move(*entry));
    }
    return entries;
}

} // namespace lexiglade
