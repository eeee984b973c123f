// The puzzle screen on a real X server at the scale the game chooses for the screen, played with
// the real mouse (xdotool): LEXIGLADE_TEST_SCALE names the scale expected for the screen's size.
#include "GameFixture.h"
#include "TsearcherProbe.h"

#include "platform/DisplayScale.h"

#include <QComboBox>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>

namespace lexiglade::test {
namespace {

constexpr int kEventWaitMs = 30000; // generous: a busy machine delivers late

class ScaledX11Test : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
            GTEST_SKIP() << "xdotool is not installed";
        }
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        OpenGame(SavannaPuzzle(), 7, std::min(800, area.width() - 20),
                 std::min(600, area.height() - 40));
        ASSERT_TRUE(form);
        form->raise();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.data(), kEventWaitMs));
        QTest::qWait(300); // the window manager's placement
    }

    static double Expected() { return qEnvironmentVariable("LEXIGLADE_TEST_SCALE").toDouble(); }

    static bool Xdotool(const QStringList& arguments) {
        return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
    }

    // The real pointer onto the last device pixel of the logical point's block.
    bool MoveTo(QPoint logical) {
        const double scale = form->devicePixelRatioF();
        return Xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"),
                        QString::number(form->winId()),
                        QString::number(DevicePixel(logical.x() + 1, scale) - 1),
                        QString::number(DevicePixel(logical.y() + 1, scale) - 1)});
    }

    // A drag with the real mouse; every step must reach the form as the logical pixel it was on.
    void RealDrag(QPoint from, QPoint to) {
        ASSERT_TRUE(MoveTo(from));
        ASSERT_TRUE(Xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return Probe(*form).Session().Selection().SelectionActive; }, kEventWaitMs));
        constexpr int kMoves = 3;
        for (int i = 1; i <= kMoves; ++i) {
            const QPoint at = from + (to - from) * i / kMoves;
            ASSERT_TRUE(MoveTo(at));
            ASSERT_TRUE(QTest::qWaitFor(
                [&] {
                    return QPoint(Probe(*form).Session().Selection().RubberX,
                                  Probe(*form).Session().Selection().RubberY) == at;
                },
                kEventWaitMs))
                << "moved to " << at.x() << "," << at.y() << ", the form saw "
                << Probe(*form).Session().Selection().RubberX << ","
                << Probe(*form).Session().Selection().RubberY;
        }
        ASSERT_TRUE(Xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !Probe(*form).Session().Selection().SelectionActive; }, kEventWaitMs));
    }

    QImage WindowShot() const {
        return QGuiApplication::primaryScreen()->grabWindow(form->winId()).toImage();
    }
};

TEST_F(ScaledX11Test, ScreenIsShownAtTheScaleChosenForIt) {
    ASSERT_GT(Expected(), 0.0) << "LEXIGLADE_TEST_SCALE is not set";
    EXPECT_EQ(form->devicePixelRatioF(), Expected());
    const QImage shot = WindowShot();
    EXPECT_EQ(shot.width(), DevicePixel(form->width(), Expected()));
}

TEST_F(ScaledX11Test, RealDragAcrossAWordFindsIt) {
    const PlacedWord w = Word(0);
    const int hints = Probe(*form).Hints().Combo1()->count();
    RealDrag(CellPoint(w.start), CellPoint(w.end));
    EXPECT_EQ(Probe(*form).Hints().Combo1()->count(), hints - 1);
    const QImage shot = WindowShot().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(CountPixels(shot, shot.rect(), kFoundColour), 0) << "the capsule on the screen";
}

TEST_F(ScaledX11Test, RubberBandIsErasedToTheScreenPixel) {
    const QImage before = WindowShot();
    const QImage surface = Screen();
    RealDrag(CellPoint({1, 1}), CellPoint({7, 4}) + QPoint(3, 1));
    QTest::qWait(100); // the last strokes on the screen
    EXPECT_TRUE(Screen() == surface);
    EXPECT_TRUE(WindowShot() == before);
}

} // namespace
} // namespace lexiglade::test
