#pragma once
// The record, beside a player's library, of the shipped puzzles that it has been offered: a plain
// text file of their titles, one a line, in UTF-8.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace lexiglade {

inline constexpr const char* kOfferedRecord = "offered-puzzles.txt";

// The record's titles in Latin-1, as the library stores titles; none when there is no record.
// "Cannot open file %s" when it cannot be read.
std::optional<std::vector<std::string>> ReadOfferedRecord(const std::filesystem::path& dataDir);

// Replaces the record with these titles (Latin-1), in their order, atomically.
void WriteOfferedRecord(const std::filesystem::path& dataDir,
                        const std::vector<std::string>& titles);

} // namespace lexiglade
