#pragma once
// Reading side of the file layer: a regular file opened for reading, closed on destruction.
#include "library/FileStamp.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace lexiglade {

class InputFile {
  public:
    enum class Links { Follow, Refuse };
    // "Cannot open file %s" unless `path` names a regular file that can be read; with
    // Links::Refuse, "Cannot use file %s: it is a symbolic link" when the name is a link.
    explicit InputFile(const std::string& path, Links links = Links::Follow);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Up to `size` bytes into `buffer`; 0 only at the end. "Cannot read file %s: reason" on
    // failure.
    std::size_t Read(char* buffer, std::size_t size);
    // Up to `size` bytes from `offset` on, leaving the position for Read as it is; fewer only at
    // the end. Errors as Read.
    std::size_t ReadAt(std::uint64_t offset, char* buffer, std::size_t size);
    // The size the file had when it was opened.
    std::size_t SizeHint() const { return static_cast<std::size_t>(stamp_.size); }
    // The file's stamp when it was opened.
    const FileStamp& Stamp() const { return stamp_; }
    // The file's stamp now; none when it cannot be taken.
    std::optional<FileStamp> StampNow() const { return StampOfOpenFile(fd_); }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    int fd_ = -1;
    FileStamp stamp_;
};

} // namespace lexiglade
