#include "GameFixture.h"
#include "GameLog.h"

#include "engine/Random.h"
#include "library/TextList.h"
#include "ui/Drawkit.h"
#include "ui/Forms.h"
#include "ui/GameContext.h"
#include "ui/HintCombo.h"
#include "ui/Outline.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <string>

namespace lexiglade::test {
namespace {

class WordsrchTest : public GameTest {};

Cell Step(Cell from, Cell to) {
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    return {sign(to.column - from.column), sign(to.row - from.row)};
}

Cell Plus(Cell a, Cell d, int times = 1) {
    return {a.column + d.column * times, a.row + d.row * times};
}

// True when a selection from `a` to `b` (either way round) is some placed word.
bool IsAWord(const Tsearcher& form, Cell a, Cell b) {
    for (const PlacedWord& w : form.Session.Grids().PlacedWords) {
        if ((w.start == a && w.end == b) || (w.start == b && w.end == a)) {
            return true;
        }
    }
    return false;
}

// Middle of the pure red pixels (title face and shadow) in the title's band.
double TitleCentre(const QImage& screen, int boardTop) {
    int left = screen.width(), right = -1;
    for (int y = boardTop + 38; y < boardTop + 58; ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            if (qRed(screen.pixel(x, y)) > 0 && qGreen(screen.pixel(x, y)) == 0 &&
                qBlue(screen.pixel(x, y)) == 0) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return (left + right) / 2.0;
}

QRect Around(QPoint a, QPoint b) {
    return QRect(a, b).normalized().adjusted(-12, -12, 12, 12);
}

// Clicks "Farm" in the catalogue's tree and waits for its puzzle screen's first paint.
QPointer<Tsearcher> ChooseFarm(GameContext& context, Tmain& catalogue) {
    context.State.GameOptions.musicOn = false; // the data folder has no music files
    context.State.GameOptions.soundsOn = false;
    catalogue.outline->expandAll();
    SetRandomSeed(11);
    catalogue.outline->SelectIndex(1);
    const QModelIndex farm = catalogue.outline->currentIndex();
    QTest::mouseClick(catalogue.outline->viewport(), Qt::LeftButton, {},
                      catalogue.outline->visualRect(farm).center());
    QPointer<Tsearcher> form = qobject_cast<Tsearcher*>(context.Forms.searcher.data());
    if (form) {
        WaitFor([&] { return form->FormPaintCount() > 0; });
        form->Timer1->stop();
    }
    return form;
}

TEST(WordsrchCatalogueTest, PuzzleChosenInTheCatalogueOpensWithTitleAndHints) {
    ModalDriver answerer;
    DataFolder folder;
    GameContext context(folder.Folders());
    auto catalogue = OpenCatalogue(context, 800, 600);
    QPointer<Tsearcher> form = ChooseFarm(context, *catalogue);
    ASSERT_FALSE(form.isNull());
    ASSERT_GT(form->FormPaintCount(), 0);

    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->ShownTitle, "Farm");
    EXPECT_EQ(form->BoardLeft, 400 - 300);
    const int top = 300 - kBoardHeight / 2;
    EXPECT_EQ(form->BoardTop, top);
    EXPECT_EQ(ComboTexts(*form->Combo1), QStringList({"Moo", "Cluck"}));
    EXPECT_EQ(form->Combo1->currentIndex(), 0);
    EXPECT_TRUE(form->Combo1->isVisible());
    EXPECT_FALSE(form->Combo2->isVisible());
    EXPECT_EQ(form->Combo1->geometry().topLeft(), QPoint(100 + 10, top + kBoardHeight + 5));
    EXPECT_EQ(form->Combo1->width(), 144);
    ASSERT_EQ(form->Session.Grids().PlacedWords.size(), 2u);

    // The face is centred on half the screen's width, its shadow one pixel left and down.
    const QImage screen = form->Surface().copy();
    const QRect titleBand(0, top + 38, 800, 20);
    EXPECT_GT(CountPixels(screen, titleBand, qRgb(255, 0, 0)), 5);
    EXPECT_GT(CountPixels(screen, titleBand, qRgb(185, 0, 0)), 0);
    EXPECT_NEAR(TitleCentre(screen, top), 400, 2.5);
    EXPECT_EQ(screen.pixel(100, top + 20), kBoardColour);
    EXPECT_EQ(screen.pixel(700, top + kBoardHeight), kEndGameColour);
    EXPECT_EQ(screen.pixel(550, top + kBoardHeight), kPrintColour);
    EXPECT_TRUE(answerer.Boxes().empty());
    delete form.data();
}

// The puzzle screen draws in the pixels the catalogue it covers gives up. Meanwhile a paint the
// window system does not ask for draws nothing on the catalogue; once uncovered, it draws afresh.
TEST(WordsrchCatalogueTest, ThePuzzleScreenDrawsInTheCataloguesPixels) {
    ModalDriver answerer;
    DataFolder folder;
    GameContext context(folder.Folders());
    auto catalogue = std::make_unique<Tmain>(context);
    catalogue->ShowMaximized(); // as the puzzle screen is
    ASSERT_TRUE(WaitFor([&] { return catalogue->FormPaintCount() > 0; }));
    const uchar* const pixels = catalogue->Pixels().constBits();
    const int cataloguePaints = catalogue->FormPaintCount();
    QPointer<Tsearcher> form = ChooseFarm(context, *catalogue);
    ASSERT_FALSE(form.isNull());
    EXPECT_EQ(form->Pixels().constBits(), pixels);
    EXPECT_TRUE(catalogue->Pixels().isNull());
    catalogue->repaint();
    EXPECT_EQ(catalogue->FormPaintCount(), cataloguePaints);
    delete form.data();
    catalogue->repaint(); // uncovered, it draws itself afresh at any paint
    ASSERT_TRUE(WaitFor([&] { return catalogue->FormPaintCount() > cataloguePaints; }));
    EXPECT_EQ(catalogue->Pixels().constBits(), pixels) << "given back by the puzzle screen";
    EXPECT_EQ(catalogue->Pixels().pixel(catalogue->BackdropLeft, catalogue->BackdropTop),
              folder.Backdrop().pixel(0, 0));
    EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(WordsrchTest, FindingEveryWordWinsAndRecordsTheTime) {
    struct Case {
        bool backwardWords;
        const char* file;
        const char* otherFile;
    };
    const Case cases[] = {{true, "a15.asl", "a14.asl"}, {false, "a14.asl", "a15.asl"}};
    const TextList bestTimes = {"930", "300", "450"};
    const TextList otherTimes = {"301", "299", "298"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        folder.Write(c.file, ListText(bestTimes));
        folder.Write(c.otherFile, ListText(otherTimes));
        context.State.GameOptions.backwardWords = c.backwardWords;
        answerer.ClearBoxes();
        OpenGame(SavannaPuzzle(), 3);
        const std::vector<PlacedWord> words = form->Session.Grids().PlacedWords;
        ASSERT_EQ(words.size(), 5u);
        const bool anyReversed =
            std::any_of(words.begin(), words.end(), [](const PlacedWord& w) { return w.reversed; });
        EXPECT_EQ(anyReversed, c.backwardWords) << "the seed must give a reversed word";
        for (int i = 0; i < 7; ++i) {
            form->Timer1Timer();
        }
        // The player takes 15 seconds to close the win message: the clock may run on meanwhile,
        // but the time taken is that of the last find.
        answerer.SetBeforeAnswer([this](const SeenBox& box) {
            for (int i = 0; form && box.text == "Very Good! You found them all!" && i < 15; ++i) {
                form->Timer1Timer();
            }
        });
        int elapsed = 0;
        for (std::size_t k = 0; k < words.size(); ++k) {
            elapsed = form->Session.ElapsedSeconds();
            if (form->Combo1->count() > 2) { // the player looks at the last hint first
                QTest::keyClick(form->Combo1, Qt::Key_End);
                ASSERT_EQ(form->Combo1->currentIndex(), form->Combo1->count() - 1) << k;
            }
            if (k % 2 == 0) {
                Drag(words[k].start, words[k].end);
            } else {
                Drag(words[k].end, words[k].start, QPoint(4, 3));
            }
            if (k + 1 < words.size()) {
                ASSERT_FALSE(form.isNull()) << k;
                EXPECT_EQ(form->Combo1->count(), static_cast<int>(words.size() - k - 1)) << k;
                EXPECT_EQ(form->Combo1->currentIndex(), 0) << k;
                EXPECT_TRUE(answerer.Boxes().empty()) << k;
            }
        }
        ASSERT_EQ(answerer.Boxes().size(), 2u);
        EXPECT_EQ(answerer.Boxes()[0].caption, "Information");
        EXPECT_EQ(answerer.Boxes()[0].text, "Very Good! You found them all!");
        EXPECT_EQ(answerer.Boxes()[1].caption, "Information");
        ASSERT_EQ(elapsed, 7);
        EXPECT_EQ(answerer.Boxes()[1].text,
                  QStringLiteral("Time taken: 00:%1... Previous best was 05:00... Recording new "
                                 "record.")
                      .arg(elapsed, 2, 10, QChar('0')));
        EXPECT_EQ(ReadList(folder / c.file), TextList({"930", std::to_string(elapsed), "450"}));
        EXPECT_EQ(ReadList(folder / c.otherFile), otherTimes);
        EXPECT_TRUE(Released());
        EXPECT_EQ(releases, 1);
    }
}

TEST_F(WordsrchTest, WinInTheStoredTimeIsNoRecord) {
    folder.Write("a15.asl", ListText({"930", "3"}));
    OpenGame(SavannaPuzzle());
    for (int i = 0; i < 3; ++i) {
        form->Timer1Timer();
    }
    const std::vector<PlacedWord> words = form->Session.Grids().PlacedWords;
    for (const PlacedWord& w : words) {
        Drag(w.start, w.end);
    }
    ASSERT_EQ(answerer.Boxes().size(), 2u);
    EXPECT_EQ(answerer.Boxes()[1].text,
              "Time taken: 00:03... Previous best was 00:03...You did not beat the old record.");
    EXPECT_EQ(ReadList(folder / "a15.asl"), TextList({"930", "3"}));
    EXPECT_TRUE(Released());
}

TEST_F(WordsrchTest, NearMissFindsNothingAndLeavesNoMark) {
    OpenGame(SavannaPuzzle());
    struct Case {
        const char* what;
        Cell from, to;
    };
    const PlacedWord& w = Word(1);
    const Cell d = Step(w.start, w.end);
    const Cell back = Step(w.end, w.start);
    const Case cases[] = {
        {"end one short", w.start, Plus(w.end, back)},
        {"end one past", w.start, Plus(w.end, d)},
        {"start one late", Plus(w.start, d), w.end},
        {"backward, end one short", w.end, Plus(w.start, d)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_FALSE(IsAWord(*form, c.from, c.to));
        const QImage before = Screen();
        Drag(c.from, c.to);
        EXPECT_FALSE(form->Session.Selection().SelectionActive);
        EXPECT_EQ(form->Combo1->count(), 5);
        EXPECT_EQ(CountPixels(Screen(), form->rect(), kFoundColour), 0);
        EXPECT_TRUE(Screen() == before);
    }
    EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(WordsrchTest, FoundWordIsNotFoundAgain) {
    OpenGame(SavannaPuzzle());
    const PlacedWord w = Word(2);
    Drag(w.start, w.end);
    ASSERT_EQ(form->Combo1->count(), 4);
    EXPECT_FALSE(form->Combo1->findText("River horse") >= 0);
    const QImage found = Screen();
    Drag(w.start, w.end);
    Drag(w.end, w.start);
    EXPECT_EQ(form->Combo1->count(), 4);
    EXPECT_TRUE(Screen() == found);
    EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(WordsrchTest, EqualHintsNextToEachOtherGoOneAtATimeAndApartTogether) {
    struct Case {
        bool adjacent;
        TextList words;
        TextList hints;
        std::size_t dogs; // index of the second word with the hint "Pet"
        QStringList afterFirst;
        QStringList afterSecond;
    };
    const Case cases[] = {
        {true,
         {"CATS", "DOGS", "EMUS", "YAKS"},
         {"Pet", "pet", "Bird", "Ox"},
         1,
         {"pet", "Bird", "Ox"},
         {"Bird", "Ox"}},
        {false,
         {"CATS", "EMUS", "DOGS", "YAKS"},
         {"Pet", "Bird", "Pet", "Ox"},
         2,
         {"Bird", "Ox"},
         {"Bird", "Ox"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.adjacent ? "adjacent" : "apart");
        OpenGame(MakePuzzle("Pets", 0, c.words, c.hints));
        const std::size_t cats = 0;
        const std::size_t dogs = c.dogs;
        Drag(Word(cats).start, Word(cats).end);
        EXPECT_EQ(ComboTexts(*form->Combo1), c.afterFirst);
        const QImage beforeDogs = Screen();
        Drag(Word(dogs).start, Word(dogs).end);
        EXPECT_EQ(ComboTexts(*form->Combo1), c.afterSecond);
        EXPECT_GT(CountPixels(Screen(),
                              Around(CellPoint(Word(dogs).start), CellPoint(Word(dogs).end)),
                              kFoundColour),
                  0);
        // A capsule whose hint had already gone is not saved, so a repaint takes it away.
        const int paints = form->FormPaintCount();
        form->InvalidateForm();
        ASSERT_TRUE(WaitFor([&] { return form->FormPaintCount() > paints; }));
        EXPECT_EQ(Screen() == beforeDogs, !c.adjacent);
        EXPECT_TRUE(answerer.Boxes().empty());
    }
}

TEST_F(WordsrchTest, RubberBandIsErasedWithoutARepaint) {
    OpenGame(SavannaPuzzle());
    const Cell anchor{1, 1};
    const Cell far{7, 4};
    ASSERT_FALSE(IsAWord(*form, anchor, far));
    const QImage before = Screen();
    const int paints = form->FormPaintCount();
    const QPoint a = CellPoint(anchor);
    QTest::mousePress(form.data(), Qt::LeftButton, {}, a);
    ASSERT_TRUE(form->Session.Selection().SelectionActive);
    EXPECT_FALSE(Screen() == before) << "the press draws a circle";
    const QImage circle = Screen();
    QTest::mouseMove(form.data(), a + QPoint(6, 7)); // within 10 pixels: nothing moves
    EXPECT_TRUE(Screen() == circle);
    const QPoint moves[] = {a + QPoint(60, 0),   a + QPoint(60, 60),   a + QPoint(0, 60),
                            a + QPoint(-40, 30), a + QPoint(-50, -50), a + QPoint(100, -20),
                            CellPoint(far)};
    for (const QPoint& p : moves) {
        QTest::mouseMove(form.data(), p);
        EXPECT_EQ(form->Session.Selection().RubberX, p.x());
        EXPECT_EQ(form->Session.Selection().RubberY, p.y());
        EXPECT_FALSE(Screen() == before);
    }
    QTest::mouseRelease(form.data(), Qt::LeftButton, {}, CellPoint(far));
    EXPECT_FALSE(form->Session.Selection().SelectionActive);
    EXPECT_TRUE(Screen() == before);
    EXPECT_EQ(form->FormPaintCount(), paints);
}

// Only the capsule's area is saved and put back; the paint draws the rest.
TEST_F(WordsrchTest, FoundCapsuleSurvivesARepaint) {
    OpenGame(SavannaPuzzle());
    const PlacedWord w = Word(3);
    const QRect area = Around(CellPoint(w.start), CellPoint(w.end));
    EXPECT_EQ(CountPixels(Screen(), area, kFoundColour), 0);
    EXPECT_TRUE(context.Kit.ScreenCopy.SavedArea().isEmpty());
    Drag(w.end, w.start);
    EXPECT_TRUE(area.contains(context.Kit.ScreenCopy.SavedArea()));
    const QImage found = Screen();
    const int capsule = CountPixels(found, area, kFoundColour);
    EXPECT_GT(capsule, 40);
    const int paints = form->FormPaintCount();
    form->InvalidateForm();
    ASSERT_TRUE(WaitFor([&] { return form->FormPaintCount() > paints; }));
    EXPECT_EQ(CountPixels(Screen(), area, kFoundColour), capsule);
    EXPECT_TRUE(Screen() == found);
}

// The artwork is kept from paint to paint, yet a file changed on disk is drawn as it now is, and
// one taken away is refused as on the first paint.
TEST_F(WordsrchTest, RepaintsDrawTheArtworkFilesAsTheyAre) {
    OpenGame(SavannaPuzzle());
    const QPoint endGame(form->BoardLeft + kBoardWidth + 5, form->BoardTop + kBoardHeight + 5);
    ASSERT_EQ(Screen().pixel(endGame), kEndGameColour);
    const QRgb changed = qRgb(1, 2, 3);
    folder.WriteBitmap("a1.asl", 40, 35, changed);
    Repaint();
    EXPECT_EQ(Screen().pixel(endGame), changed);
    folder.Remove("a1.asl");
    Repaint();
    ASSERT_TRUE(WaitFor([&] { return !answerer.Boxes().empty(); }));
    EXPECT_EQ(answerer.Boxes()[0].text,
              QString::fromStdString("Cannot open file " + folder.Path() + "a1.asl."));
}

TEST_F(WordsrchTest, TimedGameEndsOnTheTickPastTheLimit) {
    struct Case {
        int choice;
        int limit;
    };
    for (const Case c : {Case{1, 180}, Case{2, 360}}) {
        SCOPED_TRACE(c.choice);
        context.State.GameOptions.timedGame = true;
        context.State.GameOptions.timeLimitChoice = c.choice;
        answerer.ClearBoxes();
        OpenGame(SavannaPuzzle());
        for (int i = 0; i < c.limit; ++i) {
            form->Timer1Timer();
        }
        ASSERT_FALSE(Released());
        EXPECT_EQ(form->Session.ElapsedSeconds(), c.limit);
        EXPECT_TRUE(answerer.Boxes().empty());
        form->Timer1Timer();
        ASSERT_EQ(answerer.Boxes().size(), 1u);
        EXPECT_EQ(answerer.Boxes()[0].caption, "Information");
        EXPECT_EQ(answerer.Boxes()[0].text,
                  "Uh-oh... the timer has expired! Better luck next time!");
        EXPECT_TRUE(Released());
        EXPECT_EQ(releases, 1);
    }
}

TEST_F(WordsrchTest, TimeOutCirclesTheWordsNotFoundBeforeItsMessageAndKeepsTheFoundOnes) {
    constexpr QRgb kUnfoundColour = qRgb(215, 0, 0); // GamePalette 97
    context.State.GameOptions.timedGame = true;
    context.State.GameOptions.timeLimitChoice = 1;
    OpenGame(SavannaPuzzle());
    const std::vector<PlacedWord> words = form->Session.Grids().PlacedWords;
    Drag(words[0].end, words[0].start);
    const QImage found = Screen();
    for (int i = 0; i < 180; ++i) {
        form->Timer1Timer();
    }
    QImage atMessage, repainted;
    answerer.SetBeforeAnswer([&](const SeenBox&) {
        atMessage = Screen();
        const int paints = form->FormPaintCount();
        form->InvalidateForm();
        EXPECT_TRUE(WaitFor([&] { return form->FormPaintCount() > paints; }));
        repainted = Screen();
    });
    form->Timer1Timer();
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    std::vector<QRect> unfound;
    for (std::size_t k = 1; k < words.size(); ++k) {
        unfound.push_back(Around(CellPoint(words[k].start), CellPoint(words[k].end)));
        EXPECT_EQ(CountPixels(found, unfound.back(), kUnfoundColour), 0) << k;
        EXPECT_GT(CountPixels(atMessage, unfound.back(), kUnfoundColour), 40) << k;
    }
    const QRect first = Around(CellPoint(words[0].start), CellPoint(words[0].end));
    int kept = 0;
    for (int y = first.top(); y <= first.bottom(); ++y) {
        for (int x = first.left(); x <= first.right(); ++x) {
            const bool underAnother = std::any_of(unfound.begin(), unfound.end(),
                                                  [&](const QRect& r) { return r.contains(x, y); });
            if (found.pixel(x, y) == kFoundColour && !underAnother) {
                EXPECT_EQ(atMessage.pixel(x, y), kFoundColour) << x << "," << y;
                ++kept;
            }
        }
    }
    EXPECT_GT(kept, 20);
    EXPECT_TRUE(repainted == atMessage) << "a repaint while the message is open keeps them";
    EXPECT_TRUE(Released());
}

TEST_F(WordsrchTest, UntimedGameRunsPastEveryLimit) {
    OpenGame(SavannaPuzzle());
    for (int i = 0; i < 541; ++i) {
        form->Timer1Timer();
    }
    EXPECT_FALSE(Released());
    EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(WordsrchTest, ClockIsDrawnAtTheBoardCorner) {
    OpenGame(SavannaPuzzle());
    const QRect box(form->BoardLeft, form->BoardTop, 300, 15);
    EXPECT_EQ(CountPixels(Screen(), box, kClockColour), 0);
    EXPECT_EQ(CountPixels(Screen(), box, qRgb(0, 0, 0)), 0);
    form->Timer1Timer();
    EXPECT_EQ(form->Session.ElapsedSeconds(), 1);
    const QImage screen = Screen();
    EXPECT_GT(CountPixels(screen, box, kClockColour), 5);
    EXPECT_EQ(CountPixels(screen, box.adjusted(0, 0, 0, 40), kClockColour),
              CountPixels(screen, box.adjusted(0, 0, 0, 2), kClockColour));
    EXPECT_EQ(screen.pixel(box.right(), box.bottom()), qRgb(0, 0, 0));
    EXPECT_EQ(screen.pixel(box.right() + 1, box.top()), kBoardColour);
    EXPECT_EQ(CountPixels(screen, QRect(box.left() + 150, box.top(), 150, 15), qRgb(0, 0, 0)),
              150 * 15);
}

// Whether `area` covers part of a letter of the grid.
bool CoversALetter(const Tsearcher& form, const QRect& area) {
    for (int c = 0; c < GridColumns; ++c) {
        for (int r = 0; r < GridRows; ++r) {
            const QRect letter(form.BoardLeft + 90 + 20 * c - 7, form.BoardTop + 70 + 18 * r, 15,
                               14);
            if (area.intersects(letter)) {
                return true;
            }
        }
    }
    return false;
}

// Only the first hint decides the mode: a full stop in it makes a picture puzzle, whose every hint
// names a picture, even a plain word.
TEST_F(WordsrchTest, PictureHintsFillTheOwnerDrawnList) {
    const QRgb apple = qRgb(250, 40, 40);
    const QRgb pear = qRgb(40, 250, 40);
    const QRgb plum = qRgb(120, 40, 160);
    folder.WriteBitmap("pictures/APPLE.BMP", 150, 80, apple);
    folder.WriteBitmap("pictures/PEAR.BMP", 150, 80, pear);
    folder.WriteBitmap("pictures/Pear", 150, 80, pear);
    folder.WriteBitmap("pictures/PLUM.BMP", 150, 80, plum);
    struct Case {
        TextList hints;
        bool pictures;
    };
    const Case cases[] = {{{"apple.bmp", "PEAR.BMP", "PLUM.BMP"}, true},
                          {{"apple.bmp", "Pear", "PLUM.BMP"}, true},
                          {{"Fruit", "PEAR.BMP", "PLUM.BMP"}, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hints[0] + ", " + c.hints[1]);
        answerer.ClearBoxes();
        OpenGame(MakePuzzle("Fruit", 0, {"APPLE", "PEAR", "PLUM"}, c.hints));
        EXPECT_TRUE(answerer.Boxes().empty());
        EXPECT_EQ(form->PictureHints, c.pictures);
        EXPECT_EQ(form->Combo2->isVisible(), c.pictures);
        EXPECT_EQ(form->Combo1->isVisible(), !c.pictures);
        EXPECT_EQ(ComboTexts(*form->Combo1).size(), 3);
        if (!c.pictures) {
            EXPECT_EQ(form->Combo2->count(), 0);
            continue;
        }
        const QStringList texts = {QString::fromStdString(c.hints[0]),
                                   QString::fromStdString(c.hints[1]),
                                   QString::fromStdString(c.hints[2])};
        EXPECT_EQ(ComboTexts(*form->Combo2), texts);
        EXPECT_EQ(form->Combo2->currentIndex(), 0);
        // On the board's bottom band, clear of every letter.
        const int bottom = form->BoardTop + form->BoardHeight;
        EXPECT_EQ(form->Combo2->pos(), QPoint(form->BoardLeft + 10, bottom - 60));
        EXPECT_EQ(form->Combo2->width(), 170);
        EXPECT_FALSE(CoversALetter(*form, form->Combo2->geometry()));
        EXPECT_LT(form->Combo2->geometry().bottom(), bottom) << "within the board's bottom band";
        ASSERT_EQ(form->HintPictures.size(), 3u);
        EXPECT_EQ(form->HintPictures[0]->Image().pixel(10, 10), apple);
        EXPECT_EQ(form->HintPictures[1]->Image().pixel(10, 10), pear);
        EXPECT_EQ(form->Combo2->view()->sizeHintForRow(0), 80);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 170, 16);
        EXPECT_EQ(form->Combo2->itemDelegate()
                      ->sizeHint(option, form->Combo2->model()->index(1, 0))
                      .height(),
                  80);
        QImage canvas(200, 100, QImage::Format_RGB32);
        canvas.fill(Qt::black);
        {
            QPainter painter(&canvas);
            form->Combo2->Combo2DrawItem(painter, 1, QRect(5, 6, 170, 80));
        }
        EXPECT_EQ(canvas.pixel(5, 6), pear);
        EXPECT_EQ(canvas.pixel(154, 85), pear);
        EXPECT_EQ(canvas.pixel(155, 85), qRgb(0, 0, 0));
        EXPECT_EQ(canvas.pixel(4, 6), qRgb(0, 0, 0));

        // The player looks at the last picture, then finds the first word: the list shows its
        // first entry again.
        QTest::keyClick(form->Combo2, Qt::Key_End);
        ASSERT_EQ(form->Combo2->currentIndex(), 2);
        Drag(Word(0).start, Word(0).end);
        EXPECT_EQ(ComboTexts(*form->Combo2), texts.mid(1));
        EXPECT_EQ(form->Combo2->currentIndex(), 0);
        EXPECT_EQ(ComboTexts(*form->Combo1), texts.mid(1));
        EXPECT_EQ(form->Combo1->currentIndex(), 0);
        form->EndGame();
        EXPECT_TRUE(form->HintPictures.empty());
        EXPECT_TRUE(Released());
    }
}

// The narrow list only when every hint shows whole in it, in the game's font, however many
// characters the hints have.
TEST_F(WordsrchTest, TheTextListIsNarrowOnlyWhenEveryHintFitsIt) {
    struct Case {
        std::string longHint;
        int width;
    };
    const Case cases[] = {
        {"Long neck", 144},          {"Long word number 1", 375}, // 18 characters that do not fit
        {std::string(22, 'x'), 375}, {std::string(24, 'i'), 144}, // 24 characters that do
        {std::string(40, 'i'), 375},
    };
    for (const Case& c : cases) {
        OpenGame(MakePuzzle("Width", 0, {"LION", "ZEBRA"}, {"Cat", c.longHint}));
        EXPECT_EQ(form->Combo1->width(), c.width) << c.longHint;
        EXPECT_EQ(form->Combo1->x(), form->BoardLeft + 10) << c.longHint;
        EXPECT_EQ(form->Combo1->y(), form->BoardTop + kBoardHeight + 5) << c.longHint;
    }
}

TEST_F(WordsrchTest, HintPicturesAreFoundInAFolderOfAnyCase) {
    for (const char* pictures : {"PICTURES", "Pictures"}) {
        SCOPED_TRACE(pictures);
        DataFolder data;
        context.State.DataDir = data.Path();
        data.WriteBitmap(std::string(pictures) + "/APPLE.BMP", 150, 80, qRgb(250, 40, 40));
        data.WriteBitmap(std::string(pictures) + "/pear.bmp", 150, 80, qRgb(40, 250, 40));
        answerer.ClearBoxes();
        OpenGame(MakePuzzle("Fruit", 0, {"APPLE", "PEAR"}, {"apple.bmp", "PEAR.BMP"}));
        EXPECT_TRUE(answerer.Boxes().empty());
        ASSERT_FALSE(form.isNull());
        EXPECT_TRUE(form->PictureHints);
        ASSERT_EQ(form->HintPictures.size(), 2u);
        EXPECT_EQ(form->HintPictures[0]->Image().pixel(10, 10), qRgb(250, 40, 40));
        EXPECT_EQ(form->HintPictures[1]->Image().pixel(10, 10), qRgb(40, 250, 40));
        CloseForm();
        context.State.DataDir = folder.Path();
    }
}

// The box may not name the file; the one warning in the log does.
TEST_F(WordsrchTest, UnreadableHintPictureIsReportedOnceAndEndsTheGame) {
    folder.WriteBitmap("pictures/APPLE.BMP", 150, 80, qRgb(1, 2, 3));
    const std::string pear = folder.Path() + "pictures/pear.bmp";
    const struct {
        const char* bytes; // null: no file
        std::string box;
    } cases[] = {{nullptr, "Cannot open file " + pear + "."},
                 {"no bitmap", "Bitmap image is not valid."}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        if (c.bytes != nullptr) {
            folder.Write("pictures/pear.bmp", c.bytes);
        }
        answerer.ClearBoxes();
        const GameLog log;
        OpenGame(MakePuzzle("Fruit", 0, {"APPLE", "PEAR"}, {"apple.bmp", "pear.bmp"}));
        WaitFor([&] { return form.isNull(); }, 300);
        EXPECT_TRUE(Released());
        ASSERT_EQ(answerer.Boxes().size(), 1u);
        EXPECT_EQ(answerer.Boxes()[0].text, QString::fromStdString(c.box));
        EXPECT_EQ(log.Holding(QString::fromStdString(pear)).size(), 1)
            << log.Joined().toStdString();
    }
}

TEST_F(WordsrchTest, HotspotsIncludeTheirEdgesAndTakeAnyButton) {
    struct Case {
        int dx, dy; // from the board's right and bottom edges
        Qt::MouseButton button;
        bool ends;
    };
    const Case cases[] = {
        {0, 0, Qt::LeftButton, true},     {40, 35, Qt::LeftButton, true},
        {41, 0, Qt::LeftButton, false},   {0, 36, Qt::LeftButton, false},
        {-1, 10, Qt::LeftButton, false},  {20, 10, Qt::RightButton, true},
        {20, 10, Qt::MiddleButton, true}, {-80, 10, Qt::LeftButton, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy << " " << c.button);
        OpenGame(SavannaPuzzle());
        const int right = form->BoardLeft + form->BoardWidth;
        const int bottom = form->BoardTop + form->BoardHeight;
        Click(c.button, QPoint(right + c.dx, bottom + c.dy));
        const bool released = Released();
        EXPECT_EQ(released, c.ends);
        if (!released) {
            EXPECT_FALSE(form->Session.GameOver());
        }
    }
    EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(WordsrchTest, OnlyTheLeftButtonSelects) {
    OpenGame(SavannaPuzzle());
    const PlacedWord w = Word(0);
    const QImage before = Screen();
    QTest::mousePress(form.data(), Qt::RightButton, {}, CellPoint(w.start));
    EXPECT_FALSE(form->Session.Selection().SelectionActive);
    EXPECT_TRUE(Screen() == before);
    QTest::mouseRelease(form.data(), Qt::RightButton, {}, CellPoint(w.start));
    QTest::mouseRelease(form.data(), Qt::LeftButton, {}, CellPoint(w.end));
    EXPECT_EQ(form->Combo1->count(), 5);

    // A release of another button leaves a running selection running.
    QTest::mousePress(form.data(), Qt::LeftButton, {}, CellPoint(w.start));
    QTest::mouseMove(form.data(), CellPoint(w.end));
    QTest::mouseRelease(form.data(), Qt::RightButton, {}, CellPoint(w.end));
    EXPECT_TRUE(form->Session.Selection().SelectionActive);
    QTest::mouseRelease(form.data(), Qt::LeftButton, {}, CellPoint(w.end));
    EXPECT_FALSE(form->Session.Selection().SelectionActive);
    EXPECT_EQ(form->Combo1->count(), 4);
}

TEST_F(WordsrchTest, BoardIsCentredOnlyOnScreensLargerThan640By480) {
    struct Case {
        int width, height;
        int left, top;
    };
    const int half = kBoardHeight / 2;
    const Case cases[] = {{640, 480, 0, 0},
                          {641, 481, 320 - 300, 240 - half},
                          {640, 481, 0, 240 - half},
                          {641, 480, 320 - 300, 0},
                          {800, 600, 400 - 300, 300 - half}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        OpenGame(SavannaPuzzle(), 7, c.width, c.height);
        EXPECT_EQ(form->BoardLeft, c.left);
        EXPECT_EQ(form->BoardTop, c.top);
        EXPECT_EQ(form->BoardWidth, kBoardWidth);
        EXPECT_EQ(form->BoardHeight, kBoardHeight);
        const QImage screen = Screen();
        const int right = c.left + kBoardWidth;
        const int bottom = c.top + kBoardHeight;
        EXPECT_EQ(screen.pixel(c.left, c.top + 20), kBoardColour);
        EXPECT_EQ(screen.pixel(right - 1, bottom - 1), kBoardColour);
        EXPECT_EQ(screen.pixel(right, bottom), kEndGameColour);
        EXPECT_EQ(
            screen.pixel(std::min(right + 39, c.width - 1), std::min(bottom + 34, c.height - 1)),
            kEndGameColour);
        EXPECT_EQ(screen.pixel(right - 150, bottom), kPrintColour);
        if (c.left > 0) {
            EXPECT_EQ(screen.pixel(c.left - 1, c.top + 20), qRgb(0, 0, 0));
        }
        EXPECT_NEAR(TitleCentre(screen, c.top), c.width / 2, 2.5);
        for (const Cell cell : {Cell{0, 0}, Cell{21, 14}}) {
            const QRect letter(c.left + 90 + 20 * cell.column - 6, c.top + 70 + 18 * cell.row, 13,
                               14);
            EXPECT_GT(CountPixels(screen, letter, qRgb(0, 0, 0)), 3) << cell.column;
        }
        if (c.top > 0) {
            EXPECT_EQ(screen.pixel(c.left + 20, c.top - 1), qRgb(0, 0, 0));
        }
    }
}

TEST_F(WordsrchTest, PressesInsideTheStartRectangleButOutsideTheCellsStartNothing) {
    struct Case {
        int dx, dy; // from the board's corner
        bool starts;
    };
    const Case cases[] = {{90, 65, false},  {90, 66, false},  {90, 67, true},   {85, 77, true},
                          {519, 77, true},  {520, 77, false}, {525, 77, false}, {90, 336, true},
                          {90, 337, false}, {90, 345, false}, {84, 77, false}};
    OpenGame(SavannaPuzzle());
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
        const QImage before = Screen();
        const QPoint at(form->BoardLeft + c.dx, form->BoardTop + c.dy);
        QTest::mousePress(form.data(), Qt::LeftButton, {}, at);
        EXPECT_EQ(form->Session.Selection().SelectionActive, c.starts);
        EXPECT_EQ(Screen() == before, !c.starts);
        QTest::mouseRelease(form.data(), Qt::LeftButton, {}, at);
        EXPECT_EQ(form->Session.Selection().SelectionActive, c.starts) << "a click leaves it open";
        Click(Qt::LeftButton, at); // ends an open selection on its one cell
        EXPECT_FALSE(form->Session.Selection().SelectionActive);
        EXPECT_TRUE(Screen() == before);
    }
    EXPECT_EQ(form->Combo1->count(), 5);
}

// The last word found in the last second of a timed game wins it, even if the limit passes while
// the win message is open; the time taken is that of the last find.
TEST_F(WordsrchTest, TimeLimitPassingDuringTheWinMessageLeavesTheWin) {
    context.State.GameOptions.timedGame = true;
    context.State.GameOptions.timeLimitChoice = 1;
    folder.Write("a15.asl", ListText({"930", "930"}));
    OpenGame(SavannaPuzzle());
    const std::vector<PlacedWord> words = form->Session.Grids().PlacedWords;
    for (std::size_t k = 0; k + 1 < words.size(); ++k) {
        Drag(words[k].start, words[k].end);
    }
    for (int i = 0; i < 180; ++i) {
        form->Timer1Timer();
    }
    ASSERT_TRUE(answerer.Boxes().empty()) << "180 seconds are within the limit";
    answerer.SetBeforeAnswer([this](const SeenBox& box) {
        for (int i = 0; form && box.text == "Very Good! You found them all!" && i < 5; ++i) {
            form->Timer1Timer();
        }
    });
    Drag(words.back().end, words.back().start);
    ASSERT_EQ(answerer.Boxes().size(), 2u);
    EXPECT_EQ(answerer.Boxes()[0].text, "Very Good! You found them all!");
    EXPECT_EQ(answerer.Boxes()[1].text,
              "Time taken: 03:00... Previous best was 15:30... Recording new record.");
    EXPECT_EQ(ReadList(folder / "a15.asl"), TextList({"930", "180"}));
    EXPECT_TRUE(Released());
    EXPECT_EQ(releases, 1);
}

TEST_F(WordsrchTest, BestTimeFileWithoutThePuzzlesLineStillEndsTheGame) {
    folder.Write("a15.asl", ListText({"930"}));
    OpenGame(SavannaPuzzle());
    const std::vector<PlacedWord> words = form->Session.Grids().PlacedWords;
    for (const PlacedWord& w : words) {
        Drag(w.start, w.end);
    }
    ASSERT_EQ(answerer.Boxes().size(), 2u);
    EXPECT_EQ(answerer.Boxes()[0].text, "Very Good! You found them all!");
    EXPECT_EQ(answerer.Boxes()[1].caption, "Lexiglade");
    EXPECT_EQ(answerer.Boxes()[1].text, "List index out of bounds.");
    EXPECT_EQ(answerer.Boxes()[1].icon, QMessageBox::Critical);
    EXPECT_EQ(ReadList(folder / "a15.asl"), TextList({"930"}));
    EXPECT_TRUE(Released());
    EXPECT_EQ(releases, 1);
}

TEST_F(WordsrchTest, GameThatCannotStartIsReportedOnceAndReleased) {
    struct Case {
        const char* what;
        const char* removed; // an artwork file taken away, or nullptr
        LoadedPuzzle puzzle;
        std::string text;
    };
    TextList longWords;
    TextList longHints;
    for (int i = 0; i < 16; ++i) {
        longWords.push_back(std::string(21, static_cast<char>('A' + i)));
        longHints.push_back("Hint " + std::to_string(i));
    }
    const Case cases[] = {
        {"missing board", "a3.asl", SavannaPuzzle(),
         "Cannot open file " + folder.Path() + "a3.asl."},
        {"missing end-game picture", "a1.asl", SavannaPuzzle(),
         "Cannot open file " + folder.Path() + "a1.asl."},
        {"words too long", nullptr, MakePuzzle("Long", 0, longWords, longHints),
         "The words of this puzzle do not fit in the grid."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.removed != nullptr) {
            folder.Remove(c.removed);
        }
        answerer.ClearBoxes();
        OpenGame(c.puzzle);
        WaitFor([&] { return !answerer.Boxes().empty(); });
        const bool stillNew = !form.isNull() && form->NewGame();
        if (form) {
            form->InvalidateForm();
        }
        WaitFor([] { return false; }, 100);
        EXPECT_TRUE(Released());
        EXPECT_EQ(releases, 1);
        ASSERT_EQ(answerer.Boxes().size(), 1u);
        EXPECT_EQ(answerer.Boxes()[0].caption, "Lexiglade");
        EXPECT_EQ(answerer.Boxes()[0].text, QString::fromStdString(c.text));
        EXPECT_FALSE(stillNew);
        folder.WriteBitmap("a3.asl", kBoardWidth, kBoardHeight, kBoardColour);
        folder.WriteBitmap("a1.asl", 40, 35, kEndGameColour);
    }
}

TEST_F(WordsrchTest, ClosingTheWindowEndsTheGame) {
    OpenGame(SavannaPuzzle());
    form->Timer1->start();
    form->close();
    ASSERT_FALSE(form.isNull());
    EXPECT_TRUE(form->Session.GameOver());
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(Released());
    EXPECT_EQ(releases, 1);
    EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(WordsrchTest, HiddenButtonsStepTheSelectionColourWithinItsRange) {
    OpenGame(SavannaPuzzle());
    EXPECT_EQ(form->SelectionColour, 27);
    struct Case {
        int from;
        bool down;
        int to;
    };
    const Case cases[] = {{0, true, 0}, {1, true, 0}, {255, false, 255}, {254, false, 255}};
    for (const Case& c : cases) {
        form->SelectionColour = c.from;
        c.down ? form->Button1Click() : form->Button2Click();
        EXPECT_EQ(form->SelectionColour, c.to) << c.from;
        EXPECT_EQ(form->Label1->text(), QString::number(c.to)) << c.from;
    }
    EXPECT_FALSE(form->Button1->isVisible() || form->Button2->isVisible() ||
                 form->Label1->isVisible());
    const int paints = form->FormPaintCount();
    form->InvalidateForm();
    ASSERT_TRUE(WaitFor([&] { return form->FormPaintCount() > paints; }));
    EXPECT_EQ(form->SelectionColour, 27);
}

} // namespace
} // namespace lexiglade::test
