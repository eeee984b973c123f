#include "library/ListScan.h"

#include "library/InputFile.h"
#include "library/ListAppend.h"
#include "library/ListReader.h"

#include <algorithm>
#include <cstring>

namespace lexiglade {

namespace {

constexpr std::size_t kPiece = std::size_t{1} << 16;

// Looks at whole lines of the file, one stretch of them at a time.
class Scanner {
  public:
    Scanner(ListScan& scan, std::optional<std::string_view> sought,
            const std::vector<std::uint64_t>& wanted)
        : scan_(scan), wanted_(wanted) {
        if (sought) {
            pattern_ = std::string(*sought) + "\r\n";
        }
        std::sort(wanted_.begin(), wanted_.end());
    }

    // Lines [0, size) of `text`, which begins at `offset` of the file and ends at a line's end.
    void Look(std::string_view text, std::uint64_t offset) {
        const LineEnds ends = CountLineEnds(text);
        cr_ += ends.cr;
        lf_ += ends.lf;
        crLf_ += ends.crLf;
        scan_.holdsNul = scan_.holdsNul || std::memchr(text.data(), '\0', text.size()) != nullptr;
        if (pattern_) {
            FindEqual(text, offset);
        }
        TakeWanted(text, ends.lf);
        lines_ += ends.lf;
    }

    void End(char last) {
        scan_.canonical = !scan_.holdsNul && cr_ == lf_ && crLf_ == lf_ &&
                          (scan_.stamp.size == 0 || last == '\n');
        scan_.lines = lf_;
    }

  private:
    // A match of the title and its CR LF counts where a line begins.
    void FindEqual(std::string_view text, std::uint64_t offset) {
        std::size_t counted = 0;
        std::uint64_t lines = lines_;
        for (std::size_t at = 0;;) {
            const void* found =
                memmem(text.data() + at, text.size() - at, pattern_->data(), pattern_->size());
            if (found == nullptr) {
                return;
            }
            const auto p = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
            if (p == 0 || text[p - 1] == '\n') {
                lines += CountLineEnds(text.substr(counted, p - counted)).lf;
                counted = p;
                scan_.equal.push_back({lines, offset + p});
            }
            at = p + 1;
        }
    }

    // The wanted lines among the text's, found by their line feeds.
    void TakeWanted(std::string_view text, std::uint64_t lines) {
        std::uint64_t line = lines_;
        std::size_t start = 0;
        while (next_ < wanted_.size() && wanted_[next_] < lines_ + lines) {
            for (; line < wanted_[next_]; ++line) {
                start =
                    static_cast<std::size_t>(static_cast<const char*>(std::memchr(
                                                 text.data() + start, '\n', text.size() - start)) -
                                             text.data()) +
                    1;
            }
            const std::size_t end = text.find('\n', start);
            std::string_view taken = text.substr(start, end - start);
            if (!taken.empty() && taken.back() == '\r') {
                taken.remove_suffix(1);
            }
            scan_.wanted[wanted_[next_++]] = std::string(taken);
        }
    }

    ListScan& scan_;
    std::optional<std::string> pattern_;
    std::vector<std::uint64_t> wanted_;
    std::size_t next_ = 0; // the first wanted line not yet taken
    std::uint64_t cr_ = 0, lf_ = 0, crLf_ = 0;
    std::uint64_t lines_ = 0; // the line feeds before the stretch looked at
};

} // namespace

ListScan ScanListFile(const std::string& path, std::optional<std::string_view> sought,
                      const std::vector<std::uint64_t>& wanted) {
    InputFile file(path);
    ListScan scan;
    scan.stamp = file.Stamp();
    Scanner scanner(scan, sought, wanted);
    std::string buffer(kPiece, '\0');
    std::size_t held = 0;     // bytes in the buffer: the start of a line not yet ended, and more
    std::uint64_t offset = 0; // where the buffer begins in the file
    char last = '\0';
    for (;;) {
        if (held == buffer.size()) {
            buffer.resize(buffer.size() * 2); // one line fills the buffer
        }
        const std::size_t got = file.Read(buffer.data() + held, buffer.size() - held);
        held += got;
        if (got == 0) {
            scanner.Look({buffer.data(), held}, offset); // the last line, without its end
            break;
        }
        last = buffer[held - 1];
        const std::size_t lineFeed = std::string_view(buffer.data(), held).rfind('\n');
        if (lineFeed == std::string_view::npos) {
            continue;
        }
        const std::size_t looked = lineFeed + 1;
        scanner.Look({buffer.data(), looked}, offset);
        std::memmove(buffer.data(), buffer.data() + looked, held - looked);
        held -= looked;
        offset += looked;
    }
    scanner.End(last);
    return scan;
}

// Found among lines that end with CR LF by a search for the text; otherwise line by line.
std::optional<std::uint64_t> FirstLineEqual(const std::string& path, std::string_view text) {
    const ListScan scan = ScanListFile(path, text);
    if (scan.canonical) {
        return scan.equal.empty() ? std::nullopt : std::optional(scan.equal.front().line);
    }
    ListReader lines(path);
    std::string_view line;
    while (lines.Next(line)) {
        if (line == text) {
            return lines.LinesRead() - 1;
        }
    }
    return std::nullopt;
}

} // namespace lexiglade
