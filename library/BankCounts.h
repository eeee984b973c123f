#pragma once
// The line counts of a large library's full word banks, kept beside it as a cache, so that filing
// finds the pair with room by a look at the stamp of each earlier bank instead of reading it. A
// count is believed only while its bank shows the stamp it had when it was counted and had been
// still for a while by then.
#include "library/FileStamp.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace lexiglade {

inline constexpr const char* kBankCountsName = ".lexiglade-banks";
// A library of fewer pairs keeps no counts: reading its banks costs little.
inline constexpr unsigned long kBankCountsFromPairs = 1024;

class BankCounts {
  public:
    // The counts kept beside the library in `dataDir`; none when there are none or they cannot
    // be believed.
    explicit BankCounts(std::filesystem::path dataDir);

    // The line count of bank "b" + number + ".asl", when one was kept for this stamp.
    std::optional<std::size_t> Known(unsigned long number, const FileStamp& stamp) const;
    // Notes the count of a bank of this stamp, read from `readNs` on.
    void Note(unsigned long number, const FileStamp& stamp, std::size_t lines, std::int64_t readNs);
    // Keeps the counts beside the library when some were noted and it has at least
    // kBankCountsFromPairs pairs.
    void Keep(unsigned long pairs) const;

  private:
    struct Count {
        FileStamp stamp;
        std::uint64_t lines = 0;
        std::int64_t countedNs = 0;
    };
    std::filesystem::path dataDir_;
    std::map<unsigned long, Count> counts_;
    bool noted_ = false;
};

// Test seam: the number of pairs from which counts are kept; kBankCountsFromPairs unless set.
void SetBankCountsFromPairs(unsigned long pairs);

} // namespace lexiglade
