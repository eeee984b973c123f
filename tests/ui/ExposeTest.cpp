// Runs on a real X server (tests/smoke/xsession.sh), with a window manager or without one: whatever
// shows the puzzle window again after it was out of sight (a window over it going away, a restore
// from minimized, a show after a hide) repaints the screen from its artwork, and the paint starts
// the music again from the beginning.
#include "GameFixture.h"
#include "ModalDriver.h"
#include "UiFixture.h"

#include "app/SharedState.h"
#include "engine/Random.h"
#include "ui/Drawkit.h"
#include "ui/Forms.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

namespace lexiglade::test {
namespace {

constexpr int kWaitMs = 5000;

bool UnderWindowManager() {
    const char* wm = std::getenv("LEXIGLADE_TEST_WM");
    return wm != nullptr && std::string(wm) != "none";
}

class ExposeTest : public testing::Test {
  protected:
    void SetUp() override {
        DrawkitState& kit = Kit();
        BuildPalette(kit.GamePalette);
        kit.PaletteHandle = CreateGamePalette(kit.GamePalette);
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        kit.ScreenWidth = screen.width();
        kit.ScreenHeight = screen.height();
        kit.ScreenCopy.SetWidth(screen.width());
        kit.ScreenCopy.SetHeight(screen.height());
        SharedState& state = Shared();
        state.DataDir = folder.Path();
        state.GameOptions = GameOptions{};
        state.GameOptions.soundsOn = false;
        for (const char* track : {"arc1.mid", "arc3.mid", "arc4.mid", "arc5.mid", "arc8.mid",
                                  "arc10.mid", "arc11.mid"}) {
            folder.Write(track, "MThd"); // no audio output opens here: the file is never read
        }
        state.LoadedPuzzle = SavannaPuzzle();
        SetRandomSeed(5);
        form = new Tsearcher();
        Forms().searcher = form;
        form->MPlayer.OnCommand = [this](const SentCommand& command) {
            opens += command.command == PlayerCommand::Open ? 1 : 0;
        };
        state.NewGame = true;
        form->ShowMaximized();
        ASSERT_TRUE(WaitFor([] { return !Shared().NewGame; }, kWaitMs));
        form->Timer1->stop();
        Settle();
    }

    void TearDown() override {
        if (form) {
            delete form.data();
        }
        Shared().NewGame = false;
        Shared().GameOptions = GameOptions{};
    }

    // Lets the window system's reports of the moment arrive and be handled.
    static void Settle() {
        WaitFor([] { return false; }, 300);
    }

    // Runs `hideAndShow` and expects a FormPaint and a restart of the music because of it.
    void ExpectRepaintAndRestart(const char* what, const std::function<void()>& hideAndShow) {
        SCOPED_TRACE(what);
        const int paints = form->FormPaintCount();
        const int opened = opens;
        hideAndShow();
        EXPECT_TRUE(WaitFor([&] { return form->FormPaintCount() > paints; }, kWaitMs));
        EXPECT_TRUE(WaitFor([&] { return opens > opened; }, kWaitMs)) << "the music restarts";
        EXPECT_FALSE(form->Session.GameOver());
        EXPECT_TRUE(answerer.Boxes().empty());
    }

    DataFolder folder;
    ModalDriver answerer;
    QPointer<Tsearcher> form;
    int opens = 0;
};

TEST_F(ExposeTest, AWindowOverThePuzzleGoingAwayRepaintsItAndRestartsTheMusic) {
    ExpectRepaintAndRestart("covered and uncovered", [&] {
        // A window that takes no focus, as one of another program may: the puzzle's activation
        // does not change, so only the exposure can bring the paint.
        QWidget cover(nullptr,
                      Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
        cover.setAttribute(Qt::WA_ShowWithoutActivating);
        cover.setWindowTitle(QStringLiteral("Cover"));
        const bool active = form->isActiveWindow();
        cover.setGeometry(
            QRect(form->mapToGlobal(QPoint(form->BoardLeft, form->BoardTop)), QSize(300, 200)));
        cover.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover, kWaitMs));
        Settle();
        const int paintsWhileCovered = form->FormPaintCount();
        cover.hide();
        Settle();
        EXPECT_EQ(form->isActiveWindow(), active);
        EXPECT_GT(form->FormPaintCount(), paintsWhileCovered);
    });
}

TEST_F(ExposeTest, ARestoreFromMinimizedRepaintsThePuzzleAndRestartsTheMusic) {
    if (!UnderWindowManager()) {
        GTEST_SKIP() << "only a window manager minimizes a window";
    }
    ExpectRepaintAndRestart("minimized and restored", [&] {
        form->showMinimized();
        ASSERT_TRUE(WaitFor([&] { return !form->windowHandle()->isExposed(); }, kWaitMs));
        Settle();
        form->showMaximized();
    });
}

TEST_F(ExposeTest, AShowAfterAHideRepaintsThePuzzleAndRestartsTheMusic) {
    ExpectRepaintAndRestart("hidden and shown", [&] {
        form->hide();
        ASSERT_TRUE(WaitFor([&] { return !form->windowHandle()->isExposed(); }, kWaitMs));
        Settle();
        form->show();
    });
}

} // namespace
} // namespace lexiglade::test
