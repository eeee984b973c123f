#pragma once
// Where a print goes when there is no printer: a PDF file of its own in the player's documents
// folder, named after the puzzle, never over an earlier one.
#include <QString>

#include <string>

namespace lexiglade {

// The file name for a puzzle's title (bytes taken as Latin-1): every character that a file name
// may not hold here or on other systems becomes '_', blanks and dots at either end go, an empty
// name becomes "Puzzle", at most 100 characters are kept, and ".pdf" follows.
QString PdfNameFor(const std::string& title);

// The player's documents folder, made when it is missing; the home folder when there is none.
QString DocumentsFolder();

// A new, empty file reserved in `folder` under `name` ("Title.pdf"), or when that exists under the
// first free "Title (2).pdf", "Title (3).pdf" and so on. Removed again unless kept, so that a
// print that fails leaves nothing behind. "Cannot create file %s" when none can be made.
class ReservedFile {
  public:
    ReservedFile(const QString& folder, const QString& name);
    ~ReservedFile();
    ReservedFile(const ReservedFile&) = delete;
    ReservedFile& operator=(const ReservedFile&) = delete;

    const QString& Path() const { return path_; }
    void Keep() { kept_ = true; }

  private:
    QString path_;
    bool kept_ = false;
};

} // namespace lexiglade
