// What a keyboard player sees, at scale 1 (ui_tests) and on scaled screens (ui_scaled_tests): the
// board's frame and the dialogs' focus ring, at least two device pixels wide, 3:1 on what lies
// under them and gone without a trace; and every hint whole in the list chosen for it.
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

#include <algorithm>
#include <cmath>
#include <map>

namespace lexiglade::test {
namespace {

// The contrast ratio of two colours as WCAG defines it, 1 to 21.
double Contrast(QRgb a, QRgb b) {
    const auto luminance = [](QRgb c) {
        double sum = 0;
        for (const auto& [value, weight] :
             {std::pair{qRed(c), 0.2126}, {qGreen(c), 0.7152}, {qBlue(c), 0.0722}}) {
            const double s = value / 255.0;
            sum += weight * (s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4));
        }
        return sum + 0.05;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

// The runs of pixels of one colour that `marked` changed from `plain` along device row y.
std::vector<std::pair<QRgb, int>> Runs(const QImage& plain, const QImage& marked, int y, int x0,
                                       int x1) {
    std::vector<std::pair<QRgb, int>> runs;
    for (int x = x0; x <= x1; ++x) {
        const QRgb p = marked.pixel(x, y);
        if (p == plain.pixel(x, y)) {
            continue;
        }
        if (runs.empty() || runs.back().first != p ||
            marked.pixel(x - 1, y) == plain.pixel(x - 1, y)) {
            runs.push_back({p, 0});
        }
        ++runs.back().second;
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

TEST_F(VisibleMarksTest, TheKeyboardFrameStandsOutAndLeavesNothingBehind) {
    const LoadedPuzzle bears = MakePuzzle("Bears", 0, {"BEAR", "LION"}, {"Growls", "Roars"});
    OpenGame(bears);
    const PlacedWord w = Word(0);
    const Cell plain{5, std::max(w.start.row, w.end.row) < 7 ? 12 : 1}; // 3 rows from the word
    const Cell far{21, plain.row};
    // Found by the keys, the frame last on its last letter, then a paint: the capsule is the one
    // a drag draws.
    for (const Cell cell : {w.start, w.end}) {
        CursorTo(cell);
        Key(Qt::Key_Space);
    }
    CursorTo(far);
    const int paints = form->FormPaintCount();
    form->InvalidateForm();
    ASSERT_TRUE(WaitFor([&] { return form->FormPaintCount() > paints; }));
    const QImage foundByKeys = Shown();
    OpenGame(bears);
    Drag(w.start, w.end);
    CursorTo(far);
    const QImage before = Shown();
    EXPECT_TRUE(before == foundByKeys);

    // On a cell and on the capsule: a light and a dark edge across the frame's left side.
    std::vector<QRgb> edges;
    const QImage pixels = Screen();
    for (const Cell cell : {plain, w.end}) {
        CursorTo(cell);
        EXPECT_TRUE(Screen() == pixels) << "the frame is over the form's pixels, not in them";
        const QPoint centre = CellPoint(cell);
        const auto runs = Runs(before, Shown(), Device(centre.y()), Device(centre.x() - 14),
                               Device(centre.x()) - 1);
        ASSERT_GE(runs.size(), 2u);
        for (std::size_t i = 0; i < 2; ++i) {
            EXPECT_GE(runs[i].second, 2) << "edge " << i;
            edges.push_back(runs[i].first);
        }
        CursorTo(far);
        EXPECT_TRUE(Shown() == before) << "the frame has left no mark";
    }
    EXPECT_EQ(edges, (std::vector<QRgb>{edges[0], edges[1], edges[0], edges[1]}));

    // The band's colour, the one most of its pixels have.
    CursorTo(plain);
    Key(Qt::Key_Space);
    CursorTo({plain.column + 3, plain.row});
    std::map<QRgb, int> band;
    const QImage stretched = Screen();
    for (int y = 0; y < stretched.height(); ++y) {
        for (int x = 0; x < stretched.width(); ++x) {
            band[stretched.pixel(x, y)] += stretched.pixel(x, y) != pixels.pixel(x, y) ? 1 : 0;
        }
    }
    const auto most = [](auto& a, auto& b) { return a.second < b.second; };
    for (const QRgb ground :
         {kBoardColour, kFoundColour, std::ranges::max_element(band, most)->first}) {
        EXPECT_GE(std::max(Contrast(edges[0], ground), Contrast(edges[1], ground)), 3.0) << ground;
    }
}

// Tab rings the control it reaches, left of it at least two device pixels of a colour 3:1 on the
// dialog; a mouse press takes the ring away.
TEST_F(VisibleMarksTest, TheFocusRingShowsForTheKeyboardOnly) {
    GameOptions gameOptions;
    Tjukebox options(gameOptions);
    Tprndlg print;
    for (const auto& [form, target] :
         {std::pair<QDialog*, QWidget*>{&options, options.Image7}, {&print, print.CancelBtn}}) {
        QDialog* const dialog = form; // a lambda below captures it; clang refuses bindings
        QWidget* const reached = target;
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        QTest::mouseClick(dialog, Qt::LeftButton, {}, QPoint(2, 2));
        const QImage mouse = dialog->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), reached);
        const double ratio = dialog->devicePixelRatioF();
        const int y = DevicePixel(reached->geometry().center().y(), ratio);
        const int left = DevicePixel(reached->x(), ratio);
        const auto ring = [&] {
            return Runs(mouse, dialog->grab().toImage(), y, left - DevicePixel(6, ratio), left - 1);
        };
        const auto runs = ring();
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_GE(runs[0].second, 2);
        EXPECT_GE(Contrast(runs[0].first, mouse.pixel(left - 1, y)), 3.0);
        QTest::mouseClick(dialog, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_TRUE(ring().empty());
        dialog->hide();
    }
}

// Each hint ends inside the text field of the list chosen for it, whatever the scale: drawn in a
// list three times as wide, it changes no pixel past that field.
TEST_F(VisibleMarksTest, EveryHintShowsWholeInTheListChosenForIt) {
    for (const char* hint : {"Long neck", "Long word number 1", "iiiiiiiiiiiiiiiiiiiiiiii"}) {
        OpenGame(MakePuzzle("Width", 0, {"LION", "ZEBRA"}, {"Cat", hint}));
        QComboBox& list = *form->Combo1;
        QStyleOptionComboBox option;
        option.initFrom(&list);
        const QRect field = list.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, &list);
        list.addItem(QString());
        list.resize(list.width() * 3, list.height());
        list.setCurrentIndex(2);
        const QImage blank = list.grab().toImage();
        list.setCurrentIndex(1);
        const QImage text = list.grab().toImage();
        const int fieldEnd = DevicePixel(field.right(), list.devicePixelRatioF());
        for (int y = 0; y < text.height(); ++y) {
            ASSERT_TRUE(Runs(blank, text, y, fieldEnd, text.width() - 1).empty()) << hint;
        }
        EXPECT_FALSE(Runs(blank, text, text.height() / 2, 0, fieldEnd - 1).empty()) << hint;
    }
}

} // namespace
} // namespace lexiglade::test
