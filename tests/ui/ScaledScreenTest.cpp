// The puzzle screen on a scaled display (the test runs with QT_SCALE_FACTOR set): the form keeps
// its logical pixels, the surface holds device pixels, and mouse positions between device pixels
// come back to the logical pixel under them.
#include "GameFixture.h"

#include "platform/DisplayScale.h"
#include "ui/GameContext.h"

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <set>

namespace lexiglade::test {
namespace {

class ScaledScreenTest : public GameTest {
  protected:
    // The scale the test was started with.
    static double Expected() { return qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(); }

    // A mouse event at the last device pixel of the logical point's block: a position between
    // logical pixels, which rounding would give to the next one.
    void Send(QEvent::Type type, QPoint logical, Qt::MouseButtons held) {
        const double scale = form->devicePixelRatioF();
        const QPointF at((DevicePixel(logical.x() + 1, scale) - 1) / scale,
                         (DevicePixel(logical.y() + 1, scale) - 1) / scale);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, form->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(form.data(), &event);
    }

    // Press at `from`, moves to `to`, release at `to`, all from device positions.
    void DeviceDrag(QPoint from, QPoint to) {
        Send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        constexpr int kMoves = 3;
        for (int i = 1; i <= kMoves; ++i) {
            const QPoint at = from + (to - from) * i / kMoves;
            Send(QEvent::MouseMove, at, Qt::LeftButton);
            ASSERT_EQ(QPoint(form->Session.Selection().RubberX, form->Session.Selection().RubberY),
                      at);
        }
        Send(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }
};

TEST_F(ScaledScreenTest, SurfaceHoldsDevicePixelsOfTheLogicalScreen) {
    ASSERT_GT(Expected(), 1.0);
    OpenGame(SavannaPuzzle());
    ASSERT_EQ(form->devicePixelRatioF(), Expected());
    EXPECT_EQ(form->size(), QSize(800, 600));
    const QImage screen = Screen();
    EXPECT_EQ(screen.size(), QSize(DevicePixel(800, Expected()), DevicePixel(600, Expected())));
    EXPECT_EQ(screen.devicePixelRatio(), Expected());
}

TEST_F(ScaledScreenTest, DragAcrossAWordFindsIt) {
    OpenGame(SavannaPuzzle());
    const QImage before = Screen();
    for (std::size_t k = 0; k < 2; ++k) {
        const PlacedWord w = Word(k);
        const int hints = form->Combo1->count();
        DeviceDrag(CellPoint(w.start), CellPoint(w.end));
        EXPECT_EQ(form->Combo1->count(), hints - 1) << k;
    }
    const QImage found = Screen();
    EXPECT_GT(CountPixels(found, found.rect(), kFoundColour), 0);
    std::set<QRgb> shades; // the capsules' pixels: smooth edges blend the pen with the board
    for (int y = 0; y < found.height(); ++y) {
        for (int x = 0; x < found.width(); ++x) {
            if (found.pixel(x, y) != before.pixel(x, y)) {
                shades.insert(found.pixel(x, y));
            }
        }
    }
    EXPECT_GT(shades.size(), 2u);
    const int paints = form->FormPaintCount();
    form->InvalidateForm();
    ASSERT_TRUE(WaitFor([&] { return form->FormPaintCount() > paints; }));
    EXPECT_TRUE(Screen() == found) << "the found capsules come back at the device resolution";
    EXPECT_FALSE(before == found);
}

TEST_F(ScaledScreenTest, RubberBandIsErasedToTheDevicePixel) {
    OpenGame(SavannaPuzzle());
    const QImage before = Screen();
    const QPoint anchor = CellPoint({1, 1});
    const QPoint far = CellPoint({7, 4});
    DeviceDrag(anchor, far + QPoint(3, 1));
    EXPECT_FALSE(form->Session.Selection().SelectionActive);
    EXPECT_TRUE(Screen() == before);
    DeviceDrag(far, anchor + QPoint(-60, 90));
    EXPECT_TRUE(Screen() == before);
}

} // namespace
} // namespace lexiglade::test
