#pragma once
// A set of whole-file replacements that is applied completely or not at all.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lexiglade {

struct FileReplacement {
    std::string path;
    std::optional<std::string> previous; // the file's bytes now; none when it does not exist
    std::string bytes;
};

// Replaces the files one by one, atomically, in order, calling beforeEach(i) before file i.
// When anything fails, every file already replaced gets its previous content back (a file that
// did not exist is removed) and the error is rethrown. The old file is kept under a hard link
// while the batch runs, so that putting it back needs no free space.
void ReplaceAllOrNothing(const std::vector<FileReplacement>& files,
                         const std::function<void(std::size_t)>& beforeEach);

} // namespace lexiglade
