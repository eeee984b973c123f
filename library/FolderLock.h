#pragma once
// The lock file of a library folder, held by one writer at a time.
#include <chrono>
#include <filesystem>
#include <utility>

namespace lexiglade {

inline constexpr const char* kLockFileName = ".lexiglade-lock";
// How long a second writer waits for the first before giving up.
inline constexpr std::chrono::milliseconds kLockWait{2500};

// Holds the library's lock file (created when missing) for its lifetime; within one process the
// lock may be taken again while it is held. Waits up to kLockWait for another program's writer,
// then fails with "The library is in use by another program; try again in a moment"; a folder
// where the lock file cannot be made gives "Cannot write to the library folder %s: reason".
class FolderLock {
  public:
    explicit FolderLock(const std::filesystem::path& dataDir);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // True for the holder that took the lock, false for one that took it again within the process.
    bool Outermost() const { return outermost_; }

  private:
    std::pair<unsigned long long, unsigned long long> key_{}; // the lock file's device and inode
    bool outermost_ = false;
};

} // namespace lexiglade
