// Runs on a real X server (tests/smoke/xsession.sh), with a window manager or without one: whatever
// shows the puzzle window again after it was out of sight (a window over it going away, a restore
// from minimized, a show after a hide) repaints the screen from its artwork, and the paint starts
// the music again from the beginning. Changes of focus and the game's own dialogs opening do not;
// once they close, the screen is painted once.
#include "GameFixture.h"
#include "ModalDriver.h"
#include "UiFixture.h"

#include "engine/Random.h"
#include "ui/GameContext.h"

#include "platform/DisplayScale.h"
#include "print/Printdlg.h"
#include "ui/PuzzleDrawing.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QProcess>
#include <QPushButton>
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
    void SetUp() override { Open(GameOptions{}); }

    void Open(const GameOptions& options) {
        DrawkitState& kit = context.Kit;
        BuildPalette(kit.GamePalette);
        kit.PaletteHandle = CreateGamePalette(kit.GamePalette);
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        kit.ScreenWidth = screen.width();
        kit.ScreenHeight = screen.height();
        kit.ScreenCopy.SetWidth(screen.width());
        kit.ScreenCopy.SetHeight(screen.height());
        GameState& state = context.State;
        state.GameOptions = options;
        state.GameOptions.soundsOn = false;
        for (const char* track : {"arc1.mid", "arc3.mid", "arc4.mid", "arc5.mid", "arc8.mid",
                                  "arc10.mid", "arc11.mid"}) {
            folder.Write(track, "MThd"); // no audio output opens here: the file is never read
        }
        SetRandomSeed(5);
        form = new Tsearcher(state, kit, SavannaPuzzle());
        context.Forms.searcher = form;
        form->MPlayer.OnCommand = [this](const SentCommand& command) {
            opens += command.command == PlayerCommand::Open ? 1 : 0;
        };
        form->ShowMaximized();
        ASSERT_TRUE(WaitFor([this] { return !form->NewGame(); }, kWaitMs));
        form->Timer1->stop();
        Settle();
    }

    void TearDown() override {
        if (form) {
            delete form.data();
        }
        delete Tprndlg::Form();
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

    // The window system's parent of a window: WM_TRANSIENT_FOR, as xprop reads it.
    static QString TransientFor(const QWidget& window) {
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"),
                    {QStringLiteral("-id"), QString::number(window.winId()),
                     QStringLiteral("WM_TRANSIENT_FOR")});
        xprop.waitForFinished(kWaitMs);
        return QString::fromLatin1(xprop.readAllStandardOutput()).section('#', 1).trimmed();
    }
    QString FormId() const { return QStringLiteral("0x%1").arg(form->winId(), 0, 16); }

    DataFolder folder;
    GameContext context{folder.Folders()};
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

// Another window takes the focus and gives it back, four times; it stands outside the screen, so
// that it hides nothing of the puzzle.
TEST_F(ExposeTest, ChangesOfFocusNeitherRepaintNorRestartTheMusic) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget elsewhere(nullptr, Qt::Window | Qt::X11BypassWindowManagerHint);
    elsewhere.setGeometry(screen.right() + 50, screen.top(), 40, 30);
    elsewhere.show();
    const int paints = form->FormPaintCount();
    const int opened = opens;
    for (int i = 0; i < 4; ++i) {
        elsewhere.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere, kWaitMs)) << i;
        Settle();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.data(), kWaitMs)) << i;
        Settle();
    }
    EXPECT_EQ(form->FormPaintCount(), paints);
    EXPECT_EQ(opens, opened) << "the music goes on";
}

// The print dialog, the message before printing and the one naming the file the puzzle went to
// belong to the puzzle window; the screen is painted again once no dialog is open, at most twice:
// printing lets the screen paint between its messages.
TEST_F(ExposeTest, PrintingRepaintsOnceItsDialogsHaveClosed) {
    QStringList parents;
    answerer.OnDialog([&](QDialog* dialog) {
        parents << TransientFor(*dialog);
        if (auto* print = qobject_cast<Tprndlg*>(dialog)) {
            print->OKBtn->click();
        } else {
            dialog->reject();
        }
    });
    answerer.SetBeforeAnswer(
        [&](const SeenBox&) { parents << TransientFor(*QApplication::activeModalWidget()); });
    const int paints = form->FormPaintCount();
    const int opened = opens;
    form->FormMouseDown(Qt::LeftButton, form->BoardLeft + form->BoardWidth - 80,
                        form->BoardTop + form->BoardHeight + 10);
    Settle();
    ASSERT_FALSE(answerer.Boxes().empty());
    EXPECT_EQ(answerer.Boxes().front().text, QStringLiteral("Click OK to print!"));
    EXPECT_EQ(parents, QStringList(answerer.Boxes().size() + 1, FormId()));
    EXPECT_GE(form->FormPaintCount(), paints + 1);
    EXPECT_LE(form->FormPaintCount(), paints + 2);
    EXPECT_EQ(opens - opened, form->FormPaintCount() - paints) << "the music restarts with them";
}

// At a time-out the clock keeps reading the last tick behind the message, which belongs to the
// puzzle window.
TEST_F(ExposeTest, AtATimeOutTheClockReadsTheLastTickBehindTheMessage) {
    delete form.data();
    GameOptions timed;
    timed.timedGame = true;
    timed.timeLimitChoice = 1; // 3 minutes
    Open(timed);
    const double scale = form->devicePixelRatioF();
    QImage reference(form->Surface().size(), QImage::Format_RGB32);
    reference.fill(Qt::black);
    reference.setDevicePixelRatio(scale);
    DeviceContext dc(reference);
    dc.SelectObject(SystemFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(context.Kit.PaletteColour(PaletteRole::ClockText));
    dc.TextOutA(form->BoardLeft, form->BoardTop, "Elapsed: 03:01");
    const QRect clock(
        QPoint(DevicePixel(form->BoardLeft, scale), DevicePixel(form->BoardTop, scale)),
        QPoint(DevicePixel(form->BoardLeft + Board::ClockWidth, scale) - 1,
               DevicePixel(form->BoardTop + Board::ClockHeight, scale) - 1));
    QImage shown;
    QString parent;
    answerer.SetBeforeAnswer([&](const SeenBox&) {
        shown = form->Surface().copy(clock);
        parent = TransientFor(*QApplication::activeModalWidget());
    });
    for (int tick = 0; tick <= 180 && form && !form->Session.GameOver(); ++tick) {
        form->Timer1Timer();
    }
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes().front().text,
              QStringLiteral("Uh-oh... the timer has expired! Better luck next time!"));
    EXPECT_TRUE(shown == reference.copy(clock)) << "Elapsed: 03:01";
    EXPECT_EQ(parent, FormId());
}

} // namespace
} // namespace lexiglade::test
