#pragma once
// One writer at a time: every write to a library holds the lock file in its folder, and the first
// holder settles a filing that was cut short.
#include "library/FileBatch.h"
#include "library/FolderLock.h"

#include <filesystem>

namespace lexiglade {

// A FolderLock whose outermost holder first finishes or undoes a filing that was cut short
// (FinishInterruptedFiling), releasing the lock again when that fails.
class LibraryLock {
  public:
    enum class Settling { Settle, Leave };
    // With Settling::Leave, a filing cut short is left as it is.
    explicit LibraryLock(const std::filesystem::path& dataDir,
                         Settling settling = Settling::Settle);

    // What taking the lock found and settled.
    Recovery Recovered() const { return recovered_; }

  private:
    FolderLock lock_;
    Recovery recovered_ = Recovery::Nothing;
};

} // namespace lexiglade
