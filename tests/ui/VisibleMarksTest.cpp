// What the keyboard's player sees, at scale 1 (ui_tests) and on scaled screens (ui_scaled_tests):
// the board's frame and the dialogs' focus ring, each at least two device pixels wide and set off
// from what lies under it, gone without a trace; and the hints whole in the list chosen for them.
#include "GameFixture.h"

#include "platform/DisplayScale.h"
#include "print/Printdlg.h"
#include "ui/Midistuf.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTest>

#include <cmath>
#include <map>

namespace lexiglade::test {
namespace {

// The contrast ratio of two colours, as WCAG defines it: 1 to 21.
double Contrast(QRgb a, QRgb b) {
    const auto luminance = [](QRgb c) {
        const auto linear = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The runs of pixels that `marked` changed from `plain` along device row y, from x0 to x1: each
// run's colour and length.
std::vector<std::pair<QRgb, int>> MarkRuns(const QImage& plain, const QImage& marked, int y, int x0,
                                           int x1) {
    std::vector<std::pair<QRgb, int>> runs;
    bool inRun = false;
    for (int x = x0; x <= x1; ++x) {
        const QRgb p = marked.pixel(x, y);
        const bool changed = p != plain.pixel(x, y);
        if (changed && (!inRun || runs.back().first != p)) {
            runs.push_back({p, 0});
        }
        if (changed) {
            ++runs.back().second;
        }
        inRun = changed;
    }
    return runs;
}

class VisibleMarksTest : public GameTest {
  protected:
    void Key(Qt::Key key) { QTest::keyClick(form.data(), key); }
    void CursorTo(Cell cell) {
        while (form->Input.Cursor().column != cell.column || !form->Input.CursorShown()) {
            Key(form->Input.Cursor().column < cell.column ? Qt::Key_Right : Qt::Key_Left);
        }
        while (form->Input.Cursor().row != cell.row) {
            Key(form->Input.Cursor().row < cell.row ? Qt::Key_Down : Qt::Key_Up);
        }
    }
    int Device(int logical) const { return DevicePixel(logical, form->devicePixelRatioF()); }
};

// Across the frame's left side on a cell's middle row: a light and a dark edge, each at least two
// device pixels wide; one of them stands out 3:1 on the cells, the capsules and the band. Where the
// frame has passed, the window shows again exactly what it showed.
TEST_F(VisibleMarksTest, TheKeyboardFrameStandsOutAndLeavesNothingBehind) {
    OpenGame(SavannaPuzzle());
    const PlacedWord w = Word(0);
    // A cell two cells away from the word, with room for a band to its right.
    const auto awayFromWord = [&](Cell c) {
        for (Cell at = w.start;;
             at = {at.column + (w.end.column > at.column) - (w.end.column < at.column),
                   at.row + (w.end.row > at.row) - (w.end.row < at.row)}) {
            if (std::abs(at.column - c.column) <= 2 && std::abs(at.row - c.row) <= 2) {
                return false;
            }
            if (at == w.end) {
                return true;
            }
        }
    };
    Cell plainCell{2, 2};
    while (!awayFromWord(plainCell) || !awayFromWord({plainCell.column + 3, plainCell.row})) {
        plainCell = plainCell.column < 15 ? Cell{plainCell.column + 1, plainCell.row}
                                          : Cell{2, plainCell.row + 1};
    }
    const Cell far = awayFromWord({21, 14}) ? Cell{21, 14} : Cell{0, 0};
    // A word found by the keys, the frame ending on its last letter, then a paint: the window shows
    // the capsule a drag draws, without a gap.
    CursorTo(w.start);
    Key(Qt::Key_Space);
    CursorTo(w.end);
    Key(Qt::Key_Space);
    CursorTo(far);
    const int paints = form->FormPaintCount();
    form->InvalidateForm();
    ASSERT_TRUE(WaitFor([&] { return form->FormPaintCount() > paints; }));
    const QImage foundByKeys = Shown();
    OpenGame(SavannaPuzzle());
    Drag(w.start, w.end);
    CursorTo(far);
    const QImage before = Shown();
    EXPECT_TRUE(before == foundByKeys);
    const QImage pixels = Screen();
    std::vector<QRgb> edges;
    for (const Cell cell : {plainCell, w.end}) {
        CursorTo(cell);
        const QImage framed = Shown();
        EXPECT_TRUE(Screen() == pixels) << "the frame is not in the form's pixels";
        const QPoint centre = CellPoint(cell);
        const auto runs = MarkRuns(before, framed, Device(centre.y()), Device(centre.x() - 14),
                                   Device(centre.x()) - 1);
        ASSERT_GE(runs.size(), 2u);
        for (std::size_t i = 0; i < 2; ++i) {
            EXPECT_GE(runs[i].second, 2) << "edge " << i << " is two device pixels wide";
            edges.push_back(runs[i].first);
        }
        CursorTo(far);
        EXPECT_TRUE(Shown() == before) << "the frame has left no mark";
    }
    EXPECT_EQ(edges[0], edges[2]);
    EXPECT_EQ(edges[1], edges[3]);

    // The band: a selection anchored by the keys and stretched by them.
    CursorTo(plainCell);
    Key(Qt::Key_Space);
    CursorTo({plainCell.column + 3, plainCell.row});
    std::map<QRgb, int> band;
    const QImage stretched = Screen();
    for (int y = 0; y < stretched.height(); ++y) {
        for (int x = 0; x < stretched.width(); ++x) {
            band[stretched.pixel(x, y)] += stretched.pixel(x, y) != pixels.pixel(x, y) ? 1 : 0;
        }
    }
    const QRgb bandColour = std::max_element(band.begin(), band.end(), [](auto& a, auto& b) {
                                return a.second < b.second;
                            })->first;
    for (const QRgb ground : {kBoardColour, kFoundColour, bandColour}) {
        EXPECT_GE(std::max(Contrast(edges[0], ground), Contrast(edges[1], ground)), 3.0)
            << std::hex << ground;
    }
}

// Tab puts a ring around the control it reaches, at least two device pixels wide and 3:1 on the
// dialog; a mouse press takes it away, so the mouse sees the dialog as it always was.
TEST_F(VisibleMarksTest, TheFocusRingShowsForTheKeyboardOnly) {
    Tjukebox options;
    Tprndlg print;
    struct Case {
        QDialog* dialog;
        QWidget* reached; // by one Tab
    };
    for (const Case& c : {Case{&options, options.Image7}, Case{&print, print.CancelBtn}}) {
        c.dialog->show();
        c.dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(c.dialog));
        QTest::mouseClick(c.dialog, Qt::LeftButton, {}, QPoint(2, 2));
        const QImage mouse = c.dialog->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), c.reached);
        const QImage keys = c.dialog->grab().toImage();
        const double ratio = c.dialog->devicePixelRatioF();
        const QRect control = c.reached->geometry();
        const int y = DevicePixel(control.center().y(), ratio);
        const int left = DevicePixel(control.left(), ratio);
        const auto runs = MarkRuns(mouse, keys, y, left - DevicePixel(6, ratio), left - 1);
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_GE(runs[0].second, 2);
        EXPECT_GE(Contrast(runs[0].first, mouse.pixel(left - 1, y)), 3.0);
        QTest::mouseClick(c.dialog, Qt::LeftButton, {}, QPoint(2, 2));
        const QImage clicked = c.dialog->grab().toImage();
        EXPECT_TRUE(MarkRuns(mouse, clicked, y, left - DevicePixel(6, ratio), left - 1).empty());
        c.dialog->hide();
    }
}

// Each hint ends inside the text field of the list chosen for it, whatever the scale.
TEST_F(VisibleMarksTest, EveryHintShowsWholeInTheListChosenForIt) {
    for (const char* hint : {"Long neck", "Long word number 1", "iiiiiiiiiiiiiiiiiiiiiiii"}) {
        OpenGame(MakePuzzle("Width", 0, {"LION", "ZEBRA"}, {"Cat", hint}));
        QComboBox& list = *form->Combo1;
        QStyleOptionComboBox option;
        option.initFrom(&list);
        const QRect field = list.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, &list);
        list.addItem(QString());
        list.resize(list.width() * 3, list.height()); // room for the whole text, however long
        list.setCurrentIndex(2);
        const QImage blank = list.grab().toImage();
        list.setCurrentIndex(1);
        const QImage text = list.grab().toImage();
        const double ratio = list.devicePixelRatioF();
        int end = 0; // the first device column after the text
        for (int x = 0; x < text.width(); ++x) {
            for (int y = 0; y < text.height(); ++y) {
                end = text.pixel(x, y) != blank.pixel(x, y) ? x + 1 : end;
            }
        }
        EXPECT_GT(end, 0);
        EXPECT_LE(end, DevicePixel(field.right(), ratio)) << hint;
    }
}

} // namespace
} // namespace lexiglade::test
