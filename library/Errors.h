#pragma once
// Errors of the library files. Their texts are shown by the general error box as they stand: UTF-8,
// the library text they quote (titles, list lines, names) converted from Latin-1.
#include <cstddef>
#include <stdexcept>
#include <string>

namespace lexiglade {

class LibraryError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void RaiseCannotOpen(const std::string& path);   // "Cannot open file %s"
[[noreturn]] void RaiseCannotCreate(const std::string& path); // "Cannot create file %s"
[[noreturn]] void RaiseIndexOutOfBounds();                    // "List index out of bounds"
[[noreturn]] void RaiseNotInteger(const std::string& text);   // "'%s' is not a valid integer value"

// "Cannot read file %s: reason", for a read that fails after the file was opened.
[[noreturn]] void RaiseCannotRead(const std::string& path, const std::string& reason);
// "Cannot write file %s: reason", for a replacement that fails after its temporary file exists.
[[noreturn]] void RaiseCannotWrite(const std::string& path, const std::string& reason);
[[noreturn]] void RaiseFileLoadError(); // "File load error"
[[noreturn]] void RaiseLineTooLong();   // "Line too long"
// "Puzzle \"%s\" is not in the library", for a tree title that the title list lacks.
[[noreturn]] void RaiseNotInLibrary(const std::string& title);

// "Cannot use file %s: it is a symbolic link", for a file the library neither reads nor writes
// through a link.
[[noreturn]] void RaiseSymbolicLink(const std::string& path);
// "\"%s\" is not a plain file name of the library folder", for a name from the library's lists or a
// hint that would reach outside its folder.
[[noreturn]] void RaiseNotPlainName(const std::string& name);
// "The list %s is damaged: it holds a NUL byte".
[[noreturn]] void RaiseListHoldsNul(const std::string& path);
// "The list %s is damaged: it has N lines where %s has M".
[[noreturn]] void RaiseListLengthDiffers(const std::string& path, std::size_t lines,
                                         const std::string& masterPath, std::size_t masterLines);
// "The library is in use by another program; try again in a moment"
[[noreturn]] void RaiseLibraryInUse();
// "Cannot write to the library folder %s: reason", when its lock file cannot be made.
[[noreturn]] void RaiseCannotLockFolder(const std::string& folder, const std::string& reason);
// "The library has a damaged filing record, %s, which was not acted on: after looking at it, set
// it aside with \"lexiglade-library check --discard-journal FOLDER\" and file again".
[[noreturn]] void RaiseJournalDamaged(const std::string& path);
// "The interrupted filing recorded in %s can be neither finished nor undone: %s has changed".
[[noreturn]] void RaiseJournalUnresolved(const std::string& path, const std::string& changed);
// "The banks %s and %s are out of step: %s has N lines where %s has M".
[[noreturn]] void RaiseBanksOutOfStep(const std::string& wordPath, std::size_t words,
                                      const std::string& hintPath, std::size_t hints);
// "The puzzle \"%s\" cannot be filed: %s", for a puzzle the library cannot hold or the game
// could not play.
[[noreturn]] void RaiseNotFileable(const std::string& title, const std::string& reason);
// "The puzzle \"%s\" cannot be changed: %s", for a removal, renaming or move the library refuses.
[[noreturn]] void RaiseNotChangeable(const std::string& title, const std::string& reason);
// "The puzzle \"%s\" is under no folder of the tree".
[[noreturn]] void RaiseUnderNoFolder(const std::string& title);
// "%s (found when the filing was read back before it was committed; the library was left as it
// is)", refusing a filing whose new files do not hold what it planned.
[[noreturn]] void RaiseFilingUnproven(const std::string& reason);
// "The folder list %s was changed by another program; please choose the folder again".
[[noreturn]] void RaiseTreeChanged(const std::string& path);

} // namespace lexiglade
