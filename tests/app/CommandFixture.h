#pragma once
// The library command run on a library of twelve made-up puzzles, with the puzzle files it reads.
#include "CommandRunner.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lexiglade::test {

// The library command; `settings` as RunProgram takes them.
CommandResult RunLibrary(const std::vector<std::string>& args,
                         const std::vector<std::string>& settings = {});

// Puts `text` in place of line `index` of the list.
void ReplaceLine(const std::string& list, std::size_t index, const std::string& text);

// The word lines of a puzzle file: WORDA<TAB>hint 0, WORDB<TAB>hint 1, ...
std::string WordLines(int count = 15, const std::string& hintStem = "hint ");

// A BMP file of one colour, 24 bits per pixel, bottom-up rows.
std::string Bitmap(int width, int height, std::uint8_t shade);

struct CommandTest : testing::Test {
    void SetUp() override;
    // Writes a file of the `files` folder; its path.
    std::string Write(const std::string& name, const std::string& text) const;

    TempFolder library; // "Puzzle 0" to "Puzzle 11" in "Folder 0", 15 words each
    TempFolder files;
};

} // namespace lexiglade::test
