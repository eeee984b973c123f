#pragma once
// The starter library as the game reads it: list files, records and the puzzles they point at.
#include <filesystem>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

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
// Every puzzle file under the shipped puzzle folder (title, folder, then WORD<TAB>hint lines).
std::vector<Puzzle> LoadPuzzleFiles();
// The game's rule: a puzzle shows pictures when its first hint contains a full stop.
bool IsPicturePuzzle(const Puzzle& puzzle);
std::string Upper(std::string text);
