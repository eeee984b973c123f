#include "library/ListReader.h"

#include "library/TextList.h"

#include <cstring>

namespace lexiglade {

namespace {

constexpr std::size_t kReadSize = std::size_t{1} << 16;

} // namespace

ListReader::ListReader(const std::string& path) : file_(path), buffer_(kReadSize, '\0') {}

void ListReader::Refill() {
    std::memmove(buffer_.data(), buffer_.data() + pos_, size_ - pos_);
    size_ -= pos_;
    dropped_ += pos_;
    pos_ = 0;
    if (size_ == buffer_.size()) {
        buffer_.resize(buffer_.size() * 2); // one line fills the buffer
    }
    const std::size_t got = file_.Read(buffer_.data() + size_, buffer_.size() - size_);
    size_ += got;
    atEnd_ = got == 0;
}

bool ListReader::Next(std::string_view& line) {
    for (;;) {
        if (sawNul_) {
            return false;
        }
        const char* data = buffer_.data();
        const std::size_t end = FindLineBreak(data, pos_, size_);
        // A CR as the last byte read may be the first half of a CR LF.
        const bool undecided = end + 1 == size_ && data[end] == '\r';
        if ((end == size_ || undecided) && !atEnd_) {
            Refill();
            continue;
        }
        if (pos_ == size_) {
            return false;
        }
        if (end < size_ && data[end] == '\0') {
            sawNul_ = true;
            if (end == pos_) {
                return false;
            }
        }
        line = std::string_view(data + pos_, end - pos_);
        lineOffset_ = dropped_ + pos_;
        pos_ = end;
        if (!sawNul_ && pos_ < size_) {
            const bool crLf = data[pos_] == '\r' && pos_ + 1 < size_ && data[pos_ + 1] == '\n';
            pos_ += crLf ? 2 : 1;
        }
        ++lines_;
        return true;
    }
}

} // namespace lexiglade
