#include "PrintFixture.h"

#include "PuzzleSetup.h"

#include "platform/Printer.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace lexiglade::test {

namespace {

// 1 for "puzzle.pdf", n for "puzzle-n.pdf".
int JobNumber(const std::string& name) {
    static const QRegularExpression numbered(QStringLiteral("-(\\d+)\\.pdf$"));
    const QRegularExpressionMatch match = numbered.match(QString::fromStdString(name));
    return match.hasMatch() ? match.captured(1).toInt() : 1;
}

} // namespace

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
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return JobNumber(a) < JobNumber(b);
    });
    for (std::string& name : names) {
        name = folder_ / name;
    }
    return names;
}

QStringList RowsOf(const Grid& grid) {
    QStringList rows;
    for (int r = 0; r < GridRows; ++r) {
        QString row;
        for (int c = 0; c < GridColumns; ++c) {
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
