#include "library/AtomicFile.h"

#include "library/Errors.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace lexiglade {

namespace {

ReplaceFaultHook faultHook = nullptr;

// errno of an injected failure of `step`, or 0.
int InjectedFault(ReplaceStep step) {
    return faultHook ? faultHook(step) : 0;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

mode_t CurrentUmask() {
    // The process is single-threaded where files are written, so the brief change is not observed.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The replacement keeps the old file's permissions, or gets those of a freshly created file.
void SetMode(int fd, const std::string& path) {
    struct stat info {};
    const mode_t mode =
        ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : (0666 & ~CurrentUmask());
    // On failure the file stays readable by its owner; not worth failing the write over.
    ::fchmod(fd, mode);
}

void SyncFolder(const std::string& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        // The rename has happened; a failed folder sync only weakens durability.
        ::fsync(fd);
        ::close(fd);
    }
}

// A temporary file that removes itself unless it was renamed into place.
class TempFile {
  public:
    explicit TempFile(const std::string& target) : target_(target), path_(FolderOf(target)) {
        path_ += ".lexiglade-XXXXXX";
        if (InjectedFault(ReplaceStep::Create) != 0 || (fd_ = ::mkstemp(path_.data())) < 0) {
            RaiseCannotCreate(target);
        }
    }
    ~TempFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (!renamed_) {
            ::unlink(path_.c_str());
        }
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int Fd() const { return fd_; }
    void WriteAll(std::string_view bytes);
    void SyncAndClose();
    void RenameOverTarget();

  private:
    [[noreturn]] void Fail(int error) const { RaiseCannotWrite(target_, std::strerror(error)); }
    // Runs `call` unless a failure of `step` is injected; fails with its errno.
    template <class Call> void Step(ReplaceStep step, Call call) {
        int error = InjectedFault(step);
        if (error == 0 && call() != 0) {
            error = errno;
        }
        if (error != 0) {
            Fail(error);
        }
    }

    std::string target_;
    std::string path_;
    int fd_ = -1;
    bool renamed_ = false;
};

void TempFile::WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t piece = std::min(bytes.size(), kReplaceChunkSize);
        ssize_t written = 0;
        Step(ReplaceStep::Write, [&] {
            do {
                written = ::write(fd_, bytes.data(), piece);
            } while (written < 0 && errno == EINTR);
            if (written == 0) {
                errno = ENOSPC; // nothing written and no error: the device took no more
            }
            return written <= 0 ? -1 : 0;
        });
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void TempFile::SyncAndClose() {
    Step(ReplaceStep::Sync, [&] { return ::fsync(fd_); });
    Step(ReplaceStep::Close, [&] {
        const int fd = std::exchange(fd_, -1);
        return ::close(fd);
    });
}

void TempFile::RenameOverTarget() {
    Step(ReplaceStep::Rename, [&] { return std::rename(path_.c_str(), target_.c_str()); });
    renamed_ = true;
}

} // namespace

void ReplaceFile(const std::string& path, std::string_view bytes) {
    if (path.empty() || path.find('\0') != std::string::npos) {
        RaiseCannotCreate(path);
    }
    TempFile temp(path);
    SetMode(temp.Fd(), path);
    temp.WriteAll(bytes);
    temp.SyncAndClose();
    temp.RenameOverTarget();
    SyncFolder(FolderOf(path));
}

void SetReplaceFaultHook(ReplaceFaultHook hook) {
    faultHook = hook;
}

} // namespace lexiglade
