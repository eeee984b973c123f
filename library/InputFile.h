#pragma once
// Reading side of the file layer: a regular file opened for reading, closed on destruction.
#include <cstddef>
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
    // The size the file had when it was opened.
    std::size_t SizeHint() const { return sizeHint_; }

  private:
    std::string path_;
    int fd_ = -1;
    std::size_t sizeHint_ = 0;
};

} // namespace lexiglade
