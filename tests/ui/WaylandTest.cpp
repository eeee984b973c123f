// Runs under a headless Wayland compositor (tests/smoke/waylandsession.sh): the catalogue on the
// shipped artwork and library at the scale the game chooses for the screen (LEXIGLADE_TEST_SCALE),
// its art at least LEXIGLADE_TEST_MIN_SHARE percent of the screen's height and shown by the
// compositor pixel for pixel, the form without a title bar filling the area below the panel; a
// message box with its title bar; then a puzzle opened with keys and a word found with the
// pointer, both delivered the way Qt's Wayland platform delivers them.
#include "EventWait.h"
#include "TempFolder.h"

#include "platform/DisplayScale.h"
#include "platform/MessageBoxes.h"
#include "ui/Catalogue.h"
#include "ui/GameContext.h"
#include "ui/Outline.h"
#include "ui/Wordsrch.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

namespace lexiglade::test {
namespace {

constexpr int kWaitMs = 30000; // software compositing of a 4K screen on a busy machine
constexpr QRgb kFoundColour = qRgb(0, 0, 179);
// The right edge of the black inside of the catalogue art's frame for the tree, relative to the
// art, and the tree's place.
constexpr int kFrameInsideRight = 636;
constexpr int kTreeLeft = 190, kTreeTop = 180;

double Expected(const char* name) {
    return qEnvironmentVariable(name).toDouble();
}

// The whole output, as the compositor shows it.
QImage Screenshot() {
    const QTemporaryDir dir;
    QProcess shooter;
    shooter.setWorkingDirectory(dir.path());
    shooter.start(QStringLiteral("weston-screenshooter"), QStringList());
    shooter.waitForFinished(kWaitMs);
    const QStringList shots = QDir(dir.path()).entryList({QStringLiteral("*.png")});
    return shots.isEmpty()
               ? QImage()
               : QImage(dir.filePath(shots.front())).convertToFormat(QImage::Format_RGB32);
}

// The device pixels of a logical rectangle of a form.
QRect DeviceRect(const QRect& logical, double scale) {
    return QRect(QPoint(DevicePixel(logical.left(), scale), DevicePixel(logical.top(), scale)),
                 QPoint(DevicePixel(logical.right() + 1, scale) - 1,
                        DevicePixel(logical.bottom() + 1, scale) - 1));
}

// Where the screenshot shows `part` of the form's surface unchanged: the offset of the surface on
// the screen, searched among the places a panel and a title bar leave for it.
std::optional<QPoint> FindOnScreen(const QImage& shot, const QImage& surface, const QRect& part) {
    const QImage wanted = surface.copy(part);
    for (int dy = 0; dy <= shot.height() / 8; ++dy) {
        for (int dx = 0; dx <= shot.width() / 32; ++dx) {
            const QRect at = part.translated(dx, dy);
            if (shot.rect().contains(at) && shot.copy(at) == wanted) {
                return QPoint(dx, dy);
            }
        }
    }
    return std::nullopt;
}

class WaylandTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
        main = std::make_unique<Tmain>(context);
        context.Forms.main = main.get();
        context.State.GameOptions.musicOn = false;
        context.State.GameOptions.soundsOn = false;
        main->ShowMaximized();
        ASSERT_TRUE(WaitFor([&] { return main->FormPaintCount() > 0; }, kWaitMs));
        scale = main->devicePixelRatioF();
    }

    void TearDown() override {
        delete context.Forms.searcher.data();
        main.reset();
    }

    // The catalogue art, the frame's inside: the whole art without its undrawn last row and column.
    QRect Art() const {
        return {main->BackdropLeft, main->BackdropTop, main->BackdropWidth - 1,
                main->BackdropHeight - 1};
    }

    // A press or release of the left button, or a move, at the last device pixel of the logical
    // point's block, in the surface coordinates a Wayland pointer reports.
    static void Pointer(QWindow* window, QEvent::Type type, QPoint logical) {
        const double ratio = window->devicePixelRatio();
        const double surfaceScale = window->handle()->devicePixelRatio();
        const QPointF at((DevicePixel(logical.x() + 1, ratio) - 1) / surfaceScale,
                         (DevicePixel(logical.y() + 1, ratio) - 1) / surfaceScale);
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
            window, at, at, held, button, type);
    }

    TempFolder player;
    GameContext context{DataFolders{player.Path() + "/", std::string(LEXIGLADE_DATA_DIR)}};
    std::unique_ptr<Tmain> main;
    double scale = 1;
};

TEST_F(WaylandTest, CatalogueArtFillsTheScreenAtTheChosenScale) {
    EXPECT_EQ(scale, Expected("LEXIGLADE_TEST_SCALE"));
    const QRect art = Art();
    EXPECT_TRUE(main->rect().contains(art)) << "the art fits the window";
    const int screenHeight = qRound(main->screen()->geometry().height() * scale);
    const int share = 100 * DeviceRect(art, scale).height() / screenHeight;
    EXPECT_GE(share, Expected("LEXIGLADE_TEST_MIN_SHARE"));
    const int inside = art.left() + kFrameInsideRight;
    EXPECT_LT(main->outline->geometry().right(), inside) << "the tree stands inside the frame";
    EXPECT_LT(main->Label2->geometry().right(), inside);
    EXPECT_GE(main->outline->geometry().top(), art.top());
    EXPECT_LT(main->outline->geometry().bottom(), main->BackdropTop + main->BackdropHeight);

    // The compositor shows the art drawn at the device resolution, unscaled: above the tree and
    // left of it, where no control stands on it (Qt rounds a control's edge to the nearest device
    // pixel, so the art's last logical pixel before it is left out).
    const QImage surface = main->Surface().copy();
    const QRect title = DeviceRect({art.left() + 90, art.top() + 30, 460, 64}, scale);
    std::optional<QPoint> offset;
    QImage shot;
    WaitFor(
        [&] {
            shot = Screenshot();
            offset = FindOnScreen(shot, surface, title);
            return offset.has_value();
        },
        kWaitMs);
    ASSERT_TRUE(offset) << "the catalogue's title art on the screen";
    const QRect band = DeviceRect({art.left(), art.top(), art.width(), kTreeTop - 1}, scale);
    const QRect column = DeviceRect(
        {art.left(), art.top() + kTreeTop, kTreeLeft - 1, art.height() - kTreeTop}, scale);
    for (const QRect& part : {band, column}) {
        EXPECT_TRUE(shot.copy(part.translated(*offset)) == surface.copy(part));
    }
    // No title bar and no border: the form fills the width and reaches from the panel down.
    const double outputScale = main->windowHandle()->handle()->devicePixelRatio();
    EXPECT_EQ(offset->x(), 0);
    EXPECT_LE(offset->y(), kLeastTitleBarRoom * outputScale) << "the form's top below the panel";
    EXPECT_NEAR(offset->y() + surface.height(), shot.height(), scale);
    EXPECT_NEAR(surface.width(), shot.width(), scale);
    std::printf("screen %dx%d: art %d device pixels high, %d %% of the height, at scale %g\n",
                shot.width(), shot.height(), DeviceRect(art, scale).height(), share, scale);
}

TEST_F(WaylandTest, AMessageBoxKeepsItsTitleBarScaleAndOwner) {
    int titleBar = 0;
    double boxScale = 0;
    const QWindow* owner = nullptr;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        WaitFor([&] { return box->windowHandle()->frameMargins().top() > 0; }, kWaitMs);
        titleBar = box->windowHandle()->frameMargins().top();
        boxScale = box->devicePixelRatioF();
        owner = box->windowHandle()->transientParent();
        box->reject();
    });
    ShowInformation(QStringLiteral("A box over the catalogue"));
    EXPECT_GT(titleBar, 0);
    EXPECT_EQ(boxScale, scale);
    EXPECT_EQ(owner, main->windowHandle());
}

TEST_F(WaylandTest, APuzzleOpensFromTheKeysAndTheMouseFindsAWord) {
    // The first folder opened, its first puzzle chosen. A headless compositor has no keyboard to
    // give the window the focus, as a player's click on the tree would.
    main->outline->setFocus();
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down}) {
        QTest::keyClick(main->windowHandle(), key);
    }
    const auto game = [&] { return qobject_cast<Tsearcher*>(context.Forms.searcher.data()); };
    ASSERT_TRUE(WaitFor([&] { return game() != nullptr && !game()->NewGame(); }, kWaitMs));
    auto* puzzle = game();
    ASSERT_NE(puzzle, nullptr);
    EXPECT_EQ(puzzle->devicePixelRatioF(), scale);
    puzzle->Timer1->stop();
    const PlacedWord word = puzzle->Session.Grids().PlacedWords.at(0);
    const auto centre = [&](Cell cell) {
        return QPoint(puzzle->BoardLeft + Board::ColumnCentreOffset +
                          Board::ColumnPitch * cell.column,
                      puzzle->BoardTop + Board::RowCentreOffset + Board::RowPitch * cell.row);
    };
    const int hints = puzzle->Combo1->count();
    QWindow* window = puzzle->windowHandle();
    Pointer(window, QEvent::MouseButtonPress, centre(word.start));
    Pointer(window, QEvent::MouseMove, (centre(word.start) + centre(word.end)) / 2);
    Pointer(window, QEvent::MouseMove, centre(word.end));
    EXPECT_EQ(QPoint(puzzle->Session.Selection().RubberX, puzzle->Session.Selection().RubberY),
              centre(word.end))
        << "the pointer reaches the form as the logical pixel it is on";
    Pointer(window, QEvent::MouseButtonRelease, centre(word.end));
    EXPECT_EQ(puzzle->Combo1->count(), hints - 1) << "the word is found";
    EXPECT_TRUE(WaitFor(
        [] {
            const QImage shot = Screenshot();
            for (int y = 0; y < shot.height(); ++y) {
                const auto* row = reinterpret_cast<const QRgb*>(shot.constScanLine(y));
                if (std::find(row, row + shot.width(), kFoundColour) != row + shot.width()) {
                    return true;
                }
            }
            return false;
        },
        kWaitMs))
        << "the found word's capsule on the screen";
}

} // namespace
} // namespace lexiglade::test
