// Real prints through QPrinter into PDF files, read back with the poppler tools.
#include "PdfTools.h"
#include "PrintFixture.h"
#include "PuzzleSetup.h"

#include "engine/GridGenerator.h"
#include "platform/GdiError.h"
#include "platform/printer/Printer.h"
#include "print/PrintPage.h"

#include <QPrinter>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace lexiglade::test {

namespace {

QString Squeezed(const std::string& text) {
    return QString::fromStdString(text).remove(QRegularExpression(QStringLiteral("\\s")));
}

// The lines of 22 capitals: the printed grid's rows.
QStringList PrintedRows(const QString& text) {
    static const QRegularExpression row(QStringLiteral("^[A-Z]{22}$"));
    return SqueezedLines(text).filter(row);
}

using PdfPrint = PrintFixture;

TEST_F(PdfPrint, TwoCopiesIntoAFileAreTwoPagesOfOneDocument) {
    const ScreenPuzzle& state = OnScreen();
    PrintCopies({2, false}, Printed(false, {}));
    const std::vector<std::string> files = PrintedFiles();
    ASSERT_EQ(files, std::vector<std::string>{Output()});
    EXPECT_EQ(PdfPages(Output()), 2);
    EXPECT_EQ(PdfInfoField(Output(), QStringLiteral("Title")), QStringLiteral("TINYSLIP"));
    EXPECT_TRUE(IsPortrait(Output()));
    for (int page : {1, 2}) {
        SCOPED_TRACE(page);
        const QString text = PdfText(Output(), page);
        const QStringList lines = SqueezedLines(text);
        EXPECT_TRUE(lines.contains(Squeezed(state.LoadedPuzzle.title)));
        EXPECT_EQ(PrintedRows(text), RowsOf(GameGrids().LetterGrid));
        for (const std::string& hint : state.LoadedPuzzle.hints) {
            EXPECT_TRUE(lines.contains(Squeezed(hint))) << hint;
        }
    }
}

TEST_F(PdfPrint, UniqueCopiesHaveGridsOfTheirOwnAndLeaveTheGameAlone) {
    const ScreenPuzzle& state = OnScreen();
    const GridState before = GameGrids();
    const LoadedPuzzle puzzle = state.LoadedPuzzle;
    GameGrids().PrintGrid = PrintCopies({2, true}, Printed(false, {})).freshGrids.back();
    ASSERT_EQ(PdfPages(Output()), 2);
    const QStringList first = PrintedRows(PdfText(Output(), 1));
    const QStringList second = PrintedRows(PdfText(Output(), 2));
    ASSERT_EQ(first.size(), GridRows);
    EXPECT_NE(first, RowsOf(before.LetterGrid));
    EXPECT_NE(second, RowsOf(before.LetterGrid));
    EXPECT_NE(first, second);
    EXPECT_EQ(second, RowsOf(GameGrids().PrintGrid));
    EXPECT_EQ(GameGrids().LetterGrid, before.LetterGrid);
    EXPECT_EQ(GameGrids().PlacedWords, before.PlacedWords);
    EXPECT_EQ(GameGrids().LastWordIndex, before.LastWordIndex);
    EXPECT_EQ(state.LoadedPuzzle.words, puzzle.words);
    EXPECT_EQ(state.LoadedPuzzle.hints, puzzle.hints);
}

// The file chosen holds the last print alone, however many came before.
TEST_F(PdfPrint, EachPrintReplacesTheFileChosen) {
    for (int copies : {3, 1, 2}) {
        PrintCopies({copies, false}, Printed(false, {}));
        EXPECT_EQ(PrintedFiles(), std::vector<std::string>{Output()});
        EXPECT_EQ(PdfPages(Output()), copies);
    }
}

TEST_F(PdfPrint, LandscapeChosenInTheSetupStillPrintsPortrait) {
    DefaultPrinter().Device().setPageOrientation(QPageLayout::Landscape);
    PrintCopies({1, false}, Printed(false, {}));
    EXPECT_TRUE(IsPortrait(Output()));
}

// Text that leaves the page is not extracted, so each of these must lie on it whole.
TEST_F(PdfPrint, TitlesAndHintsOfAnyLengthArePrintedWhole) {
    ScreenPuzzle& state = OnScreen();
    std::string title;
    std::string hint;
    for (int i = 0; title.size() < 300; ++i) {
        title += "Title" + std::to_string(i) + " ";
    }
    for (int i = 0; hint.size() < 400; ++i) {
        hint += "hint" + std::to_string(i) + " ";
    }
    state.LoadedPuzzle.title = title;
    state.LoadedPuzzle.hints[3] = hint;
    PrintCopies({1, false}, Printed(false, {}));
    const std::vector<std::string> files = PrintedFiles();
    ASSERT_EQ(files.size(), 1u);
    const QString text = Squeezed(PdfRawText(files[0]).toStdString());
    EXPECT_TRUE(text.contains(Squeezed(title))) << text.toStdString();
    EXPECT_TRUE(text.contains(Squeezed(hint)));
    EXPECT_TRUE(text.contains(Squeezed(state.LoadedPuzzle.hints[4])));
}

TEST_F(PdfPrint, TextHintsStandOneBelowAnotherAtPitchQ) {
    ScreenPuzzle& state = OnScreen();
    state.LoadedPuzzle.hints = SampleHints(25);
    state.LoadedPuzzle.words = SampleWords(25);
    GameGrids() = GenerateGrid(state.LoadedPuzzle.words, true);
    PrintCopies({1, false}, Printed(false, {}));
    const std::vector<std::string> files = PrintedFiles();
    ASSERT_EQ(files.size(), 1u);
    const QString boxes =
        RunTool(QStringLiteral("pdftotext"),
                {QStringLiteral("-bbox"), QString::fromStdString(files[0]), QStringLiteral("-")});
    static const QRegularExpression clue(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>Clue</word>"));
    std::vector<double> tops;
    for (const QRegularExpressionMatch& match : clue.globalMatch(boxes)) {
        tops.push_back(match.captured(2).toDouble());
    }
    ASSERT_EQ(tops.size(), 25u);
    QPrinter& device = DefaultPrinter().Device();
    const double q = (device.width() / 2 / 21) * 72.0 / device.resolution();
    for (std::size_t k = 1; k < tops.size(); ++k) {
        EXPECT_NEAR(tops[k] - tops[k - 1], q, 0.2) << "hint " << k;
    }
}

TEST_F(PdfPrint, AFileThatCannotBeWrittenFailsBeforeAnyJobStarts) {
    DefaultPrinter().SelectFile(QStringLiteral("/nonexistent-folder/puzzle.pdf"));
    try {
        PrintCopies({1, false}, Printed(false, {}));
        FAIL() << "printed into a missing folder";
    } catch (const PlatformError& error) {
        EXPECT_STREQ(error.what(), "Cannot create file /nonexistent-folder/puzzle.pdf");
    }
    EXPECT_FALSE(DefaultPrinter().Printing());
    DefaultPrinter().SelectFile(QString::fromStdString(Output()));
    PrintCopies({1, false}, Printed(false, {}));
    EXPECT_EQ(PrintedFiles(), std::vector<std::string>{Output()});
}

} // namespace

} // namespace lexiglade::test
