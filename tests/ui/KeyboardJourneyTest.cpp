// Runs on a real X server with the openbox window manager (tests/smoke/xsession.sh): a new player
// with the keyboard only, every key typed through the X server (xdotool), from the catalogue to a
// won puzzle and back, the puzzle just played opened again with Enter and ended with Ctrl+W, then
// the options opened, changed and closed.
#include "UiFixture.h"

#include "app/SharedState.h"
#include "engine/SelectionInput.h"
#include "ui/Forms.h"
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

#include <cstdlib>
#include <functional>
#include <memory>

namespace lexiglade::test {
namespace {

constexpr int kJourneyMs = 240000; // a busy machine is slow to deliver keys and show windows

// One step of the player: once `ready` holds, the keys `keys()` names are typed.
struct Step {
    const char* what;
    std::function<bool()> ready;
    std::function<QStringList()> keys;
};

// Types each step's keys once it is ready, from a timer, so that it goes on inside the modal loops
// of boxes and dialogs.
class Player {
  public:
    explicit Player(std::vector<Step> steps) : steps_(std::move(steps)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(50);
    }
    bool Done() const { return next_ == steps_.size(); }
    const char* Waiting() const { return Done() ? "nothing" : steps_[next_].what; }

  private:
    void Poll() {
        if (Done() || typing_ || !steps_[next_].ready()) {
            return;
        }
        typing_ = true;
        QStringList arguments{QStringLiteral("key"), QStringLiteral("--clearmodifiers"),
                              QStringLiteral("--delay"), QStringLiteral("40")};
        QProcess::execute(QStringLiteral("xdotool"), arguments + steps_[next_].keys());
        ++next_;
        typing_ = false;
    }

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    bool typing_ = false;
    QTimer timer_;
};

Tsearcher* Game() {
    return static_cast<Tsearcher*>(Forms().searcher.data());
}

bool Active(const QWidget* window) {
    return window != nullptr && window->isVisible() && QApplication::activeWindow() == window;
}

// A game on the screen, painted, with the keyboard's focus.
bool Playing() {
    return Active(Game()) && !Shared().NewGame && Game()->FormPaintCount() > 0;
}

// Arrow keys from the cursor to `to`.
QStringList CursorTo(Cell from, Cell to) {
    QStringList keys;
    for (int c = from.column; c != to.column; c += c < to.column ? 1 : -1) {
        keys << (c < to.column ? QStringLiteral("Right") : QStringLiteral("Left"));
    }
    for (int r = from.row; r != to.row; r += r < to.row ? 1 : -1) {
        keys << (r < to.row ? QStringLiteral("Down") : QStringLiteral("Up"));
    }
    return keys;
}

// The keys that find placed word `k` of the game on the screen, from where its cursor is.
QStringList FindWord(std::size_t k) {
    const PlacedWord word = Game()->Session.Grids().PlacedWords.at(k);
    const Cell cursor = Game()->Input.CursorShown() ? Game()->Input.Cursor() : Cell{0, 0};
    return CursorTo(cursor, word.start) << QStringLiteral("space")
                                        << CursorTo(word.start, word.end)
                                        << QStringLiteral("space");
}

// The message box open and active, if it shows `text`.
bool BoxShows(const QString& text) {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    return box != nullptr && Active(box) && (text.isEmpty() || box->text().startsWith(text));
}

class KeyboardJourneyTest : public testing::Test {
  protected:
    void SetUp() override {
        const char* wm = std::getenv("LEXIGLADE_TEST_WM");
        if (wm == nullptr || std::string(wm) == "none") {
            GTEST_SKIP() << "without a window manager the X server gives the keys to the window "
                            "under the pointer";
        }
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
            GTEST_SKIP() << "xdotool is not installed";
        }
        catalogue = std::make_unique<Tmain>(folder.Path());
        Forms().main = catalogue.get();
        Forms().jukebox = new Tjukebox(catalogue.get());
        GameOptions& options = Shared().GameOptions;
        options.soundsOn = false; // the data folder has no sound or music
        options.musicOn = false;
        catalogue->ShowMaximized();
        catalogue->activateWindow();
    }

    void TearDown() override {
        delete Game();
        delete Forms().jukebox;
        Forms() = FormReferences{};
        Shared().NewGame = false;
        Shared().GameOptions = GameOptions{};
    }

    DataFolder folder;
    std::unique_ptr<Tmain> catalogue;
};

TEST_F(KeyboardJourneyTest, FromLaunchToAWonPuzzleAndBackThenTheOptionsWithKeysOnly) {
    const auto inCatalogue = [&] { return Game() == nullptr && Active(catalogue.get()); };
    QPointer<QWidget> firstGame;
    QPointer<QWidget> secondGame;
    int hints = 0;
    Player player({
        {"the catalogue", [&] { return Active(catalogue.get()) && catalogue->FormPaintCount() > 0; },
         [] { return QStringList{"Right", "Down"}; }}, // open "Animals", move onto "Farm"
        {"the game", Playing,
         [&] {
             firstGame = Game();
             hints = Game()->Combo1->count();
             return FindWord(0);
         }},
        {"the first word found", [&] { return Playing() && Game()->Combo1->count() == hints - 1; },
         [] { return FindWord(1); }},
        {"the win", [] { return BoxShows(QStringLiteral("Very Good! You found them all!")); },
         [] { return QStringList{"Return"}; }},
        {"the best time", [] { return BoxShows({}); }, [] { return QStringList{"Return"}; }},
        {"the catalogue after the game", inCatalogue, [] { return QStringList{"Return"}; }},
        {"the same puzzle again",
         [&] { return Playing() && Game() != firstGame && Shared().LoadedPuzzle.title == "Farm"; },
         [&] {
             secondGame = Game();
             return QStringList{"ctrl+w"};
         }},
        {"the catalogue after Ctrl+W", inCatalogue, [] { return QStringList{"F3"}; }},
        // Sounds on, backward words off, a timed game of the duration shown, then OK.
        {"the options", [] { return Active(Forms().jukebox); },
         [] { return QStringList{"space", "Tab", "Tab", "space", "Tab", "space", "Return"}; }},
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.Done() && inCatalogue(); }, kJourneyMs))
        << "waiting for " << player.Waiting();
    EXPECT_TRUE(firstGame.isNull()) << "the won game has ended";
    EXPECT_TRUE(secondGame.isNull()) << "Ctrl+W has ended the game";
    const GameOptions& options = Shared().GameOptions;
    EXPECT_TRUE(options.soundsOn);
    EXPECT_FALSE(options.musicOn);
    EXPECT_FALSE(options.backwardWords);
    EXPECT_TRUE(options.timedGame);
    EXPECT_EQ(options.timeLimitChoice, 2);
}

} // namespace
} // namespace lexiglade::test
