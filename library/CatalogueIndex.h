#pragma once
// A line index of the lists that lead from a title to its banks, "a8.asl" to "a12.asl", kept
// beside a large library as a cache: with it a puzzle is found and loaded by reading a few small
// pieces of the lists, however long they are. The lists stay what counts: the cache is believed
// only while every list shows the stamp (place, size, time) it had when the cache was made and had
// been still for a while by then; otherwise it is made again. It is written whole under another
// name and renamed, and each of its blocks carries a hash, so a cache cut short or damaged is made
// again, never believed.
#include "library/CheckedBlocks.h"
#include "library/FileStamp.h"
#include "library/ListReader.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace lexiglade {

inline constexpr const char* kCatalogueIndexName = ".lexiglade-index";
// A title list smaller than this is read through instead: that costs less than the index.
inline constexpr std::uint64_t kIndexFromTitleBytes = std::uint64_t{1} << 20;

class CatalogueIndex {
  public:
    enum List { Titles, WordBanks, HintBanks, FirstBankLines, LastBankLines, kLists };

    // The index of the lists of `dataDir` as they are: the cache when it holds for them, else
    // made from them and, when they had been still for a while and the folder can be written,
    // kept as the cache. None when the title list is smaller than the size from which libraries
    // are indexed, or a list cannot be read or changes while it is read: the lists are then read
    // through, and their errors met there.
    static std::unique_ptr<CatalogueIndex> Open(const std::filesystem::path& dataDir);

    // The first line of the title list equal to `title`; none when no line is.
    std::optional<std::uint32_t> FindTitle(std::string_view title);
    std::uint64_t Lines(List list) const;
    // Line `k` of a list, below Lines(list).
    std::string Line(List list, std::uint64_t k);

    // Thrown when the lists turn out not to hold what the index says (a list rewritten in place
    // while it was read): the lists are then read through.
    struct Unusable {};

  private:
    CatalogueIndex() = default;
    bool ReadCache(const std::string& path);
    bool Build();
    // `size` bytes of the index from `offset`.
    void ReadIndex(std::uint64_t offset, void* out, std::size_t size);

    struct ListPlace {
        FileStamp stamp;
        std::uint64_t lines = 0;
        std::uint64_t checkpoints = 0; // where the offsets of every 64th line begin
    };
    struct Header;

    std::array<std::unique_ptr<ListReader>, kLists> lists_;
    std::array<ListPlace, kLists> places_{};
    std::uint32_t bucketBits_ = 0;
    std::uint64_t bucketsAt_ = 0, entriesAt_ = 0;
    std::string built_;                // the index as made here, or
    std::unique_ptr<InputFile> cache_; // the cache it was read from
    std::unique_ptr<CheckedBlockReader> blocks_;
};

// Test seam: the title-list size from which libraries are indexed; kIndexFromTitleBytes unless set.
void SetIndexFromTitleBytes(std::uint64_t bytes);

} // namespace lexiglade
