// The answer key: each copy followed by a page that circles every hidden word of that copy's grid
// and gives each hint its word, read back from the printed PDF.
#include "PdfTools.h"
#include "PrintFixture.h"
#include "PrintedGrid.h"
#include "PuzzleSetup.h"

#include "platform/printer/Printer.h"
#include "print/PrintPage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace lexiglade::test {

namespace {

std::string Upper(std::string text) {
    for (char& ch : text) {
        ch = static_cast<char>(ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch);
    }
    return text;
}

// The words of the page's first line of text, the title, joined by blanks.
QString TitleLine(const std::vector<PdfWord>& words) {
    QStringList title;
    for (const PdfWord& word : words) {
        if (std::abs(word.box.top() - words.front().box.top()) < 0.5) {
            title << word.text;
        }
    }
    return title.join(' ');
}

// The words on the line that begins with `first`, left to right, leaving `first` out.
QStringList LineAfter(const std::vector<PdfWord>& words, const PdfWord& first) {
    std::vector<const PdfWord*> line;
    for (const PdfWord& word : words) {
        if (std::abs(word.box.top() - first.box.top()) < 0.5 &&
            word.box.left() > first.box.left()) {
            line.push_back(&word);
        }
    }
    std::sort(line.begin(), line.end(),
              [](const PdfWord* a, const PdfWord* b) { return a->box.left() < b->box.left(); });
    QStringList texts;
    for (const PdfWord* word : line) {
        texts << word->text;
    }
    return texts;
}

// Each outline of the page as the line of cells it circles; a failure for any that circles none.
std::multiset<CellLine> KeyLines(const std::string& pdf, const std::string& folder, int page,
                                 const PrintedGrid& grid) {
    std::multiset<CellLine> lines;
    for (const std::optional<CellLine>& line :
         CircledLines(grid, StrokedOutlines(pdf, folder, page))) {
        EXPECT_TRUE(line.has_value()) << "an outline on page " << page << " circles no word";
        if (line) {
            lines.insert(*line);
        }
    }
    return lines;
}

using AnswerKey = PrintFixture;

TEST_F(AnswerKey, EachCopyIsFollowedByItsKeyCirclingTheWordsWhereTheGameHidThem) {
    const ScreenPuzzle& state = OnScreen();
    const std::string plain = Folder() / "plain.pdf";
    DefaultPrinter().SelectFile(QString::fromStdString(plain));
    PrintCopies({1, false, false}, Printed(false, {}));
    DefaultPrinter().SelectFile(QString::fromStdString(Output()));
    PrintCopies({2, false, true}, Printed(false, {}));
    ASSERT_EQ(PdfPages(Output()), 4);

    std::multiset<CellLine> hidden;
    for (const PlacedWord& word : GameGrids().PlacedWords) {
        hidden.insert(LineOf(word));
    }
    for (int page : {1, 3}) {
        SCOPED_TRACE(page);
        EXPECT_EQ(PdfWords(Output(), page), PdfWords(plain, 1));
        EXPECT_TRUE(StrokedOutlines(Output(), Folder().Path(), page).empty());
    }
    for (int page : {2, 4}) {
        SCOPED_TRACE(page);
        const std::vector<PdfWord> words = PdfWords(Output(), page);
        ASSERT_FALSE(words.empty());
        EXPECT_EQ(TitleLine(words), QStringLiteral("Animals of the World (answers)"));
        const PrintedGrid grid = ReadPrintedGrid(words);
        ASSERT_TRUE(grid.complete);
        EXPECT_EQ(grid.letters, GameGrids().LetterGrid);
        EXPECT_EQ(KeyLines(Output(), Folder().Path(), page, grid), hidden);
        // Every hint whole, its word at the end of its line.
        int hints = 0;
        for (const PdfWord& word : words) {
            if (word.text != QStringLiteral("Clue")) {
                continue;
            }
            const QStringList line = LineAfter(words, word);
            const int k = line.value(0).toInt() - 1;
            ASSERT_GE(k, 0);
            ASSERT_LT(k, static_cast<int>(state.LoadedPuzzle.words.size()));
            EXPECT_EQ(
                QStringLiteral("Clue ") + line.mid(0, line.size() - 1).join(' '),
                QString::fromStdString(state.LoadedPuzzle.hints[static_cast<std::size_t>(k)]));
            EXPECT_EQ(line.value(line.size() - 1).toStdString(),
                      Upper(state.LoadedPuzzle.words[static_cast<std::size_t>(k)]));
            ++hints;
        }
        EXPECT_EQ(hints, 15);
    }
}

// Without a table of where a copy's words lie, each circle must read one of the puzzle's words in
// the copy's own grid, forwards or back to front, and every word must be circled once.
TEST_F(AnswerKey, UniqueCopiesEachHaveTheKeyOfTheirOwnGrid) {
    const ScreenPuzzle& state = OnScreen();
    const GridState before = GameGrids();
    constexpr int kCopies = 3;
    PrintCopies({kCopies, true, true}, Printed(false, {}));
    ASSERT_EQ(PdfPages(Output()), 2 * kCopies);
    std::vector<std::string> expectedWords;
    for (const std::string& word : state.LoadedPuzzle.words) {
        expectedWords.push_back(Upper(word));
    }
    std::sort(expectedWords.begin(), expectedWords.end());
    std::set<std::multiset<CellLine>> keys;
    for (int copy = 0; copy < kCopies; ++copy) {
        SCOPED_TRACE(copy);
        const PrintedGrid puzzle = ReadPrintedGrid(PdfWords(Output(), 2 * copy + 1));
        const PrintedGrid key = ReadPrintedGrid(PdfWords(Output(), 2 * copy + 2));
        ASSERT_TRUE(puzzle.complete);
        ASSERT_TRUE(key.complete);
        EXPECT_EQ(key.letters, puzzle.letters);
        EXPECT_NE(key.letters, before.LetterGrid);
        const std::multiset<CellLine> lines =
            KeyLines(Output(), Folder().Path(), 2 * copy + 2, key);
        std::vector<std::string> circled;
        for (const CellLine& line : lines) {
            std::string text = ReadAlong(key.letters, line);
            if (!std::binary_search(expectedWords.begin(), expectedWords.end(), text)) {
                std::reverse(text.begin(), text.end());
            }
            circled.push_back(text);
        }
        std::sort(circled.begin(), circled.end());
        EXPECT_EQ(circled, expectedWords);
        keys.insert(lines);
    }
    EXPECT_EQ(keys.size(), static_cast<std::size_t>(kCopies));
    EXPECT_EQ(GameGrids().LetterGrid, before.LetterGrid);
    EXPECT_EQ(GameGrids().PlacedWords, before.PlacedWords);
}

} // namespace

} // namespace lexiglade::test
