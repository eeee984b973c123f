#include "PrintFixture.h"

#include "PuzzleSetup.h"

#include "platform/printer/Printer.h"

#include <QFileInfo>

#include <algorithm>

namespace lexiglade::test {

void PrintFixture::SetUp() {
    LoadPuzzle("Animals of the World", SampleWords(15), SampleHints(15));
    DefaultPrinter().SelectFile(QString::fromStdString(Output()));
}

void PrintFixture::TearDown() {
    DefaultPrinter().SelectFile(QString());
}

std::vector<std::string> PrintFixture::PrintedFiles() const {
    std::vector<std::string> names;
    for (const std::string& name : FolderEntries(folder_.Path())) {
        if (QFileInfo(QString::fromStdString(name)).suffix() == QStringLiteral("pdf")) {
            names.push_back(name);
        }
    }
    for (std::string& name : names) {
        name = folder_ / name;
    }
    return names;
}

QStringList RowsOf(const Grid& grid) {
    QStringList rows;
    for (int r = 0; r < kGridRows; ++r) {
        QString row;
        for (int c = 0; c < kGridColumns; ++c) {
            row += QChar::fromLatin1(grid.at({c, r}));
        }
        rows.push_back(row);
    }
    return rows;
}

bool HasRows(const QStringList& squeezedLines, const QStringList& rows) {
    auto at = squeezedLines.begin();
    for (const QString& row : rows) {
        at = std::find(at, squeezedLines.end(), row);
        if (at == squeezedLines.end()) {
            return false;
        }
    }
    return true;
}

} // namespace lexiglade::test
