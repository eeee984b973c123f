#include "LibraryMaker.h"

#include "TempFolder.h"

#include "library/LibraryFiles.h"
#include "library/LibraryLock.h"
#include "library/Puzzle.h"
#include "library/TextList.h"

#include <filesystem>
#include <initializer_list>
#include <string_view>

namespace lexiglade::test {

namespace {

constexpr std::size_t kPuzzlesPerFolder = 100;

// The pieces joined (a string built by appending: some compilers warn falsely on "x" + string).
std::string Cat(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (const std::string_view piece : pieces) {
        text += piece;
    }
    return text;
}

std::string WordOf(std::size_t puzzle, std::size_t word) {
    std::string text = "WORD";
    for (std::size_t n = puzzle * 100 + word; n > 0 || text.size() == 4; n /= 26) {
        text += static_cast<char>('A' + n % 26);
    }
    return text;
}

// The library's files as they grow, one puzzle at a time.
struct LibraryText {
    std::string tree, titles, wordBanks, hintBanks, firsts, lasts, plain, backward;
    std::map<std::size_t, std::pair<std::string, std::size_t>> banks; // number: text, lines
};

void AddPuzzle(LibraryText& text, std::size_t k, std::size_t words) {
    if (k % kPuzzlesPerFolder == 0) {
        text.tree += Cat({"Folder ", std::to_string(k / kPuzzlesPerFolder), "\r\n"});
    }
    const std::string title = Cat({"Puzzle ", std::to_string(k)});
    text.tree += Cat({"\t", title, "\r\n"});
    text.titles += Cat({title, "\r\n"});
    std::size_t pair = 1;
    while (text.banks[pair].second > kBankLineLimit) {
        pair += 2;
    }
    auto& [wordBank, lines] = text.banks[pair];
    std::string& hintBank = text.banks[pair + 1].first;
    text.wordBanks += Cat({"b", std::to_string(pair), ".asl\r\n"});
    text.hintBanks += Cat({"b", std::to_string(pair + 1), ".asl\r\n"});
    text.firsts += Cat({std::to_string(lines), "\r\n"});
    text.lasts += Cat({std::to_string(lines + words - 1), "\r\n"});
    for (std::size_t w = 0; w < words; ++w) {
        wordBank += Cat({WordOf(k, w), "\r\n"});
        hintBank += Cat({"hint ", std::to_string(w), " of ", title, "\r\n"});
    }
    lines += words;
    text.plain += "300\r\n";
    text.backward += "930\r\n";
}

} // namespace

void MakeLibrary(const std::string& dataDir, std::size_t puzzles, std::size_t words) {
    LibraryText text;
    for (std::size_t k = 0; k < puzzles; ++k) {
        AddPuzzle(text, k, words);
    }
    const std::pair<const char*, const std::string*> lists[] = {
        {"a7.asl", &text.tree},       {"a8.asl", &text.titles},   {"a9.asl", &text.wordBanks},
        {"a10.asl", &text.hintBanks}, {"a11.asl", &text.firsts},  {"a12.asl", &text.lasts},
        {"a14.asl", &text.plain},     {"a15.asl", &text.backward}};
    for (const auto& [name, bytes] : lists) {
        WriteBytes(dataDir + name, *bytes);
    }
    for (const auto& [number, bank] : text.banks) {
        if (!bank.first.empty()) {
            WriteBytes(Cat({dataDir, "b", std::to_string(number), ".asl"}), bank.first);
        }
    }
}

NewPuzzle MakePuzzle(const std::string& title, std::size_t words) {
    NewPuzzle puzzle{title, {}, {}, {}};
    for (std::size_t w = 0; w < words; ++w) {
        const char letter[] = {static_cast<char>('A' + w % 26), '\0'};
        puzzle.words += Cat({w == 0 ? "" : "\r\n", "NEWWORD", letter});
        puzzle.hints += Cat({w == 0 ? "" : "\r\n", "new hint ", std::to_string(w)});
    }
    return puzzle;
}

std::map<std::string, PlayedPuzzle> PlayEveryPuzzle(const std::string& dataDir) {
    const TextList plain = ReadList(dataDir + LibraryFiles::kPlainBestTimes);
    const TextList backward = ReadList(dataDir + LibraryFiles::kBackwardBestTimes);
    std::map<std::string, PlayedPuzzle> played;
    for (const std::string& title : ReadList(dataDir + LibraryFiles::kTitles)) {
        LoadedPuzzle puzzle = LoadTitledPuzzle(LibraryView(dataDir), title);
        const auto k = static_cast<std::size_t>(puzzle.puzzleIndex);
        played.emplace(title, PlayedPuzzle{std::move(puzzle.words), std::move(puzzle.hints),
                                           plain.at(k), backward.at(k)});
    }
    return played;
}

void Retitle(std::map<std::string, PlayedPuzzle>& played, const std::string& gone,
             const std::string& now) {
    if (!now.empty()) {
        played[now] = played.at(gone);
    }
    played.erase(gone);
}

FileSnapshot SnapshotFiles(const std::string& folder) {
    FileSnapshot files;
    for (const std::string& name : FolderEntries(folder)) {
        if (name != kLockFileName && std::filesystem::is_regular_file(folder + name)) {
            files[name] = ReadFileBytes(folder + name);
        }
    }
    return files;
}

void RestoreFiles(const std::string& folder, const FileSnapshot& files) {
    RestoreFiles(folder, files, SnapshotFiles(folder));
}

void RestoreFiles(const std::string& folder, const FileSnapshot& files, const FileSnapshot& now) {
    for (const auto& [name, bytes] : now) {
        const auto kept = files.find(name);
        if (kept == files.end()) {
            std::filesystem::remove(folder + name);
        } else if (kept->second != bytes) {
            WriteBytes(folder + name, kept->second);
        }
    }
    for (const auto& [name, bytes] : files) {
        if (now.count(name) == 0) {
            WriteBytes(folder + name, bytes);
        }
    }
}

} // namespace lexiglade::test
