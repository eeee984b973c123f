// Selections made without a drag: click, then click; and the keyboard's cell cursor.
#include "GameFixture.h"

#include "engine/SelectionInput.h"
#include "ui/GameContext.h"
#include "ui/HintCombo.h"

#include <QComboBox>
#include <QTest>

#include <algorithm>
#include <string>

namespace lexiglade::test {
namespace {

QRect Around(QPoint a, QPoint b) {
    return QRect(a, b).normalized().adjusted(-12, -12, 12, 12);
}

// The hint of a placed word, found through its text in reading order.
QString HintOf(const LoadedPuzzle& puzzle, const PlacedWord& word) {
    std::string text = word.text;
    if (word.reversed) {
        std::reverse(text.begin(), text.end());
    }
    const auto at = std::find(puzzle.words.begin(), puzzle.words.end(), text);
    return QString::fromStdString(puzzle.hints.at(at - puzzle.words.begin()));
}

// One cell along a placed word, from its first letter towards its last.
Cell StepOf(const PlacedWord& w) {
    return {(w.end.column > w.start.column) - (w.end.column < w.start.column),
            (w.end.row > w.start.row) - (w.end.row < w.start.row)};
}

class PlayWithoutDragTest : public GameTest {
  protected:
    // A savanna game in which one word is written back to front and one is not; returns their
    // indices.
    std::pair<std::size_t, std::size_t> OpenGameWithAReversedWord() {
        for (std::uint32_t seed = 7; seed < 60; ++seed) {
            OpenGame(SavannaPuzzle(), seed);
            const auto& words = form->Session.Grids().PlacedWords;
            const auto reversed = std::find_if(words.begin(), words.end(),
                                               [](const PlacedWord& w) { return w.reversed; });
            const auto forward = std::find_if(words.begin(), words.end(),
                                              [](const PlacedWord& w) { return !w.reversed; });
            if (reversed != words.end() && forward != words.end()) {
                return {static_cast<std::size_t>(forward - words.begin()),
                        static_cast<std::size_t>(reversed - words.begin())};
            }
        }
        ADD_FAILURE() << "no seed hides a reversed word";
        return {0, 0};
    }

    // A key pressed where the keyboard focus is on the puzzle screen.
    void Key(Qt::Key key) {
        QWidget* target = form->focusWidget() != nullptr ? form->focusWidget() : form.data();
        QTest::keyClick(target, key);
    }

    // Arrow keys, columns first, until the cursor is on `cell`.
    void CursorTo(Cell cell) {
        for (int i = 0; i < 40 && form->Input.Cursor().column < cell.column; ++i) {
            Key(Qt::Key_Right);
        }
        for (int i = 0; i < 40 && form->Input.Cursor().column > cell.column; ++i) {
            Key(Qt::Key_Left);
        }
        for (int i = 0; i < 40 && form->Input.Cursor().row < cell.row; ++i) {
            Key(Qt::Key_Down);
        }
        for (int i = 0; i < 40 && form->Input.Cursor().row > cell.row; ++i) {
            Key(Qt::Key_Up);
        }
        ASSERT_EQ(form->Input.Cursor(), cell);
    }

    // Moves with no button held, in four steps from one cell to another.
    void Hover(Cell from, Cell to) {
        const QPoint start = CellPoint(from);
        const QPoint end = CellPoint(to);
        for (int i = 1; i <= 4; ++i) {
            QTest::mouseMove(form.data(), start + (end - start) * i / 4);
        }
    }

    void ClickThenClick(Cell from, Cell to) {
        Click(Qt::LeftButton, CellPoint(from));
        Hover(from, to);
        Click(Qt::LeftButton, CellPoint(to));
    }

    // The selection has ended on `word`: its hint is gone, `left` remain, its capsule is drawn.
    void ExpectFound(const PlacedWord& word, int left) {
        EXPECT_FALSE(form->Session.Selection().SelectionActive);
        EXPECT_EQ(form->Combo1->count(), left);
        EXPECT_LT(form->Combo1->findText(HintOf(SavannaPuzzle(), word)), 0);
        EXPECT_GT(FoundPixels(word), 40);
    }

    int FoundPixels(const PlacedWord& w) const {
        return CountPixels(Screen(), Around(CellPoint(w.start), CellPoint(w.end)), kFoundColour);
    }
};

TEST_F(PlayWithoutDragTest, ClickThenClickFindsForwardAndReversedWords) {
    const auto [forward, reversed] = OpenGameWithAReversedWord();
    const PlacedWord f = Word(forward);
    const PlacedWord r = Word(reversed);
    struct Case {
        const char* what;
        PlacedWord word;
        Cell from, to;
    };
    const Case cases[] = {
        {"forward word, first letter to last", f, f.start, f.end},
        {"reversed word, first letter as read to last", r, r.end, r.start},
    };
    int left = 5;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QImage before = Screen();
        Click(Qt::LeftButton, CellPoint(c.from));
        ASSERT_TRUE(form->Session.Selection().SelectionActive)
            << "the click leaves the selection open";
        EXPECT_EQ(form->Input.Hold(), SelectionHold::Pointer);
        EXPECT_FALSE(Screen() == before) << "its circle stays";
        Hover(c.from, c.to);
        EXPECT_EQ(form->Session.Selection().RubberX, CellPoint(c.to).x())
            << "the band follows the pointer";
        EXPECT_EQ(form->Session.Selection().RubberY, CellPoint(c.to).y());
        Click(Qt::LeftButton, CellPoint(c.to));
        ExpectFound(c.word, --left);
    }
    EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(PlayWithoutDragTest, ClickThenClickMissesAndCancelsLeaveNoMark) {
    OpenGame(SavannaPuzzle());
    const PlacedWord w = Word(1);
    const Cell d = StepOf(w);
    const Cell short1{w.end.column - d.column, w.end.row - d.row};
    enum class Finish { LeftClick, RightClick, Escape };
    struct Case {
        const char* what;
        Cell to;
        Finish finish;
    };
    const Case cases[] = {
        {"end one short", short1, Finish::LeftClick},
        {"one cell", w.start, Finish::LeftClick},
        {"right click", w.end, Finish::RightClick},
        {"Escape", w.end, Finish::Escape},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QImage before = Screen();
        Click(Qt::LeftButton, CellPoint(w.start));
        Hover(w.start, c.to);
        switch (c.finish) {
        case Finish::LeftClick:
            Click(Qt::LeftButton, CellPoint(c.to));
            break;
        case Finish::RightClick:
            Click(Qt::RightButton, CellPoint(c.to));
            break;
        case Finish::Escape:
            QTest::keyClick(form.data(), Qt::Key_Escape);
            break;
        }
        EXPECT_FALSE(form->Session.Selection().SelectionActive);
        EXPECT_EQ(form->Input.Hold(), SelectionHold::None);
        EXPECT_TRUE(Screen() == before) << "the band is erased and nothing is marked";
        Hover(c.to, w.end);
        EXPECT_TRUE(Screen() == before) << "no band follows the pointer any more";
        EXPECT_EQ(form->Combo1->count(), 5);
    }
    EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(PlayWithoutDragTest, ClicksAndDragsMix) {
    OpenGame(SavannaPuzzle());
    const std::vector<PlacedWord> words = form->Session.Grids().PlacedWords;
    Drag(words[0].start, words[0].end);
    EXPECT_EQ(form->Combo1->count(), 4);
    ClickThenClick(words[1].end, words[1].start);
    EXPECT_EQ(form->Combo1->count(), 3);

    // A press that trembles within the dead zone is a click; the press that ends it may drag on.
    const QPoint start = CellPoint(words[2].start);
    QTest::mousePress(form.data(), Qt::LeftButton, {}, start);
    QTest::mouseMove(form.data(), start + QPoint(3, 2));
    QTest::mouseRelease(form.data(), Qt::LeftButton, {}, start + QPoint(4, -3));
    ASSERT_EQ(form->Input.Hold(), SelectionHold::Pointer);
    Hover(words[2].start, words[2].end);
    const QPoint end = CellPoint(words[2].end);
    QTest::mousePress(form.data(), Qt::LeftButton, {}, end);
    EXPECT_EQ(form->Combo1->count(), 2) << "the press ends the open selection";
    const QImage ended = Screen();
    QTest::mouseMove(form.data(), end + QPoint(40, 30));
    QTest::mouseRelease(form.data(), Qt::LeftButton, {}, end + QPoint(40, 30));
    EXPECT_FALSE(form->Session.Selection().SelectionActive);
    EXPECT_TRUE(Screen() == ended);

    Drag(words[3].end, words[3].start);
    EXPECT_EQ(form->Combo1->count(), 1);
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_GT(FoundPixels(words[k]), 40) << k;
    }
    EXPECT_EQ(FoundPixels(words[4]), 0);
    EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(PlayWithoutDragTest, KeysFindForwardAndReversedWords) {
    const auto [forward, reversed] = OpenGameWithAReversedWord();
    const PlacedWord f = Word(forward);
    const PlacedWord r = Word(reversed);
    struct Case {
        const char* what;
        PlacedWord word;
        Cell from, to;
        Qt::Key anchor, end;
    };
    const Case cases[] = {
        {"forward word", f, f.start, f.end, Qt::Key_Space, Qt::Key_Return},
        {"reversed word, as read", r, r.end, r.start, Qt::Key_Return, Qt::Key_Enter},
    };
    int left = 5;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CursorTo(c.from);
        const QImage before = Screen();
        Key(c.anchor);
        ASSERT_TRUE(form->Session.Selection().SelectionActive);
        EXPECT_EQ(form->Input.Hold(), SelectionHold::Cursor);
        EXPECT_EQ(form->Session.Selection().AnchorX, CellPoint(c.from).x());
        EXPECT_EQ(form->Session.Selection().AnchorY, CellPoint(c.from).y());
        EXPECT_FALSE(Screen() == before) << "the circle appears";
        CursorTo(c.to);
        EXPECT_EQ(form->Session.Selection().RubberX, CellPoint(c.to).x())
            << "the band follows the cursor";
        EXPECT_EQ(form->Session.Selection().RubberY, CellPoint(c.to).y());
        QTest::mouseMove(form.data(), CellPoint(c.from) + QPoint(0, 40));
        EXPECT_EQ(form->Session.Selection().RubberX, CellPoint(c.to).x()) << "not the pointer";
        Key(c.end);
        ExpectFound(c.word, --left);
    }
    EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(PlayWithoutDragTest, KeyMissesAndCancelsLeaveNoMark) {
    OpenGame(SavannaPuzzle());
    const PlacedWord w = Word(2);
    const Cell d = StepOf(w);
    struct Case {
        const char* what;
        Cell to;
        Qt::Key finish;
    };
    const Case cases[] = {
        {"end one past", {w.end.column + d.column, w.end.row + d.row}, Qt::Key_Space},
        {"one cell", w.start, Qt::Key_Return},
        {"Escape", w.end, Qt::Key_Escape},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(Grid::Contains(c.to));
        CursorTo(w.start);
        const QImage before = Screen();
        Key(Qt::Key_Space);
        CursorTo(c.to);
        CursorTo(w.start); // the cursor's own way back leaves nothing behind
        CursorTo(c.to);
        Key(c.finish);
        EXPECT_FALSE(form->Session.Selection().SelectionActive);
        CursorTo(w.start);
        EXPECT_TRUE(Screen() == before);
        EXPECT_EQ(form->Combo1->count(), 5);
    }
    EXPECT_TRUE(answerer.Boxes().empty());
}

// The band is drawn exclusive-or and the cursor's frame over the form's pixels: whatever was moved,
// ended or dropped, the form holds what a paint draws with the found capsules, the saved copy too,
// and the window shows the frame besides.
TEST_F(PlayWithoutDragTest, CursorAndBandLeaveThePaintAndTheFoundCapsulesOnly) {
    OpenGame(SavannaPuzzle());
    const QImage painted = Screen();
    const std::vector<PlacedWord> words = form->Session.Grids().PlacedWords;
    const PlacedWord w = words[0];
    CursorTo({3, 3});
    Key(Qt::Key_Space);
    CursorTo({9, 6});
    CursorTo({2, 10});
    Key(Qt::Key_Escape);
    Click(Qt::LeftButton, CellPoint({4, 4}));
    Hover({4, 4}, {12, 9});
    CursorTo({12, 9}); // over the band
    Hover({12, 9}, {1, 13});
    Click(Qt::RightButton, CellPoint({1, 13}));
    CursorTo(w.start);
    Key(Qt::Key_Space);
    CursorTo(w.end);
    Key(Qt::Key_Space);
    ASSERT_EQ(form->Combo1->count(), 4);
    Drag(words[1].start, words[1].end);
    ASSERT_EQ(form->Combo1->count(), 3);
    CursorTo(w.start); // across the found capsule
    CursorTo(w.end);
    // A repaint while a selection is open keeps its band to be erased later.
    Click(Qt::LeftButton, CellPoint({10, 2}));
    Hover({10, 2}, {15, 7});
    Repaint();
    QTest::keyClick(form.data(), Qt::Key_Escape);

    const QImage now = Screen();
    Repaint();
    EXPECT_TRUE(Screen() == now);
    const CursorFrame frame = CursorFrameOf({form->BoardLeft, form->BoardTop}, w.end);
    const QRect cursor = QRect(QPoint(frame.topLeft.x, frame.topLeft.y),
                               QPoint(frame.bottomRight.x, frame.bottomRight.y))
                             .adjusted(-2, -2, 2, 2);
    const QImage& copy = context.Kit.ScreenCopy.Image();
    const QImage shown = Shown();
    int cursorPixels = 0;
    for (int y = 0; y < now.height(); ++y) {
        for (int x = 0; x < now.width(); ++x) {
            const QPoint p(x, y);
            for (const QImage* kept : {&copy, &now}) { // the copy holds only what it saved
                if (qAlpha(kept->pixel(p)) != 0 && kept->pixel(p) != painted.pixel(p)) {
                    ASSERT_EQ(kept->pixel(p), kFoundColour)
                        << "a mark is kept at " << x << "," << y;
                }
            }
            if (shown.pixel(p) != now.pixel(p)) {
                ASSERT_TRUE(cursor.contains(p)) << "a mark is shown at " << x << "," << y;
                ++cursorPixels;
            }
        }
    }
    EXPECT_GT(cursorPixels, 4 * (frame.bottomRight.x - frame.topLeft.x)) << "the cursor is shown";
}

TEST_F(PlayWithoutDragTest, TabReachesTheHintListAndComesBack) {
    OpenGame(SavannaPuzzle());
    ASSERT_EQ(form->focusWidget(), form.data());
    Key(Qt::Key_Tab);
    ASSERT_EQ(form->focusWidget(), form->Combo1);
    const QStringList hints = ComboTexts(*form->Combo1);
    ASSERT_EQ(form->Combo1->currentIndex(), 0);
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(form->Combo1->currentText(), hints[2]);
    Key(Qt::Key_Up);
    EXPECT_EQ(form->Combo1->currentText(), hints[1]);
    EXPECT_FALSE(form->Input.CursorShown()) << "the arrows went to the list";
    Key(Qt::Key_Tab);
    ASSERT_EQ(form->focusWidget(), form.data());
    Key(Qt::Key_Right);
    EXPECT_TRUE(form->Input.CursorShown());
    EXPECT_EQ(form->Input.Cursor(), (Cell{1, 0}));
    EXPECT_EQ(form->Combo1->currentText(), hints[1]);
    const QImage framed = Shown();
    Key(Qt::Key_Tab);
    EXPECT_TRUE(Shown() == Screen()) << "the frame marks the board only while it has the keys";
    Key(Qt::Key_Tab);
    EXPECT_TRUE(Shown() == framed);
}

TEST_F(PlayWithoutDragTest, TabReachesThePictureHintList) {
    folder.WriteBitmap("pictures/APPLE.BMP", 150, 80, qRgb(250, 40, 40));
    folder.WriteBitmap("pictures/PEAR.BMP", 150, 80, qRgb(40, 250, 40));
    OpenGame(MakePuzzle("Fruit", 0, {"APPLE", "PEAR"}, {"APPLE.BMP", "PEAR.BMP"}));
    ASSERT_TRUE(form->PictureHints);
    Key(Qt::Key_Tab);
    ASSERT_EQ(form->focusWidget(), form->Combo2);
    Key(Qt::Key_Down);
    EXPECT_EQ(form->Combo2->currentIndex(), 1);
    Key(Qt::Key_Tab);
    EXPECT_EQ(form->focusWidget(), form.data());
}

// While the boxes of a win are open, keys typed into the puzzle window reach neither the board nor
// the hotspots' keys.
TEST_F(PlayWithoutDragTest, AKeyTypedWhileABoxIsOpenReachesTheBoxOnly) {
    OpenGame(SavannaPuzzle());
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.data()));
    int untouched = 0;
    answerer.SetBeforeAnswer([&](const SeenBox&) {
        for (const QKeyCombination keys : {QKeyCombination(Qt::Key_Right), Qt::CTRL | Qt::Key_W}) {
            QTest::keyClick(form->windowHandle(), keys.key(), keys.keyboardModifiers());
        }
        untouched += !form->Input.CursorShown() && !form->Session.GameOver() ? 1 : 0;
    });
    for (std::size_t k = 0; k < 5; ++k) {
        Drag(Word(k).start, Word(k).end);
    }
    ASSERT_EQ(answerer.Boxes().size(), 2u) << "the win and the best time";
    EXPECT_EQ(untouched, 2);
    EXPECT_TRUE(Released());
}

} // namespace
} // namespace lexiglade::test
