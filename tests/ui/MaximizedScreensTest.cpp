// Runs on a real X server (tests/smoke/xsession.sh), with a window manager or without one: the
// catalogue and the puzzle screen are shown maximized as the game shows them, and their first
// paints must fix the game's geometry at the maximized client size.
#include "GameFixture.h"
#include "ModalDriver.h"
#include "UiFixture.h"

#include "engine/Random.h"
#include "ui/GameContext.h"

#include <QCoreApplication>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace lexiglade::test {
namespace {

constexpr int kLaunches = 5; // the window manager's timing differs from one show to the next
constexpr int kMaximizeWaitMs = 5000;

bool UnderWindowManager() {
    const char* wm = std::getenv("LEXIGLADE_TEST_WM");
    return wm != nullptr && std::string(wm) != "none";
}

// The client size of a window maximized on its screen: the available area, less the frame that
// the window manager draws around the window (none without a window manager).
QSize MaximizedClientSize(const QWidget& form) {
    const QRect area = form.screen()->availableGeometry();
    const QMargins frame(form.geometry().left() - form.frameGeometry().left(),
                         form.geometry().top() - form.frameGeometry().top(),
                         form.frameGeometry().right() - form.geometry().right(),
                         form.frameGeometry().bottom() - form.geometry().bottom());
    if (UnderWindowManager()) {
        EXPECT_FALSE(frame.isNull()) << "openbox draws a title bar";
    }
    return area.size().shrunkBy(frame);
}

// What the window shows on the X screen, in client coordinates.
QImage OnScreen(const QWidget& form) {
    return form.screen()->grabWindow(form.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// Samples along rows of `art` (placed at `at` on `image`) above the catalogue's tree, where
// nothing covers the background picture.
int BackdropMismatches(const QImage& image, const QImage& art, QPoint at) {
    int mismatches = 0;
    for (int y = 0; y < 180; y += 7) {
        for (int x = 0; x < art.width() - 1; x += 5) {
            const QPoint p = at + QPoint(x, y);
            mismatches += !image.valid(p) || image.pixel(p) != art.pixel(x, y) ? 1 : 0;
        }
    }
    return mismatches;
}

class MaximizedScreensTest : public testing::Test {
  protected:
    void TearDown() override {
        if (context.Forms.searcher) {
            delete context.Forms.searcher.data();
        }
    }
    DataFolder folder;
    GameContext context{folder.Folders()};
};

TEST_F(MaximizedScreensTest, TheCataloguesFirstPaintFixesTheMaximizedClientSize) {
    for (int launch = 0; launch < kLaunches; ++launch) {
        ModalDriver answerer;
        Tmain form(context);
        form.ShowMaximized();
        ASSERT_TRUE(WaitFor([&] { return form.FormPaintCount() > 0; }, kMaximizeWaitMs));
        // The window manager's last word on the size may still be on its way.
        WaitFor([&] { return form.size() == MaximizedClientSize(form); }, kMaximizeWaitMs);
        const QSize maximized = MaximizedClientSize(form);
        EXPECT_EQ(form.size(), maximized) << "launch " << launch;
        EXPECT_EQ(QSize(context.Kit.ScreenWidth, context.Kit.ScreenHeight), maximized)
            << "launch " << launch;
        EXPECT_EQ(QSize(context.Kit.ScreenCopy.Width(), context.Kit.ScreenCopy.Height()), maximized)
            << "launch " << launch;
        const QPoint backdrop(maximized.width() / 2 - 320, maximized.height() / 2 - 240);
        EXPECT_EQ(QPoint(form.BackdropLeft, form.BackdropTop), backdrop);
        EXPECT_EQ(BackdropMismatches(form.Surface(), folder.Backdrop(), backdrop), 0);
        EXPECT_TRUE(WaitFor([&] {
            return BackdropMismatches(OnScreen(form), folder.Backdrop(), backdrop) == 0;
        })) << "launch "
            << launch << ": the background picture is not on the screen";
        EXPECT_TRUE(answerer.Boxes().empty());
    }
}

// Keeps the size of every paint that starts a game.
class RecordingSearcher : public Tsearcher {
  public:
    using Tsearcher::Tsearcher;
    QSize firstPaintSize;

  protected:
    void FormPaint() override {
        if (NewGame()) {
            firstPaintSize = size();
        }
        Tsearcher::FormPaint();
    }
};

TEST_F(MaximizedScreensTest, ThePuzzleScreensFirstPaintRunsAtItsMaximizedSize) {
    ModalDriver answerer;
    Tmain catalogue(context);
    catalogue.ShowMaximized();
    ASSERT_TRUE(WaitFor([&] { return catalogue.FormPaintCount() > 0; }, kMaximizeWaitMs));
    context.State.GameOptions.soundsOn = false; // the data folder has no sound or music
    context.State.GameOptions.musicOn = false;
    for (int launch = 0; launch < kLaunches; ++launch) {
        SetRandomSeed(static_cast<std::uint32_t>(launch));
        auto* form = new RecordingSearcher(context.State, context.Kit, SavannaPuzzle());
        context.Forms.searcher = form;
        form->ShowMaximized();
        ASSERT_TRUE(WaitFor([&] { return !form->NewGame(); }, kMaximizeWaitMs));
        WaitFor([&] { return form->size() == MaximizedClientSize(*form); }, kMaximizeWaitMs);
        EXPECT_EQ(form->firstPaintSize, MaximizedClientSize(*form)) << "launch " << launch;
        // A paint, which puts back the saved screen, leaves the board where it is drawn.
        const QRect board(form->BoardLeft, form->BoardTop, kBoardWidth, kBoardHeight);
        const QRect betweenClockAndTitle = board.adjusted(0, 16, 0, 40 - kBoardHeight);
        form->InvalidateForm();
        form->repaint();
        EXPECT_EQ(CountPixels(form->Surface(), betweenClockAndTitle, kBoardColour),
                  kBoardWidth * 24)
            << "launch " << launch;
        EXPECT_TRUE(WaitFor([&] {
            return CountPixels(OnScreen(*form), betweenClockAndTitle, kBoardColour) ==
                   kBoardWidth * 24;
        })) << "launch "
            << launch << ": the board is not on the screen";
        form->EndGame();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(context.Forms.searcher.isNull());
    }
    EXPECT_TRUE(answerer.Boxes().empty());
}

} // namespace
} // namespace lexiglade::test
