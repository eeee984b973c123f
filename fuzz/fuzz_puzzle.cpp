// Builds a library from the input and loads every item of its tree as a puzzle. The input is cut
// at each byte 0xFF into: tree text, "a8.asl" to "a12.asl", "b1.asl", "b2.asl"; files without a
// part are removed, so missing files are tried too.
#include "library/Errors.h"
#include "library/LibraryFiles.h"
#include "library/Puzzle.h"
#include "library/TreeFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace LibraryFiles = lexiglade::LibraryFiles;
using lexiglade::LoadedPuzzle;

constexpr char kSeparator = '\xff';
constexpr std::size_t kMaxItems = 64;
const char* const kFiles[] = {LibraryFiles::kTitles,
                              LibraryFiles::kWordBanks,
                              LibraryFiles::kHintBanks,
                              LibraryFiles::kFirstBankLines,
                              LibraryFiles::kLastBankLines,
                              "b1.asl",
                              "b2.asl"};

// The data folder of this process, removed at exit.
class DataFolder {
  public:
    DataFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "fuzz_puzzle-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        path_ = pattern + "/";
    }
    ~DataFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

const std::string& DataDir() {
    static const DataFolder folder;
    return folder.Path();
}

std::vector<std::string> Parts(std::string_view input) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end = 0; end <= input.size(); ++end) {
        if (end == input.size() || input[end] == kSeparator) {
            parts.emplace_back(input.substr(start, end - start));
            start = end + 1;
        }
    }
    return parts;
}

void WriteLibrary(const std::vector<std::string>& parts) {
    for (std::size_t i = 0; i < std::size(kFiles); ++i) {
        const std::string path = DataDir() + kFiles[i];
        if (i + 1 >= parts.size()) {
            std::filesystem::remove(path);
            continue;
        }
        std::string bytes = parts[i + 1];
        if (i == 1 || i == 2) {
            // Bank names stay inside the data folder.
            std::replace(bytes.begin(), bytes.end(), '/', '_');
        }
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }
}

bool Same(const LoadedPuzzle& a, const LoadedPuzzle& b) {
    return a.title == b.title && a.puzzleIndex == b.puzzleIndex && a.words == b.words &&
           a.hints == b.hints;
}

void LoadEveryItem(const lexiglade::TreeModel& tree) {
    LoadedPuzzle puzzle{"previous", 7, {"WORD"}, {"hint"}};
    // Past the last item too; a bounded number of items keeps each run quick.
    for (std::size_t s = 0; s <= std::min<std::size_t>(tree.size(), kMaxItems); ++s) {
        const LoadedPuzzle before = puzzle;
        bool loaded = false;
        try {
            loaded = lexiglade::LoadPuzzle(tree, s, DataDir(), puzzle);
        } catch (const lexiglade::LibraryError&) {
            if (!Same(puzzle, before)) {
                __builtin_trap();
            }
            continue;
        }
        const bool sameAsBefore = Same(puzzle, before);
        if (loaded != lexiglade::IsPuzzleItem(tree, s) || (!loaded && !sameAsBefore) ||
            (loaded &&
             (puzzle.title != tree[s].text || puzzle.words.size() != puzzle.hints.size()))) {
            __builtin_trap();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> parts =
        Parts(std::string_view(reinterpret_cast<const char*>(data), size));
    WriteLibrary(parts);
    lexiglade::TreeModel tree;
    std::istringstream in(parts[0]);
    try {
        lexiglade::LoadTree(in, tree);
    } catch (const lexiglade::LibraryError&) {
        // The items before the failing line are still worth loading.
    }
    LoadEveryItem(tree);
    return 0;
}
