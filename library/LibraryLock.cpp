#include "library/LibraryLock.h"

namespace lexiglade {

LibraryLock::LibraryLock(const std::filesystem::path& dataDir, Settling settling) : lock_(dataDir) {
    if (settling == Settling::Settle && lock_.Outermost()) {
        recovered_ = SettleInterruptedFiling(dataDir); // a throw releases the lock
    }
}

} // namespace lexiglade
