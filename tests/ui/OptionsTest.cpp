#include "ModalDriver.h"

#include "engine/Clock.h"
#include "engine/GridGenerator.h"
#include "engine/Random.h"
#include "library/BestTimes.h"
#include "ui/Midistuf.h"
#include "ui/OptionPictures.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace lexiglade::test {
namespace {

struct OptionsTest : testing::Test {
    // Shows the dialog without a nested loop; FormShow runs as it appears.
    void Open() {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    GameOptions gameOptions; // fresh for every test
    Tjukebox dialog{gameOptions};
};

void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// Clicks the check mark or radio circle at the button's left end.
void ClickIndicator(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

QImage PictureOf(const QLabel* label) {
    return label->pixmap().toImage();
}

std::string Visible(const QLabel* shown, const QLabel* on, const QLabel* off) {
    const QImage picture = PictureOf(shown);
    if (picture == PictureOf(on)) {
        return "on";
    }
    return picture == PictureOf(off) ? "off" : "neither";
}

std::string CheckedDuration(const Tjukebox& d) {
    std::string checked;
    checked += d.tgr1->isChecked() ? "1" : "";
    checked += d.tgr2->isChecked() ? "2" : "";
    checked += d.tgr3->isChecked() ? "3" : "";
    return checked;
}

bool DurationsEnabled(const Tjukebox& d) {
    EXPECT_EQ(d.tgr1->isEnabled(), d.tgr2->isEnabled());
    EXPECT_EQ(d.tgr2->isEnabled(), d.tgr3->isEnabled());
    return d.tgr2->isEnabled();
}

TEST_F(OptionsTest, DesignValuesOfTheFormAndItsControls) {
    Open();
    EXPECT_EQ(dialog.windowTitle(), "Options");
    EXPECT_EQ(dialog.size(), QSize(336, 284));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_FALSE(flags & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint));
    EXPECT_EQ(dialog.grab().toImage().pixel(3, 3), qRgb(0, 0, 0));

    struct Case {
        QWidget* control;
        QString caption;
        QRect design;
        int fontPixels;
    };
    const Case cases[] = {
        {dialog.bwcheck, "         Allow backward words", {44, 121, 247, 18}, 13},
        {dialog.tgcheck, "         Timed Game", {44, 164, 202, 16}, 13},
        {dialog.tgr1, "  3 minutes", {91, 187, 164, 16}, 13},
        {dialog.tgr2, "  6 minutes", {91, 209, 164, 16}, 13},
        {dialog.tgr3, "  9 minutes", {91, 231, 164, 16}, 13},
        {dialog.Label1, "Sounds", {92, 34, 0, 0}, 19},
        {dialog.Label2, "Music", {94, 76, 0, 0}, 19},
    };
    for (const Case& c : cases) {
        const auto* button = qobject_cast<QAbstractButton*>(c.control);
        const auto* label = qobject_cast<QLabel*>(c.control);
        EXPECT_EQ(button ? button->text() : label->text(), c.caption);
        EXPECT_EQ(c.control->pos(), c.design.topLeft()) << c.caption.toStdString();
        if (button) {
            EXPECT_EQ(c.control->size(), c.design.size()) << c.caption.toStdString();
        } else {
            EXPECT_GE(c.control->width(), label->sizeHint().width()) << "caption cut off";
        }
        EXPECT_EQ(c.control->font().pixelSize(), c.fontPixels) << c.caption.toStdString();
        EXPECT_EQ(c.control->palette().color(QPalette::Active, QPalette::WindowText),
                  QColor(0, 255, 255))
            << c.caption.toStdString();
    }

    struct Picture {
        QLabel* image;
        QRect geometry;
        bool seen;
    };
    const Picture pictures[] = {
        {dialog.Image2, {34, 304, 32, 32}, false},  {dialog.Image3, {93, 308, 32, 32}, false},
        {dialog.Image4, {34, 26, 32, 32}, true},    {dialog.Image5, {194, 306, 32, 32}, false},
        {dialog.Image6, {240, 302, 32, 32}, false}, {dialog.Image7, {38, 69, 32, 32}, true},
        {dialog.Image8, {256, 30, 40, 35}, true},
    };
    for (const Picture& p : pictures) {
        EXPECT_EQ(p.image->geometry(), p.geometry);
        EXPECT_EQ(PictureOf(p.image).size(), p.geometry.size());
        EXPECT_EQ(dialog.rect().intersects(p.image->geometry()), p.seen) << p.geometry.y();
    }
}

TEST_F(OptionsTest, PicturesAreDrawnTheSameEveryTimeAndOnDiffersFromOff) {
    const QImage on[] = {SoundOnPicture(), MusicOnPicture()};
    const QImage off[] = {SoundOffPicture(), MusicOffPicture()};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(on[i].size(), QSize(32, 32));
        EXPECT_EQ(off[i].size(), QSize(32, 32));
        EXPECT_NE(on[i], off[i]);
        EXPECT_NE(on[i], on[1 - i]);
        EXPECT_EQ(on[i].pixel(0, 0), qRgba(0, 0, 0, 0)) << "corners are transparent";
    }
    EXPECT_EQ(SoundOnPicture(), on[0]);
    EXPECT_EQ(MusicOffPicture(), off[1]);
    const QImage ok = OkPicture();
    EXPECT_EQ(ok.size(), QSize(40, 35));
    EXPECT_EQ(ok, OkPicture());
    EXPECT_NE(ok.pixel(20, 17), qRgb(0, 0, 0));
}

TEST_F(OptionsTest, FirstShowingReflectsTheDefaults) {
    Open();
    EXPECT_EQ(Visible(dialog.Image4, dialog.Image2, dialog.Image3), "on");
    EXPECT_EQ(Visible(dialog.Image7, dialog.Image5, dialog.Image6), "on");
    EXPECT_TRUE(dialog.bwcheck->isChecked());
    EXPECT_FALSE(dialog.tgcheck->isChecked());
    EXPECT_FALSE(DurationsEnabled(dialog));
    EXPECT_EQ(CheckedDuration(dialog), "2") << "the stored choice 1 is not shown while untimed";
    EXPECT_EQ(gameOptions.timeLimitChoice, 1);
}

// The two switch pictures: the option each switches, the picture clicked and the held pictures
// it shows for on and off.
struct SwitchPicture {
    const char* name;
    bool GameOptions::*option;
    QLabel* Tjukebox::*image;
    QLabel* Tjukebox::*on;
    QLabel* Tjukebox::*off;
};
const SwitchPicture kSwitchPictures[] = {
    {"sounds", &GameOptions::soundsOn, &Tjukebox::Image4, &Tjukebox::Image2, &Tjukebox::Image3},
    {"music", &GameOptions::musicOn, &Tjukebox::Image7, &Tjukebox::Image5, &Tjukebox::Image6},
};

TEST_F(OptionsTest, SwitchPicturesFlipTheOptionAndThePictureAtOnce) {
    for (const SwitchPicture& c : kSwitchPictures) {
        SCOPED_TRACE(c.name);
        gameOptions = GameOptions{};
        Open();
        QLabel* image = dialog.*c.image;
        const qint64 onKey = (dialog.*c.on)->pixmap().cacheKey();
        const qint64 offKey = (dialog.*c.off)->pixmap().cacheKey();
        const GameOptions before = gameOptions;
        Click(image);
        EXPECT_FALSE(gameOptions.*c.option);
        EXPECT_EQ(Visible(image, dialog.*c.on, dialog.*c.off), "off");
        Click(image);
        EXPECT_TRUE(gameOptions.*c.option);
        EXPECT_EQ(Visible(image, dialog.*c.on, dialog.*c.off), "on");
        Click(image);
        EXPECT_EQ((dialog.*c.on)->pixmap().cacheKey(), onKey) << "the held pictures never change";
        EXPECT_EQ((dialog.*c.off)->pixmap().cacheKey(), offKey);
        EXPECT_TRUE(dialog.isVisible()) << "a switch does not close the dialog";
        GameOptions expected = before;
        expected.*c.option = false;
        const GameOptions& now = gameOptions;
        EXPECT_EQ(now.soundsOn, expected.soundsOn);
        EXPECT_EQ(now.musicOn, expected.musicOn);
        dialog.hide();
        Open();
        EXPECT_EQ(Visible(image, dialog.*c.on, dialog.*c.off), "off") << "shown again as off";
        dialog.hide();
    }
}

// Keeps the types of the mouse events a widget receives.
class MouseEventLog : public QObject {
  public:
    explicit MouseEventLog(QWidget* widget) { widget->installEventFilter(this); }
    std::vector<QEvent::Type> types;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
            type == QEvent::MouseButtonDblClick) {
            types.push_back(type);
        }
        return false;
    }
};

// A double-click on a switch picture switches it once, as one click does; the window system
// delivers it as a press, a release, a double-click and a second release.
TEST_F(OptionsTest, DoubleClickOnASwitchPictureSwitchesOnce) {
    for (const SwitchPicture& c : kSwitchPictures) {
        SCOPED_TRACE(c.name);
        gameOptions = GameOptions{};
        Open();
        QLabel* image = dialog.*c.image;
        const QPoint at = image->mapTo(&dialog, image->rect().center());
        MouseEventLog log(image);
        QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {}, at);
        ASSERT_EQ(log.types, std::vector<QEvent::Type>(
                                 {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}));
        EXPECT_FALSE(gameOptions.*c.option);
        EXPECT_EQ(Visible(image, dialog.*c.on, dialog.*c.off), "off");
        QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {}, at);
        EXPECT_TRUE(gameOptions.*c.option);
        EXPECT_EQ(Visible(image, dialog.*c.on, dialog.*c.off), "on");
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, at);
        EXPECT_FALSE(gameOptions.*c.option) << "a click after a double-click switches";
        // A release over the picture after a press elsewhere is no click.
        const QPoint beside = dialog.Label1->mapTo(&dialog, QPoint(0, 0)) + QPoint(60, -20);
        QTest::mousePress(dialog.windowHandle(), Qt::LeftButton, {}, beside);
        QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton, {}, at);
        EXPECT_FALSE(gameOptions.*c.option);
        dialog.hide();
    }
}

TEST_F(OptionsTest, TickingTimedGameAndOkWithoutAChoiceGivesSixMinutes) {
    ModalDriver answerer;
    answerer.OnDialog([](QWidget* modal) {
        auto* options = qobject_cast<Tjukebox*>(modal);
        ASSERT_NE(options, nullptr);
        ClickIndicator(options->tgcheck);
        EXPECT_TRUE(DurationsEnabled(*options));
        Click(options->Image8);
    });
    dialog.exec();
    EXPECT_EQ(answerer.DialogsSeen(), 1);
    EXPECT_FALSE(dialog.isVisible());
    const GameOptions& options = gameOptions;
    EXPECT_TRUE(options.timedGame);
    EXPECT_EQ(options.timeLimitChoice, 2);
    EXPECT_FALSE(TimeExpired(options, 360));
    EXPECT_TRUE(TimeExpired(options, 361));
}

TEST_F(OptionsTest, ShownChoiceFollowsTheOptionsWhileTimed) {
    for (int choice = 1; choice <= 3; ++choice) {
        gameOptions.timedGame = true;
        gameOptions.timeLimitChoice = choice;
        Open();
        EXPECT_TRUE(dialog.tgcheck->isChecked());
        EXPECT_TRUE(DurationsEnabled(dialog));
        EXPECT_EQ(CheckedDuration(dialog), std::to_string(choice));
        Click(dialog.Image8);
        EXPECT_EQ(gameOptions.timeLimitChoice, choice);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST_F(OptionsTest, UntickingKeepsThePreviousChoiceForTheNextTimedGame) {
    Open();
    ClickIndicator(dialog.tgcheck);
    ClickIndicator(dialog.tgr3);
    EXPECT_EQ(CheckedDuration(dialog), "3");
    Click(dialog.Image8);
    GameOptions& options = gameOptions;
    EXPECT_TRUE(options.timedGame);
    EXPECT_EQ(options.timeLimitChoice, 3);
    EXPECT_FALSE(TimeExpired(options, 540));
    EXPECT_TRUE(TimeExpired(options, 541));

    Open();
    ClickIndicator(dialog.tgcheck);
    EXPECT_FALSE(DurationsEnabled(dialog));
    Click(dialog.Image8);
    EXPECT_FALSE(options.timedGame);
    EXPECT_EQ(options.timeLimitChoice, 3);
    EXPECT_FALSE(TimeExpired(options, 100000)) << "an untimed game never runs out";

    Open();
    EXPECT_FALSE(dialog.tgcheck->isChecked());
    EXPECT_FALSE(DurationsEnabled(dialog));
    ClickIndicator(dialog.tgcheck);
    EXPECT_TRUE(DurationsEnabled(dialog));
    EXPECT_EQ(CheckedDuration(dialog), "3");
    Click(dialog.Image8);
    EXPECT_TRUE(options.timedGame);
    EXPECT_EQ(options.timeLimitChoice, 3);
}

const TextList kWords = {"ELEPHANT", "GIRAFFE", "ZEBRA",  "MONKEY", "TIGER",
                         "LEOPARD",  "RHINO",   "HIPPO",  "CAMEL",  "DONKEY",
                         "BADGER",   "BEAVER",  "FALCON", "JAGUAR", "WALRUS"};

int Sign(int n) {
    return (n > 0) - (n < 0);
}

// The letters from start to end spell the placed text.
std::string Spelled(const GridState& state, const PlacedWord& word) {
    const Cell step{Sign(word.end.column - word.start.column), Sign(word.end.row - word.start.row)};
    std::string text;
    for (Cell at = word.start;; at = {at.column + step.column, at.row + step.row}) {
        text += state.LetterGrid.at(at);
        if (at == word.end) {
            return text;
        }
    }
}

// Reversed words over 30 seeded grids made with the backward-words option given.
int ReversedWordsInGrids(bool backwardWords) {
    int reversed = 0;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        SetRandomSeed(seed);
        GridState state;
        state = GenerateGrid(kWords, backwardWords);
        for (const PlacedWord& word : state.PlacedWords) {
            EXPECT_EQ(Spelled(state, word), word.text);
            std::string forward = word.text;
            if (word.reversed) {
                std::reverse(forward.begin(), forward.end());
                ++reversed;
            }
            EXPECT_NE(std::find(kWords.begin(), kWords.end(), forward), kWords.end());
        }
    }
    return reversed;
}

TEST_F(OptionsTest, BackwardWordsReachTheGridAndTheBestTimeFile) {
    struct Case {
        bool startTicked;
        bool clickBox;
        bool allowed;
        const char* bestTimes;
    };
    const Case cases[] = {{true, true, false, "a14.asl"},
                          {false, true, true, "a15.asl"},
                          {false, false, false, "a14.asl"},
                          {true, false, true, "a15.asl"}};
    for (const Case& c : cases) {
        gameOptions.backwardWords = c.startTicked;
        Open();
        EXPECT_EQ(dialog.bwcheck->isChecked(), c.startTicked);
        if (c.clickBox) {
            ClickIndicator(dialog.bwcheck);
            EXPECT_EQ(gameOptions.backwardWords, c.startTicked) << "taken over at OK";
        }
        Click(dialog.Image8);
        EXPECT_EQ(gameOptions.backwardWords, c.allowed);
        const int reversed = ReversedWordsInGrids(gameOptions.backwardWords);
        if (c.allowed) {
            EXPECT_GT(reversed, 30) << "about one word in three is reversed";
        } else {
            EXPECT_EQ(reversed, 0);
        }
        EXPECT_EQ(BestTimeFileName(gameOptions.backwardWords), c.bestTimes);
    }
}

TEST_F(OptionsTest, OnlyTheOkPictureClosesTheDialog) {
    Open();
    ClickIndicator(dialog.bwcheck);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.close());
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(dialog.Image8, Qt::RightButton, {}, dialog.Image8->rect().center());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(gameOptions.backwardWords) << "nothing taken over before OK";
    Click(dialog.Image8);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(gameOptions.backwardWords);
}

// Without the mouse: Tab goes from the sounds picture through every control to the OK picture,
// the arrows move among the durations, Space or Enter uses the control that has the focus;
// Escape is still refused.
TEST_F(OptionsTest, TheKeysReachAndUseEveryControl) {
    gameOptions.timedGame = true;
    Open();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const auto key = [&](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    struct Step {
        Qt::Key key;
        QWidget* focus; // after the key
    };
    const Step steps[] = {
        {Qt::Key_Space, dialog.Image4},   {Qt::Key_Tab, dialog.Image7},
        {Qt::Key_Return, dialog.Image7},  {Qt::Key_Tab, dialog.bwcheck},
        {Qt::Key_Space, dialog.bwcheck},  {Qt::Key_Tab, dialog.tgcheck},
        {Qt::Key_Tab, dialog.tgr1},       {Qt::Key_Down, dialog.tgr2},
        {Qt::Key_Down, dialog.tgr3},      {Qt::Key_Escape, dialog.tgr3},
        {Qt::Key_Tab, dialog.Image8},     {Qt::Key_Tab, dialog.Image4},
        {Qt::Key_Backtab, dialog.Image8},
    };
    ASSERT_EQ(QApplication::focusWidget(), dialog.Image4);
    for (const Step& step : steps) {
        key(step.key);
        ASSERT_EQ(QApplication::focusWidget(), step.focus) << QTest::toString(step.key);
    }
    const GameOptions& options = gameOptions;
    EXPECT_FALSE(options.soundsOn) << "Space on the sounds picture";
    EXPECT_FALSE(options.musicOn) << "Enter on the music picture";
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(options.backwardWords) << "nothing taken over before OK";
    key(Qt::Key_Space);
    EXPECT_FALSE(dialog.isVisible()) << "Space on the OK picture";
    EXPECT_FALSE(options.backwardWords);
    EXPECT_EQ(options.timeLimitChoice, 3);
}

} // namespace
} // namespace lexiglade::test
