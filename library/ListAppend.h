#pragma once
// Appending lines to a list file's bytes without reading the list into strings: the catalogue lists
// of a large library hold a hundred thousand lines, and the bank search scans thousands of banks.
#include "library/TextList.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace lexiglade {

class InputFile;

// What the list rule reads from a text: its line count, and whether writing the lines back would
// give the same bytes (every line ended by CR LF, no NUL).
struct ListShape {
    std::size_t lines = 0;
    bool canonical = false;
};

ListShape ScanList(std::string_view text);

// The CRs, LFs and CR LF pairs of a text that begins a line, counted in blocks of byte-wide
// counters, which compilers vectorize: the bank search and the filing scan large lists.
struct LineEnds {
    std::uint64_t cr = 0, lf = 0, crLf = 0;
};
LineEnds CountLineEnds(std::string_view text);

struct AppendedList {
    std::size_t oldLines = 0;
    std::string bytes; // the old list with the added lines after it, as WriteList writes it
};

// FormatList of the lines of `old` followed by `added`.
AppendedList AppendLines(std::string_view old, const TextList& added);

// The whole file into `buffer`, reusing its storage; "Cannot open file %s" as ReadFileBytes.
void ReadFileInto(const std::string& path, std::string& buffer);
// The rest of an open file into `buffer`, at most `limit` bytes of it.
void ReadOpenFileInto(InputFile& file, std::string& buffer,
                      std::size_t limit = std::numeric_limits<std::size_t>::max());

} // namespace lexiglade
