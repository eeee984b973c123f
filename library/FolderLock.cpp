#include "library/FolderLock.h"

#include "library/Errors.h"
#include "library/Paths.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace lexiglade {

namespace {

constexpr std::chrono::milliseconds kLockPoll{20};

using LockKey = std::pair<unsigned long long, unsigned long long>; // device, inode

struct HeldLock {
    int fd = -1;
    int holders = 0;
};

// The locks this process holds, by lock file, so that a nested writer takes them again.
std::map<LockKey, HeldLock>& HeldLocks() {
    static std::map<LockKey, HeldLock> held;
    return held;
}

// The lock file, created when missing; one made by another user serves read-only.
int OpenLockFile(const std::filesystem::path& dataDir) {
    const std::string path = dataDir / kLockFileName;
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    const int createError = errno;
    if (fd < 0 && (createError == EACCES || createError == EROFS || createError == EPERM)) {
        fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    }
    if (fd < 0) {
        RaiseCannotLockFolder(dataDir.empty() ? "." : DirectoryForm(dataDir).string(),
                              std::strerror(createError));
    }
    return fd;
}

// Waits for the lock up to kLockWait; false when another program still holds it.
bool WaitForLock(int fd, const std::filesystem::path& dataDir) {
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            const int error = errno;
            ::close(fd);
            RaiseCannotLockFolder(DirectoryForm(dataDir).string(), std::strerror(error));
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(kLockPoll);
    }
    return true;
}

LockKey KeyOf(int fd, const std::filesystem::path& dataDir) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        RaiseCannotLockFolder(DirectoryForm(dataDir).string(), "its lock file " +
                                                                   std::string(kLockFileName) +
                                                                   " is not a plain file");
    }
    return {static_cast<unsigned long long>(info.st_dev),
            static_cast<unsigned long long>(info.st_ino)};
}

void Release(const LockKey& key) {
    auto it = HeldLocks().find(key);
    if (it != HeldLocks().end() && --it->second.holders == 0) {
        ::close(it->second.fd); // closing the last descriptor releases the lock
        HeldLocks().erase(it);
    }
}

} // namespace

FolderLock::FolderLock(const std::filesystem::path& dataDir) {
    const int fd = OpenLockFile(dataDir);
    const LockKey key = KeyOf(fd, dataDir);
    auto held = HeldLocks().find(key);
    if (held != HeldLocks().end()) {
        ::close(fd);
        ++held->second.holders;
        key_ = key;
        return;
    }
    if (!WaitForLock(fd, dataDir)) {
        ::close(fd);
        RaiseLibraryInUse();
    }
    HeldLocks()[key] = {fd, 1};
    key_ = key;
    outermost_ = true;
}

FolderLock::~FolderLock() {
    Release(key_);
}

} // namespace lexiglade
