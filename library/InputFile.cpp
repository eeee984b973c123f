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
    sizeHint_ = static_cast<std::size_t>(info.st_size);
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

} // namespace lexiglade
