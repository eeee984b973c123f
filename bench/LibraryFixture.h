#pragma once
// Generated data for the benchmarks: real-looking words and hints, word sets for the grid, and a
// whole library file set of the size a long-played installation reaches.
#include "library/TextList.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>

namespace lexiglade::bench {

// Made-up words, hints and titles from syllables; the same seed gives the same texts.
class TextMaker {
  public:
    explicit TextMaker(std::uint32_t seed) : engine_(seed) {}
    int Between(int low, int high); // both included
    // Letters A to Z in mixed case, as typed into the wizard.
    std::string Word(int minLetters, int maxLetters);
    std::string Hint();
    std::string Title(std::size_t serial);
    std::string FolderName(std::size_t serial);

  private:
    std::size_t Index(std::size_t size);
    std::string Syllables(std::size_t letters);
    std::mt19937 engine_;
};

// `count` words of minLetters to maxLetters letters.
TextList MakeWords(TextMaker& maker, int count, int minLetters, int maxLetters);

struct LibraryShape {
    std::size_t puzzles = 100000;
    std::size_t puzzlesPerFolder = 50;
    int minWords = 15; // the wizard's limits
    int maxWords = 25;
    std::size_t bankLimit = 1500; // a pair takes puzzles while its word bank holds at most this
    std::uint32_t seed = 1;
};

struct GeneratedLibrary {
    std::string dataDir; // with its trailing separator
    std::size_t bankPairs = 0;
    std::size_t treeItems = 0;
    std::size_t lastPuzzleItem = 0; // tree item of the puzzle on the last line of "a8.asl"
};

// Writes "a7.asl" to "a12.asl", "a14.asl", "a15.asl" and the bank pairs into dataDir.
GeneratedLibrary WriteLibrary(const std::string& dataDir, const LibraryShape& shape);

// A folder tree of exactly `items` lines: a folder, its puzzles, the next folder, ...
void WriteTreeFile(const std::string& path, std::size_t items, std::size_t puzzlesPerFolder,
                   std::uint32_t seed = 1);

// A fresh temporary folder, removed with its content.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    std::string prefix() const { return (path_ / "").string(); }

  private:
    std::filesystem::path path_;
};

} // namespace lexiglade::bench
