#pragma once
// A puzzle on screen and the printer of the run writing PDF files into a private folder.
#include "TempFolder.h"

#include "engine/Grid.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

// Failure messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace lexiglade::test {

class PrintFixture : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The PDF files in the fixture's folder, by name.
    std::vector<std::string> PrintedFiles() const;
    std::string Output() const { return folder_ / "puzzle.pdf"; }
    const TempFolder& Folder() const { return folder_; }

  private:
    TempFolder folder_;
};

// The 15 rows of the grid, each as its 22 letters.
QStringList RowsOf(const Grid& grid);
// True when every row is a line of the squeezed text, in order.
bool HasRows(const QStringList& squeezedLines, const QStringList& rows);

} // namespace lexiglade::test
