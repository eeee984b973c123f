#pragma once
// Generated libraries kept in a cache folder under the build tree: made once, passed by
// `lexiglade-library check`, and reused by every later run. Their files are read-only, so that
// nothing a benchmark runs can change them.
#include <cstddef>
#include <map>
#include <string>
#include <sys/stat.h>

namespace lexiglade::bench {

struct CachedLibrary {
    std::string dataDir; // ends with '/'
    std::size_t puzzles = 0;
    std::size_t lastPuzzleItem = 0; // the tree item of the last puzzle
};

// The cached library of `puzzles` puzzles, made first when the cache does not hold it. Throws
// std::runtime_error when the library command finds fault with a library just made.
CachedLibrary CachedLibraryOf(std::size_t puzzles);

// A copy of a cached library for filing into, put back as it was after each filing. The lists
// and the last bank pair are copies of their own; the other banks are links to the cache's
// read-only files, which filing only reads.
class FilingCopy {
  public:
    explicit FilingCopy(const CachedLibrary& library);
    FilingCopy(const FilingCopy&) = delete;
    FilingCopy& operator=(const FilingCopy&) = delete;
    const std::string& DataDir() const { return dataDir_; }
    // Removes every file the last filing made and puts back every file it replaced or changed;
    // the hidden files (the lock, the caches beside the lists) stay as the filing left them.
    void Restore();

  private:
    struct Kept {
        bool copied = false; // a copy of its own, else a link to the cache
        ino_t inode = 0;
        off_t size = 0;
        timespec modified{};
    };
    void Place(const std::string& name, bool copied);
    std::string source_;
    std::string dataDir_;
    std::map<std::string, Kept> kept_;
};

} // namespace lexiglade::bench
