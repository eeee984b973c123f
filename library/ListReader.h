#pragma once
// Reading a list file line by line through a buffer of bounded size, for checks that walk lists of
// a large library without holding them whole.
#include "library/InputFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lexiglade {

// The lines of a file by the list rule (CR, LF or CR LF end a line; a final line end adds none).
// A NUL byte ends the text and is noted. The buffer grows only for a line longer than it.
class ListReader {
  public:
    // "Cannot open file %s" as InputFile.
    explicit ListReader(const std::string& path);

    // The next line, valid until the next call; false at the end of the text.
    bool Next(std::string_view& line);
    bool SawNul() const { return sawNul_; }
    std::size_t LinesRead() const { return lines_; }
    // Where in the file the line that Next gave last begins.
    std::uint64_t LineOffset() const { return lineOffset_; }
    InputFile& File() { return file_; }

  private:
    // Keeps the unread bytes and reads more after them; notes the end of the file.
    void Refill();

    InputFile file_;
    std::string buffer_;
    std::size_t pos_ = 0;  // first unread byte
    std::size_t size_ = 0; // end of the bytes read
    bool atEnd_ = false;
    bool sawNul_ = false;
    std::size_t lines_ = 0;
    std::uint64_t dropped_ = 0; // bytes of the file before the buffer's first byte
    std::uint64_t lineOffset_ = 0;
};

} // namespace lexiglade
