#include "library/AtomicFile.h"

#include "library/Errors.h"
#include "library/Paths.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
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

// Runs `call` unless a failure of `step` is injected; the errno of the failure, or 0.
template <class Call> int RunStep(ReplaceStep step, Call call) {
    int error = InjectedFault(step);
    if (error == 0 && call() != 0) {
        error = errno;
    }
    return error;
}

mode_t CurrentUmask() {
    // The process is single-threaded where files are written, so the brief change is not observed.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The file now under `target`, if any. Refuses a link, and a file this user could not write in
// place: a rename would otherwise replace what the user may not change.
std::optional<struct stat> InspectTarget(const std::string& target) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        RaiseCannotCreate(target);
    }
    if (S_ISLNK(info.st_mode)) {
        RaiseSymbolicLink(target);
    }
    if (S_ISREG(info.st_mode) && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        RaiseCannotCreate(target);
    }
    return info;
}

// The new file gets the old one's owner, group and mode; it is refused when they cannot be kept.
void AdoptOwnerAndMode(int fd, const std::optional<struct stat>& old, const std::string& target) {
    if (!old || !S_ISREG(old->st_mode)) {
        if (::fchmod(fd, 0666 & ~CurrentUmask()) != 0) {
            RaiseCannotCreate(target);
        }
        return;
    }
    struct stat mine {};
    if (::fstat(fd, &mine) != 0) {
        RaiseCannotCreate(target);
    }
    if ((mine.st_uid != old->st_uid || mine.st_gid != old->st_gid) &&
        ::fchown(fd, old->st_uid, old->st_gid) != 0) {
        RaiseCannotCreate(target);
    }
    if (::fchmod(fd, old->st_mode & 07777) != 0) {
        RaiseCannotCreate(target);
    }
}

// A new file that removes itself unless it was kept.
class NewFile {
  public:
    // A file of a name of its own beside `target` (`path` ends in XXXXXX), or of the name `path`.
    NewFile(const std::string& target, std::string path, bool uniqueName)
        : target_(target), path_(std::move(path)) {
        const std::optional<struct stat> old = InspectTarget(target);
        if (!uniqueName) {
            ::unlink(path_.c_str()); // a leftover of an interrupted run
        }
        if (InjectedFault(ReplaceStep::Create) == 0) {
            fd_ = uniqueName ? ::mkostemp(path_.data(), O_CLOEXEC)
                             : ::open(path_.c_str(),
                                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        }
        if (fd_ < 0) {
            RaiseCannotCreate(target);
        }
        try {
            AdoptOwnerAndMode(fd_, old, target);
        } catch (...) {
            Discard();
            throw;
        }
    }
    ~NewFile() {
        if (!kept_) {
            Discard();
        }
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    const std::string& Path() const { return path_; }
    void WriteAll(std::string_view bytes);
    void SyncAndClose();
    void Keep() { kept_ = true; }

  private:
    void Discard() {
        if (fd_ >= 0) {
            ::close(std::exchange(fd_, -1));
        }
        ::unlink(path_.c_str());
    }
    void Step(ReplaceStep step, const auto& call) {
        if (const int error = RunStep(step, call); error != 0) {
            RaiseCannotWrite(target_, std::strerror(error));
        }
    }

    std::string target_;
    std::string path_;
    int fd_ = -1;
    bool kept_ = false;
};

void NewFile::WriteAll(std::string_view bytes) {
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

void NewFile::SyncAndClose() {
    Step(ReplaceStep::Sync, [&] { return ::fsync(fd_); });
    Step(ReplaceStep::Close, [&] {
        const int fd = std::exchange(fd_, -1);
        return ::close(fd);
    });
}

} // namespace

std::filesystem::path FolderOf(const std::string& path) {
    return std::filesystem::path(path).remove_filename();
}

void ReplaceFile(const std::string& path, std::string_view bytes) {
    if (path.empty() || path.find('\0') != std::string::npos) {
        RaiseCannotCreate(path);
    }
    NewFile temp(path, (FolderOf(path) / ".lexiglade-new-XXXXXX").string(), true);
    temp.WriteAll(bytes);
    temp.SyncAndClose();
    RenameFile(temp.Path(), path, path);
    temp.Keep();
    try {
        SyncFolder(FolderOf(path));
    } catch (const LibraryError&) {
        // The file is replaced; a failed folder sync only weakens durability.
    }
}

void WriteStagedFile(const std::string& staged, const std::string& target, std::string_view bytes) {
    NewFile file(target, staged, false);
    file.WriteAll(bytes);
    file.SyncAndClose();
    file.Keep();
}

void WriteStagedContent(const std::string& staged, const std::string& target,
                        const ContentProducer& produce) {
    NewFile file(target, staged, false);
    produce([&](std::string_view piece) { file.WriteAll(piece); });
    file.SyncAndClose();
    file.Keep();
}

namespace {

// An existing file opened for writing in place, closed on destruction.
class InPlaceFile {
  public:
    explicit InPlaceFile(const std::string& path) : path_(path) {
        fd_ = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd_ < 0) {
            Fail(errno);
        }
    }
    ~InPlaceFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    InPlaceFile(const InPlaceFile&) = delete;
    InPlaceFile& operator=(const InPlaceFile&) = delete;

    void Write(std::uint64_t at, std::string_view bytes) {
        while (!bytes.empty()) {
            const std::size_t piece = std::min(bytes.size(), kReplaceChunkSize);
            ssize_t written = 0;
            Step(ReplaceStep::Write, [&] {
                do {
                    written = ::pwrite(fd_, bytes.data(), piece, static_cast<off_t>(at));
                } while (written < 0 && errno == EINTR);
                if (written == 0) {
                    errno = ENOSPC;
                }
                return written <= 0 ? -1 : 0;
            });
            bytes.remove_prefix(static_cast<std::size_t>(written));
            at += static_cast<std::uint64_t>(written);
        }
    }
    void Truncate(std::uint64_t size) {
        Step(ReplaceStep::Truncate, [&] { return ::ftruncate(fd_, static_cast<off_t>(size)); });
    }
    void SyncAndClose() {
        Step(ReplaceStep::Sync, [&] { return ::fsync(fd_); });
        Step(ReplaceStep::Close, [&] { return ::close(std::exchange(fd_, -1)); });
    }

  private:
    [[noreturn]] void Fail(int error) { RaiseCannotWrite(path_, std::strerror(error)); }
    void Step(ReplaceStep step, const auto& call) {
        if (const int error = RunStep(step, call); error != 0) {
            Fail(error);
        }
    }

    std::string path_;
    int fd_ = -1;
};

} // namespace

void WriteInPlace(const std::string& path, std::uint64_t at, std::string_view bytes) {
    InPlaceFile file(path);
    file.Write(at, bytes);
    file.SyncAndClose();
}

void TruncateInPlace(const std::string& path, std::uint64_t size) {
    InPlaceFile file(path);
    file.Truncate(size);
    file.SyncAndClose();
}

void RenameFile(const std::string& from, const std::string& to, const std::string& reported) {
    const int error =
        RunStep(ReplaceStep::Rename, [&] { return std::rename(from.c_str(), to.c_str()); });
    if (error != 0) {
        RaiseCannotWrite(reported, std::strerror(error));
    }
}

bool LinkFile(const std::string& path, const std::string& link) {
    ::unlink(link.c_str()); // a leftover of an interrupted run
    return RunStep(ReplaceStep::Link, [&] { return ::link(path.c_str(), link.c_str()); }) == 0;
}

void SyncFolder(const std::filesystem::path& folder) {
    const std::string name = folder.empty() ? "." : DirectoryForm(folder).string();
    const int error = RunStep(ReplaceStep::SyncFolder, [&] {
        const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            return -1;
        }
        const int result = ::fsync(fd);
        const int saved = errno;
        ::close(fd);
        errno = saved;
        return result;
    });
    if (error != 0) {
        RaiseCannotWrite(name, std::strerror(error));
    }
}

bool RemoveFile(const std::string& path) {
    return RunStep(ReplaceStep::Remove,
                   [&] { return ::unlink(path.c_str()) == 0 || errno == ENOENT ? 0 : -1; }) == 0;
}

void SetReplaceFaultHook(ReplaceFaultHook hook) {
    faultHook = hook;
}

} // namespace lexiglade
