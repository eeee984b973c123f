#include "library/Errors.h"

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
    throw LibraryError("'" + text + "' is not a valid integer value");
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
    throw LibraryError("Puzzle \"" + title + "\" is not in the library");
}

} // namespace lexiglade
