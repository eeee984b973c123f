// On a real X server with openbox (tests/smoke/xsession.sh), every key typed through the X server
// (xdotool): a new player from the catalogue to a won puzzle and back, the same puzzle again with
// Enter and ended with Ctrl+W, then the options changed.
#include "UiFixture.h"

#include "ui/GameContext.h"
#include "ui/Midistuf.h"
#include "ui/Wordsrch.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace lexiglade::test {
namespace {

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

bool BoxOpen() {
    return Active(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
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
        {BoxOpen, [] { return QStringList{"Return"}; }}, // "Very Good! You found them all!"
        {BoxOpen, [] { return QStringList{"Return"}; }}, // the best time
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
    EXPECT_TRUE(QTest::qWaitFor([&] { return next == steps.size() && inCatalogue(); }, 240000))
        << "stopped before step " << next;
    EXPECT_EQ(secondTitle, "Farm") << "the same puzzle again";
    const GameOptions& chosen = context.State.GameOptions;
    EXPECT_TRUE(chosen.soundsOn && !chosen.musicOn && !chosen.backwardWords && chosen.timedGame);
    delete Game();
}

} // namespace
} // namespace lexiglade::test
