#include "library/InputFile.h"

#include "library/Errors.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lexiglade {

InputFile::InputFile(const std::string& path, Links links) : path_(path) {
    if (path.empty() || path.find('\0') != std::string::npos) {
        RaiseCannotOpen(path);
    }
    // Non-blocking so that a FIFO under the name cannot hang the open; regular files ignore it.
    const int noFollow = links == Links::Refuse ? O_NOFOLLOW : 0;
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | noFollow);
    if (fd_ < 0 && errno == ELOOP && links == Links::Refuse) {
        RaiseSymbolicLink(path);
    }
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        RaiseCannotOpen(path);
    }
    stamp_ =
        StampOfOpenFile(fd_).value_or(FileStamp{0, 0, static_cast<std::uint64_t>(info.st_size), 0});
}

InputFile::~InputFile() {
    ::close(fd_);
}

std::size_t InputFile::Read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, size);
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            RaiseCannotRead(path_, std::strerror(errno));
        }
    }
}

std::size_t InputFile::ReadAt(std::uint64_t offset, char* buffer, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t piece =
            ::pread(fd_, buffer + got, size - got, static_cast<off_t>(offset + got));
        if (piece == 0) {
            break;
        }
        if (piece < 0) {
            if (errno == EINTR) {
                continue;
            }
            RaiseCannotRead(path_, std::strerror(errno));
        }
        got += static_cast<std::size_t>(piece);
    }
    return got;
}

} // namespace lexiglade
