#include "library/ListAppend.h"

#include "library/InputFile.h"

#include <algorithm>

namespace lexiglade {

LineEnds CountLineEnds(std::string_view text) {
    LineEnds ends;
    if (text.empty()) {
        return ends;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(text.data());
    ends.cr = data[0] == '\r';
    ends.lf = data[0] == '\n';
    for (std::size_t i = 1; i < text.size();) {
        const std::size_t end = std::min(text.size(), i + 255);
        unsigned char blockCr = 0, blockLf = 0, blockCrLf = 0;
        for (std::size_t j = i; j < end; ++j) {
            blockCr += data[j] == '\r';
            blockLf += data[j] == '\n';
            blockCrLf += (data[j] == '\n') & (data[j - 1] == '\r');
        }
        ends.cr += blockCr;
        ends.lf += blockLf;
        ends.crLf += blockCrLf;
        i = end;
    }
    return ends;
}

// Each CR, and each LF not right after a CR, ends a line; a last line without an end counts too;
// a NUL ends the text.
ListShape ScanList(std::string_view text) {
    const std::size_t nul = text.find('\0');
    text = text.substr(0, nul);
    if (text.empty()) {
        return {0, nul == std::string_view::npos};
    }
    const LineEnds ends = CountLineEnds(text);
    const bool open = text.back() != '\r' && text.back() != '\n';
    const bool canonical =
        nul == std::string_view::npos && !open && ends.cr == ends.crLf && ends.lf == ends.crLf;
    return {static_cast<std::size_t>(ends.cr + ends.lf - ends.crLf) + (open ? 1 : 0), canonical};
}

AppendedList AppendLines(std::string_view old, const TextList& added) {
    const ListShape shape = ScanList(old);
    AppendedList result{shape.lines, {}};
    std::string& bytes = result.bytes;
    bytes.reserve(old.size() + 2 + added.size() * 24);
    if (shape.canonical) {
        bytes.append(old);
    } else {
        LineCursor cursor(old);
        std::string_view line;
        while (cursor.Next(line)) {
            bytes.append(line);
            bytes += "\r\n";
        }
    }
    for (const std::string& entry : added) {
        bytes += entry;
        bytes += "\r\n";
    }
    return result;
}

void ReadFileInto(const std::string& path, std::string& buffer) {
    InputFile file(path);
    ReadOpenFileInto(file, buffer);
}

void ReadOpenFileInto(InputFile& file, std::string& buffer, std::size_t limit) {
    buffer.resize(std::min(std::max<std::size_t>(file.SizeHint() + 1, 4096), limit));
    std::size_t used = 0;
    for (;;) {
        if (used == buffer.size()) {
            if (used == limit) {
                break;
            }
            buffer.resize(std::min(buffer.size() * 2, limit));
        }
        const std::size_t got = file.Read(buffer.data() + used, buffer.size() - used);
        if (got == 0) {
            break;
        }
        used += got;
    }
    buffer.resize(used);
}

} // namespace lexiglade
