#pragma once
// One pass over a list file a piece at a time, holding none of its lines: what filing must know of
// a large list before it appends to it in place.
#include "library/FileStamp.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexiglade {

struct ListScan {
    FileStamp stamp; // of the file that was read
    // Every line ends with CR LF and no NUL is held: lines can be added as bytes. The rest is
    // known only then.
    bool canonical = false;
    bool holdsNul = false;
    std::uint64_t lines = 0;
    struct Match {
        std::uint64_t line = 0;
        std::uint64_t offset = 0; // where the line begins
    };
    std::vector<Match> equal;                    // the lines equal to the text sought, in order
    std::map<std::uint64_t, std::string> wanted; // the text of each line asked for
};

// Scans the list at `path` for the lines equal to `sought` and the text of the lines `wanted`.
// "Cannot open file %s" and "Cannot read file %s: reason" as InputFile.
ListScan ScanListFile(const std::string& path, std::optional<std::string_view> sought,
                      const std::vector<std::uint64_t>& wanted = {});

// The first line of the list at `path` equal to `text`, read a piece at a time; none when no line
// is. Errors as ScanListFile.
std::optional<std::uint64_t> FirstLineEqual(const std::string& path, std::string_view text);

} // namespace lexiglade
