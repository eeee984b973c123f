// On a real X server with openbox (tests/smoke/xsession.sh), every key typed through the X server
// (xdotool): a new player from the catalogue to a won puzzle and back, the same puzzle again with
// Enter and ended with Ctrl+W, then the options changed.
#include "UiFixture.h"

#include "ui/GameContext.h"
#include "ui/Midistuf.h"
#include "ui/Wordsrch.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace lexiglade::test {
namespace {

// The whole journey, as long as a loaded machine may need.
constexpr int kJourneyMs = 240000;

bool Active(const QWidget* window) {
    return window != nullptr && QApplication::activeWindow() == window;
}

bool IsPlaying(const Tsearcher* game) {
    return Active(game) && game->FormPaintCount() > 0;
}

// The keys that find placed word k, from where the cursor is.
QStringList FindWord(const Tsearcher& game, std::size_t k) {
    const PlacedWord word = game.Session.Grids().PlacedWords.at(k);
    Cell at = game.Input.CursorShown() ? game.Input.Cursor() : Cell{0, 0};
    QStringList keys;
    for (const Cell to : {word.start, word.end}) {
        for (; at.column != to.column; at.column += at.column < to.column ? 1 : -1) {
            keys << (at.column < to.column ? "Right" : "Left");
        }
        for (; at.row != to.row; at.row += at.row < to.row ? 1 : -1) {
            keys << (at.row < to.row ? "Down" : "Up");
        }
        keys << "space";
    }
    return keys;
}

TEST(KeyboardJourneyTest, FromLaunchToAWonPuzzleAndBackThenTheOptionsWithKeysOnly) {
    if (qEnvironmentVariable("LEXIGLADE_TEST_WM", QStringLiteral("none")) == "none" ||
        QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        GTEST_SKIP() << "without a window manager the keys go to the window under the pointer";
    }
    const DataFolder folder;
    GameContext context(folder.Folders());
    Tmain catalogue(context);
    Tjukebox options(context.State.GameOptions, &catalogue);
    context.Forms.main = &catalogue;
    context.Forms.jukebox = &options;
    context.State.GameOptions.soundsOn = false; // the data folder has no sound or music
    context.State.GameOptions.musicOn = false;
    catalogue.ShowMaximized();
    QPointer<QWidget> firstGame;
    std::string secondTitle;
    const auto Game = [&] { return OpenedGame(context); };
    const auto Playing = [&] { return IsPlaying(Game()); };
    // The box a Return went to: the next box is another one, not this one before it has closed.
    QPointer<QWidget> answered;
    const auto newBox = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        return Active(box) && box != answered;
    };
    const auto answer = [&] {
        answered = QApplication::activeModalWidget();
        return QStringList{"Return"};
    };
    const auto inCatalogue = [&] { return Game() == nullptr && Active(&catalogue); };
    // Each step's keys are typed once it is ready; a timer types them, inside modal loops too.
    const std::vector<std::pair<std::function<bool()>, std::function<QStringList()>>> steps = {
        {[&] { return Active(&catalogue) && catalogue.FormPaintCount() > 0; },
         [] {
             return QStringList{"Right", "Down"};
         }}, // opens "Animals", moves onto "Farm"
        {Playing,
         [&] {
             firstGame = Game();
             return FindWord(*Game(), 0);
         }},
        {[&] { return Playing() && Game()->Combo1->count() == 1; },
         [&] { return FindWord(*Game(), 1); }},
        {newBox, answer}, // "Very Good! You found them all!"
        {newBox, answer}, // the best time
        {inCatalogue, [] { return QStringList{"Return"}; }},
        {[&] { return Playing() && Game() != firstGame && firstGame.isNull(); },
         [&] {
             secondTitle = Game()->Puzzle().title;
             return QStringList{"ctrl+w"};
         }},
        {inCatalogue, [] { return QStringList{"F3"}; }},
        // Sounds on, backward words off, a timed game, then Enter for OK.
        {[&] { return Active(&options); },
         [] { return QStringList{"space", "Tab", "Tab", "space", "Tab", "space", "Return"}; }},
    };
    std::size_t next = 0;
    QTimer player;
    QObject::connect(&player, &QTimer::timeout, [&] {
        if (next < steps.size() && steps[next].first()) {
            const QStringList keys = steps[next++].second();
            QProcess::execute("xdotool",
                              QStringList{"key", "--clearmodifiers", "--delay", "40"} + keys);
        }
    });
    player.start(50);
    // A step that never comes would leave a modal loop open under the wait below: end such loops
    // so that the test fails, naming the step, instead of hanging.
    QTimer rescue;
    std::string rescued;
    QObject::connect(&rescue, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            rescued += std::string(" ") + dialog->metaObject()->className() +
                       (dialog->isActiveWindow() ? " (active)" : " (inactive)");
            dialog->done(QDialog::Rejected);
        }
    });
    QTimer::singleShot(kJourneyMs, &rescue, [&] { rescue.start(100); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return next == steps.size() && inCatalogue(); }, kJourneyMs))
        << "stopped before step " << next << "; ended:" << rescued;
    rescue.stop();
    EXPECT_EQ(secondTitle, "Farm") << "the same puzzle again";
    const GameOptions& chosen = context.State.GameOptions;
    EXPECT_TRUE(chosen.soundsOn && !chosen.musicOn && !chosen.backwardWords && chosen.timedGame);
    delete Game();
}

} // namespace
} // namespace lexiglade::test
