// Printing from the puzzle screen itself: its print hotspot, the print dialog, and the copies with
// their answer keys, on a machine with no printer.
#include "GameFixture.h"
#include "PdfTools.h"
#include "PrintedGrid.h"
#include "PrivateHome.h"

#include "platform/printer/Printer.h"
#include "print/Printdlg.h"
#include "ui/GameContext.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace lexiglade::test {

namespace {

struct Order {
    int copies;
    bool unique;
    bool keys;
};

class PuzzleScreenPrint : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        DefaultPrinter().SelectFile(QString());
        ASSERT_FALSE(DefaultPrinter().HasDestination());
    }

    // A press of `button` on the print hotspot, the dialog filled in as `order` says and confirmed;
    // returns the boxes shown meanwhile.
    std::vector<SeenBox> PressPrint(Qt::MouseButton button, Order order) {
        answerer.ClearBoxes();
        answerer.OnDialog([order](QWidget* dialog) {
            auto* form = qobject_cast<Tprndlg*>(dialog);
            ASSERT_NE(form, nullptr);
            form->Edit1->setText(QString::number(order.copies));
            form->CheckBox1->setChecked(order.unique);
            form->CheckBox2->setChecked(order.keys);
            form->OKBtn->click();
        });
        const QPoint hotspot(form->BoardLeft + form->BoardWidth - 80,
                             form->BoardTop + form->BoardHeight + 10);
        Click(button, hotspot);
        return answerer.Boxes();
    }

    // The circles of a key page, as lines of cells.
    std::multiset<CellLine> Circles(const std::string& pdf, int page, const PrintedGrid& grid) {
        std::multiset<CellLine> lines;
        for (const auto& line : CircledLines(grid, StrokedOutlines(pdf, home.Path(), page))) {
            EXPECT_TRUE(line.has_value()) << "page " << page;
            if (line) {
                lines.insert(*line);
            }
        }
        return lines;
    }

    PrivateHome home;
};

TEST_F(PuzzleScreenPrint, KeysOfTheGridOnScreenAndOfUniqueGridsGoToTheDocumentsFolder) {
    OpenGame(SavannaPuzzle());
    Drag(Word(0).start, Word(0).end);
    ASSERT_EQ(form->Combo1->count(), 4);
    const QImage screen = Screen();
    const GridState game = form->Session.Grids();
    const QStringList hints = ComboTexts(*form->Combo1);

    const std::string first = home.Documents() + "/Savanna.pdf";
    std::vector<SeenBox> boxes = PressPrint(Qt::LeftButton, {2, false, true});
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Click OK to print!"));
    EXPECT_TRUE(boxes[1].text.endsWith(QString::fromStdString(first)))
        << boxes[1].text.toStdString();
    ASSERT_EQ(PdfPages(first), 4);
    EXPECT_EQ(context.State.CopyCount, 2) << "the screen keeps the dialog's answer";
    EXPECT_FALSE(context.State.UniqueCopies);
    std::multiset<CellLine> hidden;
    for (const PlacedWord& word : game.PlacedWords) {
        hidden.insert(LineOf(word));
    }
    for (int page : {2, 4}) {
        SCOPED_TRACE(page);
        const PrintedGrid key = ReadPrintedGrid(PdfWords(first, page));
        ASSERT_TRUE(key.complete);
        EXPECT_EQ(key.letters, game.LetterGrid);
        EXPECT_EQ(Circles(first, page, key), hidden);
    }
    // The game goes on as it was: its grid, its found word and the hints left.
    EXPECT_EQ(Screen(), screen);
    EXPECT_EQ(form->Session.Grids().LetterGrid, game.LetterGrid);
    EXPECT_EQ(form->Session.Grids().PlacedWords, game.PlacedWords);
    EXPECT_EQ(ComboTexts(*form->Combo1), hints);

    // A right press prints too; the earlier file stays as it was.
    const std::string firstBytes = ReadBytes(first);
    const std::string second = home.Documents() + "/Savanna (2).pdf";
    boxes = PressPrint(Qt::RightButton, {1, true, true});
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[1].text.endsWith(QString::fromStdString(second)));
    EXPECT_EQ(ReadBytes(first), firstBytes);
    ASSERT_EQ(PdfPages(second), 2);
    EXPECT_EQ(context.State.CopyCount, 1);
    EXPECT_TRUE(context.State.UniqueCopies);
    const PrintedGrid puzzle = ReadPrintedGrid(PdfWords(second, 1));
    const PrintedGrid key = ReadPrintedGrid(PdfWords(second, 2));
    ASSERT_TRUE(key.complete);
    EXPECT_EQ(key.letters, puzzle.letters);
    EXPECT_NE(key.letters, game.LetterGrid);
    std::vector<std::string> circled;
    for (const CellLine& line : Circles(second, 2, key)) {
        std::string text = ReadAlong(key.letters, line);
        const std::string reversed(text.rbegin(), text.rend());
        circled.push_back(std::min(text, reversed));
    }
    std::vector<std::string> words;
    for (std::string word : form->Puzzle().words) {
        const std::string reversed(word.rbegin(), word.rend());
        words.push_back(std::min(word, reversed));
    }
    std::sort(circled.begin(), circled.end());
    std::sort(words.begin(), words.end());
    EXPECT_EQ(circled, words);
    EXPECT_EQ(Screen(), screen);
    EXPECT_EQ(form->Session.Grids().LetterGrid, game.LetterGrid);
}

// The printer-setup hotspot takes any button, like the print and End hotspots; the game goes on.
TEST_F(PuzzleScreenPrint, TheSetupHotspotOpensThePrinterSetupForAnyButton) {
    OpenGame(SavannaPuzzle());
    const QPoint hotspot(form->BoardLeft + form->BoardWidth - 130,
                         form->BoardTop + form->BoardHeight + 10);
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    int seen = 0;
    QStringList captions;
    answerer.OnDialog([&](QDialog* dialog) {
        captions << dialog->windowTitle();
        qobject_cast<QDialog*>(dialog)->reject();
    });
    for (const Qt::MouseButton button : buttons) {
        SCOPED_TRACE(button);
        Click(button, hotspot);
        EXPECT_EQ(answerer.DialogsSeen(), ++seen);
        EXPECT_FALSE(form.isNull() || form->Session.GameOver());
    }
    EXPECT_EQ(captions, QStringList(3, QStringLiteral("Print Setup")));
    EXPECT_TRUE(answerer.Boxes().empty());
}

// The hotspots' keys, from the board or the hint list, run the hotspots' own actions, and each
// hotspot's tooltip names them. A key typed while a box is open reaches the box only.
TEST_F(PuzzleScreenPrint, TheHotspotsKeysRunTheirActionsAndTheirTooltipsNameThem) {
    OpenGame(SavannaPuzzle());
    const QPoint corner(form->BoardLeft + form->BoardWidth, form->BoardTop + form->BoardHeight);
    struct Case {
        QKeyCombination keys;
        const char* dialog;
        QPoint hotspot; // from the board's bottom-right corner
        const char* tip;
    };
    const Case cases[] = {
        {Qt::CTRL | Qt::Key_P, "Print", {-80, 10}, "Print the puzzle (Ctrl+P)"},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_P,
         "Print Setup",
         {-130, 10},
         "Set up the printer (Ctrl+Shift+P)"},
        {Qt::CTRL | Qt::Key_Q, nullptr, {20, 10}, "End the game (Ctrl+W or Ctrl+Q)"},
    };
    QStringList captions;
    answerer.OnDialog([&](QDialog* dialog) {
        captions << dialog->windowTitle();
        QTest::keyClick(form->windowHandle(), Qt::Key_W, Qt::ControlModifier); // not to the game
        dialog->reject();
    });
    for (const Case& c : cases) {
        QHelpEvent help(QEvent::ToolTip, corner + c.hotspot, form->mapToGlobal(corner + c.hotspot));
        QApplication::sendEvent(form.data(), &help);
        EXPECT_EQ(QToolTip::text(), QString::fromLatin1(c.tip));
        // From the hint list and from the board; the game ends only once.
        for (const bool onList : {true, false}) {
            if (form.isNull()) {
                break;
            }
            form->activateWindow(); // as the window manager does once a dialog has closed
            ASSERT_TRUE(QTest::qWaitForWindowActive(form.data()));
            (onList ? static_cast<QWidget*>(form->Combo1) : form.data())->setFocus();
            captions.clear();
            QTest::keyClick(form->windowHandle(), c.keys.key(), c.keys.keyboardModifiers());
            EXPECT_EQ(captions, c.dialog ? QStringList{c.dialog} : QStringList());
            EXPECT_EQ(Released(), c.dialog == nullptr) << "the game ends by its keys only";
        }
    }
    EXPECT_TRUE(answerer.Boxes().empty());
}

} // namespace

} // namespace lexiglade::test
