// Files the input as a puzzle file, the way the library command adds one, into a small library
// that the input may damage first; then checks the whole library and loads every puzzle. The input
// is the puzzle file, then optionally a byte 0xFF and pairs of bytes, each a damage and its
// argument. A refused filing must leave the library byte for byte as it was; a filing that
// succeeds must add no problem, change no puzzle and load the new one exactly as given.
#include "library/Append.h"
#include "library/Errors.h"
#include "library/FileBatch.h"
#include "library/LibraryCheck.h"
#include "library/Puzzle.h"
#include "library/PuzzleFile.h"
#include "library/TextList.h"
#include "library/TreeFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;
using lexiglade::LibraryError;
using lexiglade::TextList;
using Files = std::map<std::string, std::string>;

constexpr char kSeparator = '\xff';
constexpr std::size_t kPuzzles = 4;
constexpr std::size_t kWords = 15;
constexpr std::size_t kMaxDamages = 4;
const char* const kLists[] = {"a8.asl",  "a9.asl",  "a10.asl", "a11.asl",
                              "a12.asl", "a14.asl", "a15.asl"};

// A folder of this process, removed at exit: in memory where there is one, for the filing's syncs.
class ScratchFolder {
  public:
    ScratchFolder() {
        const fs::path base =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "fuzz_add-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        path_ = pattern + "/";
        fs::create_directory(path_ + "library");
    }
    ~ScratchFolder() {
        std::error_code error;
        fs::remove_all(path_, error);
    }
    std::string Library() const { return path_ + "library/"; }
    std::string PuzzleFile() const { return path_ + "puzzle.txt"; }

  private:
    std::string path_;
};

const ScratchFolder& Scratch() {
    static const ScratchFolder folder;
    return folder;
}

// Four puzzles of fifteen words in b1.asl and b2.asl, under one folder.
Files SoundLibrary() {
    Files files;
    files["a7.asl"] = "Folder\r\n";
    for (std::size_t k = 0; k < kPuzzles; ++k) {
        const std::string title = "Puzzle " + std::to_string(k);
        files["a7.asl"] += "\t" + title + "\r\n";
        const std::string values[] = {title,
                                      "b1.asl",
                                      "b2.asl",
                                      std::to_string(k * kWords),
                                      std::to_string(k * kWords + kWords - 1),
                                      "300",
                                      "930"};
        for (std::size_t i = 0; i < std::size(kLists); ++i) {
            files[kLists[i]] += values[i] + "\r\n";
        }
        for (std::size_t w = 0; w < kWords; ++w) {
            files["b1.asl"] += "WORD" + std::string(1, static_cast<char>('A' + k)) +
                               std::string(1, static_cast<char>('A' + w)) + "\r\n";
            files["b2.asl"] += "hint " + std::to_string(w) + " of " + title + "\r\n";
        }
    }
    return files;
}

Files ReadFiles(const std::string& folder) {
    Files files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name != lexiglade::kLockFileName) {
            files[name] = lexiglade::ReadFileBytes(entry.path().string());
        }
    }
    return files;
}

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Damages `files` as a disk or an editor might: a NUL byte, a line too many or too few, banks cut
// short together, a pointer moved, a full pair, a stray hint bank.
void Damage(Files& files, unsigned char kind, unsigned char at) {
    std::string& words = files["b1.asl"];
    std::string& hints = files["b2.asl"];
    switch (kind % 8) {
    case 0:
        words.insert(at % (words.size() + 1), 1, '\0');
        break;
    case 1:
        hints.insert(at % (hints.size() + 1), 1, '\0');
        break;
    case 2:
        hints += "one hint too many\r\n";
        break;
    case 3: {
        TextList lines = lexiglade::ParseList(words);
        lines.resize(lines.size() - std::min<std::size_t>(lines.size(), 1));
        words = lexiglade::FormatList(lines);
        break;
    }
    case 4: {
        const std::size_t keep = at % (kPuzzles * kWords);
        words = lexiglade::FormatList(TextList(keep, "WORDY"));
        hints = lexiglade::FormatList(TextList(keep, "a hint"));
        break;
    }
    case 5: {
        TextList lasts = lexiglade::ParseList(files["a12.asl"]);
        lasts[at % lasts.size()] = std::to_string(at);
        files["a12.asl"] = lexiglade::FormatList(lasts);
        break;
    }
    case 6:
        words += lexiglade::FormatList(TextList(1501, "FULL"));
        hints += lexiglade::FormatList(TextList(1501, "full"));
        break;
    case 7:
        files["b" + std::to_string(4 + 2 * (at % 2)) + ".asl"] = "a stray hint\r\n";
        break;
    }
}

// Every puzzle of the tree by title: its words and hints, or the error that loading it raised.
std::map<std::string, std::string> LoadEveryPuzzle(const std::string& dataDir) {
    std::map<std::string, std::string> loads;
    lexiglade::TreeModel tree;
    try {
        lexiglade::LoadTreeFile(dataDir + "a7.asl", tree);
    } catch (const LibraryError&) {
        return loads;
    }
    for (std::size_t s = 0; s < tree.size(); ++s) {
        lexiglade::LoadedPuzzle puzzle;
        try {
            if (lexiglade::LoadPuzzle(tree, s, dataDir, puzzle)) {
                loads[tree[s].text] =
                    lexiglade::FormatList(puzzle.words) + "|" + lexiglade::FormatList(puzzle.hints);
            }
        } catch (const LibraryError& error) {
            loads[tree[s].text] = error.what();
        }
    }
    return loads;
}

void Require(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t separator = input.find(kSeparator);
    const std::string dataDir = Scratch().Library();
    Files library = SoundLibrary();
    if (separator != std::string_view::npos) {
        const std::string_view damages = input.substr(separator + 1);
        for (std::size_t i = 0; i + 1 < damages.size() && i < 2 * kMaxDamages; i += 2) {
            Damage(library, static_cast<unsigned char>(damages[i]),
                   static_cast<unsigned char>(damages[i + 1]));
        }
    }
    for (const auto& [name, bytes] : ReadFiles(dataDir)) {
        fs::remove(dataDir + name);
    }
    for (const auto& [name, bytes] : library) {
        WriteFile(dataDir + name, bytes);
    }
    WriteFile(Scratch().PuzzleFile(), input.substr(0, separator));

    const std::vector<std::string> problems = lexiglade::LibraryProblems(dataDir);
    const std::map<std::string, std::string> loads = LoadEveryPuzzle(dataDir);
    lexiglade::PuzzleFile puzzle;
    try {
        puzzle = lexiglade::ReadPuzzleFile(Scratch().PuzzleFile());
        const lexiglade::NewPuzzle filing{puzzle.title,
                                          lexiglade::JoinMemoLines(puzzle.words),
                                          lexiglade::JoinMemoLines(puzzle.hints),
                                          {}};
        lexiglade::AppendPuzzleToFolder(dataDir, filing, puzzle.folder, {});
    } catch (const LibraryError&) {
        Require(ReadFiles(dataDir) == library);
        return 0;
    }
    Require(!lexiglade::HasFilingLeftovers(dataDir));
    // A damaged library keeps its problems; their texts may quote the grown banks' line counts.
    const std::vector<std::string> after = lexiglade::LibraryProblems(dataDir);
    Require(problems.empty() ? after.empty() : after.size() == problems.size());
    std::map<std::string, std::string> expected = loads;
    expected[puzzle.title] =
        lexiglade::FormatList(puzzle.words) + "|" + lexiglade::FormatList(puzzle.hints);
    Require(LoadEveryPuzzle(dataDir) == expected);
    return 0;
}
