#pragma once
// The starter library as the game reads it: list files, records and the puzzles they point at,
// and the puzzle files it is filed from.
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

// What the shipped library holds at least; raised as puzzles are added.
inline constexpr std::size_t kMinShippedPuzzles = 75;
inline constexpr int kMinShippedFolders = 12;
inline constexpr int kMinShippedPicturePuzzles = 12;

std::filesystem::path LibraryDir();
// The lines of a list file; a final line end adds no empty line.
Lines ReadLines(const std::string& name);

struct Puzzle {
    std::string title;
    Lines words;
    Lines hints;
};

// Every puzzle of "a8.asl", loaded through its record; throws when a record points outside.
std::vector<Puzzle> LoadPuzzles();
// The game's rule: a puzzle shows pictures when its first hint contains a full stop.
bool IsPicturePuzzle(const Puzzle& puzzle);
std::string Upper(std::string text);

struct PuzzleFile {
    std::string folder;
    Puzzle puzzle;
};

// Every puzzle file: folders in the order of their directories, a folder's puzzles in the order
// of their files.
std::vector<PuzzleFile> ReadPuzzleFiles();
