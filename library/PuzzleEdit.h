#pragma once
// Changes to puzzles already filed: taking one out, renaming it, moving it to another folder.
// Each works under the library's lock and rewrites the catalogue lists and the folder tree all or
// nothing through the journal, read back before it is committed (FileChange); every other puzzle
// keeps its words, hints and best times.
#include "library/Append.h"

#include <filesystem>
#include <string>

namespace lexiglade {

// Takes out the puzzle that the title loads (the first line of "a8.asl" equal to it): its line of
// each catalogue list, and its lines of the folder tree unless another line of "a8.asl" holds the
// title too. Its bank lines stay, used by no puzzle. Returns where it was. "Puzzle \"%s\" is not in
// the library" when no line holds the title; a damaged library is refused as filing refuses it.
FiledPuzzle RemovePuzzle(const std::filesystem::path& dataDir, const std::string& title);

// Gives the puzzle the title `newTitle`, in "a8.asl" and on each of its tree lines. Refused ("The
// puzzle \"%s\" cannot be changed: ...") when another line of "a8.asl" holds its title too, when a
// puzzle has the new title already, or when the new title is empty, begins with a space or holds
// a control character.
FiledPuzzle RenamePuzzle(const std::filesystem::path& dataDir, const std::string& title,
                         const std::string& newTitle);

// Takes the puzzle's lines out of the folder tree and puts one last in the first folder named
// `folder`, or, when there is none, in a new folder of that name at the end (refused when that
// name is empty, begins with a space or holds a control character).
FiledPuzzle MovePuzzle(const std::filesystem::path& dataDir, const std::string& title,
                       const std::string& folder);

} // namespace lexiglade
