#pragma once
// Errors of the library files. Their texts are shown by the general error box as they stand.
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

} // namespace lexiglade
