#pragma once
// What tells one state of a file from another without reading it: where it lives, its size and
// when it was last written. A cache of what a file holds is believed only while the file shows
// the stamp it had when the cache was made.
#include <cstdint>
#include <optional>
#include <string>

namespace lexiglade {

struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0; // nanoseconds since the epoch
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of the open file; none when it cannot be taken.
std::optional<FileStamp> StampOfOpenFile(int fd);
// The stamp of the file under `path` (a link followed); none when there is none.
std::optional<FileStamp> StampOfFile(const std::string& path);

// The wall clock, in nanoseconds since the epoch.
std::int64_t NowNs();

// File systems keep times coarsely (a few milliseconds, two seconds on some), so a file written
// again within that time after a cache was made can show the same time. A cache is only believed
// for files that had last been written this long before it was made.
inline constexpr std::int64_t kSettledNs = std::int64_t{2} * 1000 * 1000 * 1000;

// Whether a file of this stamp had been still long enough at `madeNs` for a cache made then.
inline bool SettledBefore(const FileStamp& stamp, std::int64_t madeNs) {
    return stamp.modifiedNs + kSettledNs < madeNs;
}

} // namespace lexiglade
