#pragma once
// One writer at a time: every write to a library holds the lock file in its folder.
#include <chrono>
#include <filesystem>
#include <string>
#include <utility>

namespace lexiglade {

inline constexpr const char* kLockFileName = ".lexiglade-lock";
// How long a second writer waits for the first before giving up.
inline constexpr std::chrono::milliseconds kLockWait{2500};

// What start-up found of a filing that was cut short.
enum class Recovery {
    Nothing,  // no trace of one
    Cleared,  // it had changed nothing; its unfinished new files were removed
    Tidied,   // it had ended but left its backups; they were removed
    Finished, // every file had been written; the replacements were completed
    Undone,   // the files it had replaced got their old content back
};

// Holds the library's lock file (created when missing) for its lifetime; within one process the
// lock may be taken again while it is held. Waits up to kLockWait for another program's writer,
// then fails with "The library is in use by another program; try again in a moment"; a folder
// where the lock file cannot be made gives "Cannot write to the library folder %s: reason".
// The outermost holder first finishes or undoes a filing that was cut short
// (FinishInterruptedFiling).
class LibraryLock {
  public:
    enum class Settling { Settle, Leave };
    // With Settling::Leave, a filing cut short is left as it is.
    explicit LibraryLock(const std::filesystem::path& dataDir,
                         Settling settling = Settling::Settle);
    ~LibraryLock();
    LibraryLock(const LibraryLock&) = delete;
    LibraryLock& operator=(const LibraryLock&) = delete;

    // What taking the lock found and settled.
    Recovery Recovered() const { return recovered_; }

  private:
    std::pair<unsigned long long, unsigned long long> key_{}; // the lock file's device and inode
    Recovery recovered_ = Recovery::Nothing;
};

} // namespace lexiglade
