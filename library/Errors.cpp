#include "library/Errors.h"

#include "library/Latin1.h"

#include <filesystem>

namespace lexiglade {

void RaiseCannotOpen(const std::string& path) {
    throw LibraryError("Cannot open file " + path);
}

void RaiseCannotCreate(const std::string& path) {
    throw LibraryError("Cannot create file " + path);
}

void RaiseIndexOutOfBounds() {
    throw LibraryError("List index out of bounds");
}

void RaiseNotInteger(const std::string& text) {
    throw LibraryError("'" + Latin1ToUtf8(text) + "' is not a valid integer value");
}

void RaiseCannotRead(const std::string& path, const std::string& reason) {
    throw LibraryError("Cannot read file " + path + ": " + reason);
}

void RaiseCannotWrite(const std::string& path, const std::string& reason) {
    throw LibraryError("Cannot write file " + path + ": " + reason);
}

void RaiseFileLoadError() {
    throw LibraryError("File load error");
}

void RaiseLineTooLong() {
    throw LibraryError("Line too long");
}

void RaiseNotInLibrary(const std::string& title) {
    throw LibraryError("Puzzle \"" + Latin1ToUtf8(title) + "\" is not in the library");
}

void RaiseSymbolicLink(const std::string& path) {
    throw LibraryError("Cannot use file " + path + ": it is a symbolic link");
}

void RaiseNotPlainName(const std::string& name) {
    throw LibraryError("\"" + Latin1ToUtf8(name) +
                       "\" is not a plain file name of the library folder");
}

void RaiseListHoldsNul(const std::string& path) {
    throw LibraryError("The list " + path + " is damaged: it holds a NUL byte");
}

void RaiseListLengthDiffers(const std::string& path, std::size_t lines,
                            const std::string& masterPath, std::size_t masterLines) {
    throw LibraryError("The list " + path + " is damaged: it has " + std::to_string(lines) +
                       " lines where " + masterPath + " has " + std::to_string(masterLines));
}

void RaiseLibraryInUse() {
    throw LibraryError("The library is in use by another program; try again in a moment");
}

void RaiseCannotLockFolder(const std::string& folder, const std::string& reason) {
    throw LibraryError("Cannot write to the library folder " + folder + ": " + reason);
}

void RaiseJournalDamaged(const std::string& path) {
    const std::filesystem::path within = std::filesystem::path(path).remove_filename();
    const std::string folder = within.empty() ? "." : within.string();
    throw LibraryError("The library has a damaged filing record, " + path +
                       ", which was not acted on: after looking at it, set it aside with "
                       "\"lexiglade-library check --discard-journal " +
                       folder + "\" and file again");
}

void RaiseJournalUnresolved(const std::string& path, const std::string& changed) {
    throw LibraryError("The interrupted filing recorded in " + path +
                       " can be neither finished nor undone: " + changed + " has changed");
}

void RaiseBanksOutOfStep(const std::string& wordPath, std::size_t words,
                         const std::string& hintPath, std::size_t hints) {
    throw LibraryError("The banks " + wordPath + " and " + hintPath +
                       " are out of step: " + wordPath + " has " + std::to_string(words) +
                       " lines where " + hintPath + " has " + std::to_string(hints));
}

void RaiseNotFileable(const std::string& title, const std::string& reason) {
    throw LibraryError("The puzzle \"" + Latin1ToUtf8(title) + "\" cannot be filed: " + reason);
}

void RaiseNotChangeable(const std::string& title, const std::string& reason) {
    throw LibraryError("The puzzle \"" + Latin1ToUtf8(title) + "\" cannot be changed: " + reason);
}

void RaiseUnderNoFolder(const std::string& title) {
    throw LibraryError("The puzzle \"" + Latin1ToUtf8(title) + "\" is under no folder of the tree");
}

void RaiseFilingUnproven(const std::string& reason) {
    throw LibraryError(reason + " (found when the filing was read back before it was committed; "
                                "the library was left as it is)");
}

void RaiseTreeChanged(const std::string& path) {
    throw LibraryError("The folder list " + path +
                       " was changed by another program; please choose the folder again");
}

} // namespace lexiglade
