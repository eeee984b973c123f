#include "library/CatalogueIndex.h"

#include "library/Errors.h"
#include "library/LibraryFiles.h"
#include "library/TextList.h"
#include "library/TitleIndex.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <vector>

namespace lexiglade {

namespace {

constexpr char kMagic[16] = {'L', 'e', 'x', 'i', 'g', 'l', 'a', 'd',
                             'e', ' ', 'i', 'n', 'd', 'e', 'x', '\n'};
constexpr std::uint32_t kVersion = 1;
// Every line of this number is found from the offset kept for it; the lines between are read.
constexpr std::uint64_t kLinesPerCheckpoint = 64;
// A title's hash picks its bucket; a bucket holds some four titles.
constexpr std::uint32_t kFewestBucketBits = 4;
constexpr std::size_t kFirstPiece = 4096;

std::uint64_t indexFromTitleBytes = kIndexFromTitleBytes;

const char* const kListNames[] = {LibraryFiles::kTitles, LibraryFiles::kWordBanks,
                                  LibraryFiles::kHintBanks, LibraryFiles::kFirstBankLines,
                                  LibraryFiles::kLastBankLines};

// A title in the index: the low half of its hash (the high half picks its bucket) and its line.
struct Entry {
    std::uint32_t keyLow = 0;
    std::uint32_t line = 0;
};

std::uint64_t CheckpointsOf(std::uint64_t lines) {
    return (lines + kLinesPerCheckpoint - 1) / kLinesPerCheckpoint;
}

std::uint64_t BucketOf(std::uint64_t key, std::uint32_t bits) {
    return key >> (64 - bits);
}

template <class T> void Append(std::string& bytes, const T* values, std::size_t count) {
    bytes.append(reinterpret_cast<const char*>(values), count * sizeof(T));
}

// Line `skip` after the line that starts at `offset`, read a piece at a time; none when the file
// has no such line.
std::optional<std::string> LineFrom(InputFile& file, std::uint64_t offset, std::uint64_t skip) {
    std::string piece;
    for (std::size_t want = kFirstPiece;; want *= 2) {
        piece.resize(want);
        piece.resize(file.ReadAt(offset, piece.data(), want));
        const bool toTheEnd = piece.size() < want;
        LineCursor cursor(piece);
        std::string_view line;
        std::uint64_t i = 0;
        bool found = false;
        while (!found && cursor.Next(line)) {
            found = i++ == skip;
        }
        // A line end at the piece's last byte may be the CR of a CR LF: read on.
        const auto end = static_cast<std::size_t>(line.data() - piece.data()) + line.size();
        if (found && (toTheEnd || end + 1 < piece.size())) {
            return std::string(line);
        }
        if (toTheEnd) {
            return std::nullopt;
        }
    }
}

} // namespace

struct CatalogueIndex::Header {
    char magic[sizeof kMagic] = {};
    std::uint32_t version = 0;
    std::uint32_t bucketBits = 0;
    std::int64_t madeNs = 0;
    ListPlace lists[kLists];
    std::uint64_t bucketsAt = 0, entriesAt = 0, entryCount = 0, size = 0;
};

void SetIndexFromTitleBytes(std::uint64_t bytes) {
    indexFromTitleBytes = bytes;
}

std::unique_ptr<CatalogueIndex> CatalogueIndex::Open(const std::filesystem::path& dataDir) {
    const std::optional<FileStamp> titles = StampOfFile(dataDir / LibraryFiles::kTitles);
    if (!titles || titles->size < indexFromTitleBytes) {
        return nullptr;
    }
    std::unique_ptr<CatalogueIndex> index(new CatalogueIndex);
    try {
        for (int i = 0; i < kLists; ++i) {
            index->lists_[i] = std::make_unique<ListReader>(dataDir / kListNames[i]);
        }
        if (index->ReadCache(dataDir / kCatalogueIndexName)) {
            return index;
        }
        index->blocks_.reset();
        index->cache_.reset();
        const std::int64_t madeNs = NowNs();
        if (!index->Build()) {
            return nullptr;
        }
        if (std::all_of(index->places_.begin(), index->places_.end(), [&](const ListPlace& place) {
                return SettledBefore(place.stamp, madeNs);
            })) {
            Header header;
            std::memcpy(&header, index->built_.data(), sizeof header);
            header.madeNs = madeNs;
            std::memcpy(index->built_.data(), &header, sizeof header);
            KeepCacheFile(dataDir, kCatalogueIndexName, SealBlocks(index->built_));
        }
    } catch (const LibraryError&) {
        return nullptr;
    }
    return index;
}

bool CatalogueIndex::ReadCache(const std::string& path) {
    try {
        cache_ = std::make_unique<InputFile>(path, InputFile::Links::Refuse);
    } catch (const LibraryError&) {
        return false;
    }
    blocks_ = std::make_unique<CheckedBlockReader>(*cache_);
    Header header;
    if (!blocks_->Read(0, &header, sizeof header) ||
        std::memcmp(header.magic, kMagic, sizeof kMagic) != 0 || header.version != kVersion ||
        header.bucketBits < kFewestBucketBits || header.bucketBits > 32) {
        return false;
    }
    const auto within = [&](std::uint64_t at, std::uint64_t count, std::uint64_t size) {
        return at >= sizeof header && count <= header.size / size &&
               at <= header.size - count * size;
    };
    for (int i = 0; i < kLists; ++i) {
        const ListPlace& place = header.lists[i];
        if (place.stamp != lists_[i]->File().Stamp() ||
            !SettledBefore(place.stamp, header.madeNs) ||
            !within(place.checkpoints, CheckpointsOf(place.lines), sizeof(std::uint64_t))) {
            return false;
        }
        places_[i] = place;
    }
    if (header.entryCount != places_[Titles].lines ||
        !within(header.bucketsAt, (std::uint64_t{1} << header.bucketBits) + 1,
                sizeof(std::uint32_t)) ||
        !within(header.entriesAt, header.entryCount, sizeof(Entry))) {
        return false;
    }
    bucketBits_ = header.bucketBits;
    bucketsAt_ = header.bucketsAt;
    entriesAt_ = header.entriesAt;
    return true;
}

// One pass over each list: the offset of every 64th line, and the hash of every title, sorted into
// buckets by a count of each (which keeps the titles of a bucket in the order of their lines).
bool CatalogueIndex::Build() {
    std::array<std::vector<std::uint64_t>, kLists> checkpoints;
    std::vector<std::uint64_t> keys;
    for (int i = 0; i < kLists; ++i) {
        ListReader& list = *lists_[i];
        std::string_view line;
        while (list.Next(line)) {
            if ((list.LinesRead() - 1) % kLinesPerCheckpoint == 0) {
                checkpoints[i].push_back(list.LineOffset());
            }
            if (i == Titles) {
                keys.push_back(HashTitle(line).key);
            }
        }
        places_[i] = {list.File().Stamp(), list.LinesRead(), 0};
        if (list.File().StampNow() != places_[i].stamp ||
            list.LinesRead() >
                static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
            return false; // changed while it was read, or beyond the game's reach
        }
    }
    bucketBits_ = std::max<std::uint32_t>(kFewestBucketBits, std::bit_width(keys.size() / 4));
    std::vector<std::uint32_t> starts((std::size_t{1} << bucketBits_) + 1);
    for (const std::uint64_t key : keys) {
        ++starts[BucketOf(key, bucketBits_) + 1];
    }
    for (std::size_t b = 1; b < starts.size(); ++b) {
        starts[b] += starts[b - 1];
    }
    std::vector<Entry> entries(keys.size());
    std::vector<std::uint32_t> next(starts.begin(), starts.end() - 1);
    for (std::size_t k = 0; k < keys.size(); ++k) {
        entries[next[BucketOf(keys[k], bucketBits_)]++] = {static_cast<std::uint32_t>(keys[k]),
                                                           static_cast<std::uint32_t>(k)};
    }
    Header header;
    std::memcpy(header.magic, kMagic, sizeof kMagic);
    header.version = kVersion;
    header.bucketBits = bucketBits_;
    built_.assign(sizeof header, '\0');
    for (int i = 0; i < kLists; ++i) {
        places_[i].checkpoints = built_.size();
        Append(built_, checkpoints[i].data(), checkpoints[i].size());
        header.lists[i] = places_[i];
    }
    header.bucketsAt = bucketsAt_ = built_.size();
    Append(built_, starts.data(), starts.size());
    header.entriesAt = entriesAt_ = built_.size();
    Append(built_, entries.data(), entries.size());
    header.entryCount = entries.size();
    header.size = built_.size();
    std::memcpy(built_.data(), &header, sizeof header);
    return true;
}

void CatalogueIndex::ReadIndex(std::uint64_t offset, void* out, std::size_t size) {
    if (blocks_) {
        if (!blocks_->Read(offset, out, size)) {
            throw Unusable{};
        }
        return;
    }
    if (offset > built_.size() || size > built_.size() - offset) {
        throw Unusable{};
    }
    std::memcpy(out, built_.data() + offset, size);
}

std::uint64_t CatalogueIndex::Lines(List list) const {
    return places_[list].lines;
}

std::string CatalogueIndex::Line(List list, std::uint64_t k) {
    if (k >= places_[list].lines) {
        throw Unusable{};
    }
    std::uint64_t offset = 0;
    ReadIndex(places_[list].checkpoints + k / kLinesPerCheckpoint * sizeof offset, &offset,
              sizeof offset);
    std::optional<std::string> line =
        LineFrom(lists_[list]->File(), offset, k % kLinesPerCheckpoint);
    if (!line) {
        throw Unusable{};
    }
    return std::move(*line);
}

std::optional<std::uint32_t> CatalogueIndex::FindTitle(std::string_view title) {
    const std::uint64_t key = HashTitle(title).key;
    std::uint32_t range[2] = {};
    ReadIndex(bucketsAt_ + BucketOf(key, bucketBits_) * sizeof(std::uint32_t), range, sizeof range);
    if (range[1] < range[0] || range[1] > places_[Titles].lines) {
        throw Unusable{};
    }
    std::vector<Entry> entries(range[1] - range[0]);
    ReadIndex(entriesAt_ + std::uint64_t{range[0]} * sizeof(Entry), entries.data(),
              entries.size() * sizeof(Entry));
    for (const Entry& entry : entries) {
        if (entry.keyLow == static_cast<std::uint32_t>(key) && Line(Titles, entry.line) == title) {
            return entry.line;
        }
    }
    return std::nullopt;
}

} // namespace lexiglade
