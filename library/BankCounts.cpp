#include "library/BankCounts.h"

#include "library/CheckedBlocks.h"
#include "library/Errors.h"
#include "library/InputFile.h"

#include <cstring>
#include <utility>
#include <vector>

namespace lexiglade {

namespace {

constexpr char kMagic[16] = {'L', 'e', 'x', 'i', 'g', 'l', 'a', 'd',
                             'e', ' ', 'b', 'a', 'n', 'k', 's', '\n'};
constexpr std::uint32_t kVersion = 1;
unsigned long countsFromPairs = kBankCountsFromPairs;

struct Header {
    char magic[sizeof kMagic] = {};
    std::uint32_t version = 0;
    std::uint32_t unused = 0;
    std::uint64_t counts = 0;
};

struct StoredCount {
    std::uint64_t number = 0;
    FileStamp stamp;
    std::uint64_t lines = 0;
    std::int64_t countedNs = 0;
};

} // namespace

void SetBankCountsFromPairs(unsigned long pairs) {
    countsFromPairs = pairs;
}

BankCounts::BankCounts(std::filesystem::path dataDir) : dataDir_(std::move(dataDir)) {
    try {
        InputFile file(dataDir_ / kBankCountsName, InputFile::Links::Refuse);
        CheckedBlockReader blocks(file);
        Header header;
        if (!blocks.Read(0, &header, sizeof header) ||
            std::memcmp(header.magic, kMagic, sizeof kMagic) != 0 || header.version != kVersion ||
            header.counts > file.SizeHint() / sizeof(StoredCount)) {
            return;
        }
        std::vector<StoredCount> stored(header.counts);
        if (!blocks.Read(sizeof header, stored.data(), stored.size() * sizeof(StoredCount))) {
            return;
        }
        for (const StoredCount& count : stored) {
            counts_[count.number] = {count.stamp, count.lines, count.countedNs};
        }
    } catch (const LibraryError&) {
        counts_.clear(); // none kept, or not to be believed
    }
}

std::optional<std::size_t> BankCounts::Known(unsigned long number, const FileStamp& stamp) const {
    const auto found = counts_.find(number);
    if (found == counts_.end() || found->second.stamp != stamp ||
        !SettledBefore(stamp, found->second.countedNs)) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found->second.lines);
}

void BankCounts::Note(unsigned long number, const FileStamp& stamp, std::size_t lines,
                      std::int64_t readNs) {
    if (SettledBefore(stamp, readNs)) {
        counts_[number] = {stamp, lines, readNs};
        noted_ = true;
    }
}

void BankCounts::Keep(unsigned long pairs) const {
    if (!noted_ || pairs < countsFromPairs) {
        return;
    }
    Header header;
    std::memcpy(header.magic, kMagic, sizeof kMagic);
    header.version = kVersion;
    header.counts = counts_.size();
    std::string payload(reinterpret_cast<const char*>(&header), sizeof header);
    for (const auto& [number, count] : counts_) {
        const StoredCount stored{number, count.stamp, count.lines, count.countedNs};
        payload.append(reinterpret_cast<const char*>(&stored), sizeof stored);
    }
    KeepCacheFile(dataDir_, kBankCountsName, SealBlocks(payload));
}

} // namespace lexiglade
